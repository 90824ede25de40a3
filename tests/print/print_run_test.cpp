#include "print/print_run.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "print/coupon_layout.h"
#include "print/page_reader.h"

namespace {

using List = std::vector<std::string>;

// Distinct columns, so that every form shows which entries it holds.
List numberedColumns(int n) {
    List list;
    for (int i = 0; i < n; ++i) {
        std::string column;
        for (int k = 0, v = i; k < 13; ++k, v /= 3) column += "102"[v % 3];
        list.push_back(column);
    }
    return list;
}

// Reads all eight places of a form back; empty places give "".
std::vector<std::string> readForm(const QImage& image, int type) {
    std::vector<std::string> places;
    for (int place = 1; place <= 8; ++place) {
        std::string column = pagereader::readImageColumn(image, *zuvo::couponLayout(type), place);
        places.push_back(column == std::string(13, '-') ? std::string() : column);
    }
    return places;
}

std::vector<std::string> expectedForm(const List& list, int first, int count) {
    std::vector<std::string> places(8);
    for (int i = 0; i < count; ++i)
        places[static_cast<size_t>(i)] = list[static_cast<size_t>(first + i)];
    return places;
}

// Prints every form of a run and returns what each one holds.
std::vector<std::vector<std::string>> printAll(const List& list, int type) {
    zuvo::PrintRun run;
    zuvo::preparePrintRun(run, static_cast<int>(list.size()));
    std::vector<std::vector<std::string>> forms;
    while (run.formsRemaining > 0) {
        forms.push_back(readForm(zuvo::composeNextForm(run, type, list), type));
        zuvo::countPrintedForm(run);
    }
    return forms;
}

TEST(PrintRun, CountersForAList) {
    zuvo::PrintRun run;
    run.nextColumn = 17;
    run.formsPrinted = 3;
    zuvo::preparePrintRun(run, 13);
    EXPECT_EQ(run.formsRemaining, 2);
    EXPECT_EQ(run.lastFormColumns, 5);
    EXPECT_EQ(run.nextColumn, 0);
    EXPECT_EQ(run.formsPrinted, 0);
    zuvo::preparePrintRun(run, 40);
    EXPECT_EQ(run.formsRemaining, 5);
    EXPECT_EQ(run.lastFormColumns, 8);
}

TEST(PrintRun, ThirteenColumnsReachTheLowerBlockOfTheSecondForm) {
    const List list = numberedColumns(13);
    for (int type : {0, 1}) {
        const auto forms = printAll(list, type);
        ASSERT_EQ(forms.size(), 2u);
        EXPECT_EQ(forms[1], expectedForm(list, 8, 5));
        EXPECT_FALSE(forms[1][4].empty());
        EXPECT_TRUE(forms[1][5].empty());
    }
}

TEST(PrintRun, UnknownKindComposesNothing) {
    const List list = numberedColumns(3);
    zuvo::PrintRun run;
    zuvo::preparePrintRun(run, 3);
    EXPECT_TRUE(zuvo::composeNextForm(run, 2, list).isNull());
    EXPECT_EQ(run.nextColumn, 0);
}

TEST(PrintRun, RepeatRewindsToTheLastForm) {
    const List list = numberedColumns(40);
    zuvo::PrintRun run;
    zuvo::preparePrintRun(run, 40);
    EXPECT_FALSE(zuvo::rewindLastForm(run));
    EXPECT_EQ(run.formsRemaining, 5);
    for (int f = 0; f < 3; ++f) {
        run.lastFormStart = run.nextColumn;
        zuvo::composeNextForm(run, 0, list);
        zuvo::countPrintedForm(run);
    }
    ASSERT_TRUE(zuvo::rewindLastForm(run));
    EXPECT_EQ(run.nextColumn, 16);
    EXPECT_EQ(run.formsPrinted, 2);
    EXPECT_EQ(run.formsRemaining, 3);
    EXPECT_EQ(readForm(zuvo::composeNextForm(run, 0, list), 0), expectedForm(list, 16, 8));
}

}  // namespace
