#include <gtest/gtest.h>

#include <string>

#include "model/masks.h"

namespace zuvo {
namespace {

TEST(Masks, CaptionsAndCodesFollowTheBoxes) {
    const char* captions[] = {"1 0 2", "1 2 0", "0 1 2", "0 2 1", "2 1 0", "2 0 1"};
    for (int k = 1; k <= kMaskCount; ++k) {
        EXPECT_EQ(maskCaption(k), captions[k - 1]);
        std::string code = captions[k - 1];
        std::erase(code, ' ');
        EXPECT_EQ(maskCode(k), code);
    }
}

TEST(Masks, FoundAtTheFirstAndLastStartPositions) {
    EXPECT_TRUE(columnContainsMask("1021111111111", 1));
    EXPECT_TRUE(columnContainsMask("1111111111201", 6));
    EXPECT_FALSE(columnContainsMask("1111111111201", 1));
}

TEST(Masks, OutcomesMustBeConsecutiveAndInOrder) {
    EXPECT_FALSE(columnContainsMask("1102111111111", 5));  // 2 1 0 only read backwards
    EXPECT_FALSE(columnContainsMask("1012111111111", 1));  // 1 0 2 with a gap
    EXPECT_TRUE(columnContainsMask("1012111111111", 3));   // 0 1 2
}

TEST(Masks, ShortTextsAndBadNumbersFindNothing) {
    EXPECT_FALSE(columnContainsMask("10", 1));
    EXPECT_FALSE(columnContainsMask("", 1));
    EXPECT_TRUE(columnContainsMask("102", 1));
    EXPECT_FALSE(columnContainsMask("1021111111111", 0));
    EXPECT_FALSE(columnContainsMask("1021111111111", 7));
    EXPECT_EQ(maskCaption(7), "");
}

}  // namespace
}  // namespace zuvo
