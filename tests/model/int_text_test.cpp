#include <gtest/gtest.h>

#include "model/int_text.h"

namespace zuvo {
namespace {

TEST(ParseInteger, AcceptsLeadingBlanksAndASign) {
    EXPECT_EQ(parseInteger("  120"), 120);
    EXPECT_EQ(parseInteger("-7"), -7);
    EXPECT_EQ(parseInteger(" +7"), 7);
    EXPECT_EQ(parseInteger("007"), 7);
}

TEST(ParseInteger, RefusesAnythingBeyondDigits) {
    for (const char* text : {"", "   ", "-", "+", "42 ", "4 2", "1x", "x1", "- 5", "1.5", "0x10"})
        EXPECT_FALSE(parseInteger(text).has_value()) << '"' << text << '"';
}

TEST(ParseInteger, KeepsToThirtyTwoBits) {
    EXPECT_EQ(parseInteger("2147483647"), 2147483647);
    EXPECT_EQ(parseInteger("-2147483648"), INT32_MIN);
    EXPECT_FALSE(parseInteger("2147483648").has_value());
    EXPECT_FALSE(parseInteger("-2147483649").has_value());
    // Long enough to wrap a 64-bit accumulator if it were not checked digit by digit.
    EXPECT_FALSE(parseInteger("99999999999999999999999").has_value());
}

TEST(IntText, MessageAndTrim) {
    EXPECT_EQ(invalidIntegerMessage("1 2"), "'1 2' is not a valid integer value");
    EXPECT_EQ(trimBlanks("   40  "), "40");
    EXPECT_EQ(trimBlanks(" 1 2 "), "1 2");
    EXPECT_EQ(trimBlanks("\t55\r\n"), "55");
    EXPECT_EQ(trimBlanks("     "), "");
}

}  // namespace
}  // namespace zuvo
