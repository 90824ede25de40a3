#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/result_check.h"

namespace zuvo {
namespace {

const std::string kResults = "1021021021021";

// The results with the first `misses` positions changed to another outcome.
std::string withMisses(int misses) {
    std::string column = kResults;
    for (int i = 0; i < misses; ++i) column[i] = column[i] == '1' ? '2' : '1';
    return column;
}

std::vector<int> numbers(const std::vector<HitEntry>& list) {
    std::vector<int> out;
    for (const HitEntry& e : list) out.push_back(e.number);
    return out;
}

TEST(ResultCheck, CouponPlacesCountEightColumnsPerForm) {
    EXPECT_EQ(couponPlace(0), "1/1");
    EXPECT_EQ(couponPlace(7), "1/8");
    EXPECT_EQ(couponPlace(8), "2/1");
    EXPECT_EQ(couponPlace(10), "2/3");
    EXPECT_EQ(couponPlace(98), "13/3");
}

TEST(ResultCheck, FirstAndEleventhColumnWin) {
    std::vector<std::string> list(12, withMisses(5));
    list[0] = kResults;
    list[10] = kResults;
    const ResultCheck check = checkResults(list, kResults);
    EXPECT_EQ(check.counts, (std::array<int, 4>{2, 0, 0, 0}));
    EXPECT_EQ(numbers(check.lists[0]), (std::vector<int>{1, 11}));
    ASSERT_EQ(check.lists[0].size(), 2u);
    EXPECT_EQ(check.lists[0][0].couponPlace, "1/1");
    EXPECT_EQ(check.lists[0][1].couponPlace, "2/3");
    for (int c = 1; c < 4; ++c) EXPECT_TRUE(check.lists[c].empty());
}

TEST(ResultCheck, EachColumnLandsInItsOwnClassInListOrder) {
    const std::vector<std::string> list{withMisses(1), withMisses(3), withMisses(2),
                                        withMisses(4), withMisses(1), withMisses(0)};
    const ResultCheck check = checkResults(list, kResults);
    EXPECT_EQ(check.counts, (std::array<int, 4>{1, 2, 1, 1}));
    EXPECT_EQ(numbers(check.lists[0]), (std::vector<int>{6}));
    EXPECT_EQ(numbers(check.lists[1]), (std::vector<int>{1, 5}));
    EXPECT_EQ(numbers(check.lists[2]), (std::vector<int>{3}));
    EXPECT_EQ(numbers(check.lists[3]), (std::vector<int>{2}));
    EXPECT_EQ(check.total(), 5);
}

TEST(ResultCheck, NoColumnNearTheResults) {
    const ResultCheck check = checkResults({withMisses(4), withMisses(13)}, kResults);
    EXPECT_EQ(check.total(), 0);
    for (const auto& l : check.lists) EXPECT_TRUE(l.empty());
}

TEST(ResultCheck, ShortEntriesMissWhereTheyEnd) {
    EXPECT_EQ(countHits("", kResults), 0);
    EXPECT_EQ(countHits(kResults.substr(0, 11), kResults), 11);
    EXPECT_EQ(countHits(kResults, kResults + "102"), 13);
    // An 11-character prefix of the results is an 11-hit column, no more.
    const ResultCheck check = checkResults({kResults.substr(0, 11), "1"}, kResults);
    EXPECT_EQ(check.counts, (std::array<int, 4>{0, 0, 1, 0}));
}

TEST(ResultCheck, OnlyOutcomeDigitsHit) {
    EXPECT_TRUE(isResultKey('0') && isResultKey('1') && isResultKey('2'));
    EXPECT_FALSE(isResultKey('3') || isResultKey('x') || isResultKey(' '));
    EXPECT_EQ(countHits("xxx1021021021", "xxx1021021021"), 10);
}

}  // namespace
}  // namespace zuvo
