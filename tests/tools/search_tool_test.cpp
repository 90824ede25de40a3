#include "search_tool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace zuvo::tools {
namespace {

// Z3^k addition written out digit by digit, apart from the tools' tables.
int addDigits(int a, int b, int k) {
    int r = 0;
    for (int i = 0, p = 1; i < k; ++i, p *= 3) r += ((a / p % 3 + b / p % 3) % 3) * p;
    return r;
}

// After any sequence of adds and removes, the counts, the single owners, the unreached list and
// what each syndrome reaches alone must equal a recount from scratch.
TEST(SearchToolReach, BookkeepingMatchesARecountAfterEveryChange) {
    struct Case {
        int k;
        std::vector<int> ball;
    };
    const std::vector<Case> cases = {
        {3, {0, 1, 2, 3, 6}},                     // 0, +-e1, +-e2 in Z3^3
        {4, {0, 1, 2, 4, 8, 13, 26, 40, 80, 9}},  // a ball with a repeated direction
        {2, {0, 1, 2, 3, 6, 4, 8, 5, 7}},         // the whole of Z3^2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.k);
        int points = 1;
        for (int i = 0; i < c.k; ++i) points *= 3;
        std::vector<int> ball;  // as a set: the tools keep each step once
        for (int t : c.ball)
            if (t < points && std::find(ball.begin(), ball.end(), t) == ball.end())
                ball.push_back(t);
        auto sum = [&](int a, int b) { return addDigits(a, b, c.k); };
        Reach r;
        r.start(points, {0, 5 % points});
        r.recount(ball, sum);
        Rng rng{12345};
        const std::vector<long> weight(points, 2);
        for (int step = 0; step < 200; ++step) {
            const int v = rng.below(points);
            if (r.slot[v] < 0)
                r.add(v, ball, sum);
            else if (r.s.size() > 1)
                r.remove(r.slot[v], ball, sum);
            std::vector<int> count(points, 0);
            std::vector<std::set<int>> by(points);
            for (int s : r.s)
                for (int t : ball) ++count[sum(s, t)], by[sum(s, t)].insert(s);
            ASSERT_EQ(r.count, count);
            std::set<int> open(r.open.begin(), r.open.end());
            ASSERT_EQ(open.size(), r.open.size());
            for (int x = 0; x < points; ++x) {
                ASSERT_EQ(open.count(x) == 1, count[x] == 0);
                if (count[x] == 1) {
                    ASSERT_EQ(r.owners[x], *by[x].begin());
                }
                if (count[x] == 0) {
                    ASSERT_EQ(r.open[r.at[x]], x);
                }
            }
            for (std::size_t i = 0; i < r.s.size(); ++i) ASSERT_EQ(r.slot[r.s[i]], int(i));
            std::vector<long> lost;
            std::vector<int> plain;
            r.alone(ball, sum, weight, lost, plain);
            for (std::size_t i = 0; i < r.s.size(); ++i) {
                int only = 0;
                for (int t : ball) only += by[sum(r.s[i], t)].size() == 1;
                ASSERT_EQ(plain[i], only);
                ASSERT_EQ(lost[i], 2L * only);
            }
        }
    }
}

// A tabu move is taken only when it beats the best count seen; otherwise the lowest score wins.
TEST(SearchToolChooser, TabuMovesNeedToBeatTheBestCount) {
    Rng rng{7};
    Chooser<int> pick;
    pick.consider(-5, -1, 1, true, 10, 9, rng);  // 10 - 1 = 9: not below the best, refused
    EXPECT_FALSE(pick.any());
    pick.consider(3, 1, 2, false, 10, 9, rng);
    pick.consider(-2, -2, 3, true, 10, 9, rng);  // 8 < 9: allowed although tabu
    pick.consider(0, 0, 4, false, 10, 9, rng);
    ASSERT_TRUE(pick.any());
    EXPECT_EQ(pick.chosen, 3);
}

// The line goes to the table only with its own verification: a cover passes, a set that leaves
// points out and a matrix of too small a rank (its size would be wrong) are marked and refused.
TEST(SearchToolReport, OnlyAVerifiedCoverOfTheStatedSizePasses) {
    const std::string file = testing::TempDir() + "search_tool_report.txt";
    std::remove(file.c_str());
    // 10 positions in Z3^4, five syndromes: 3645 columns with covering radius 1.
    const std::vector<int> columns = {1, 3, 9, 27, 42, 30, 33, 34, 51, 35};
    const std::vector<int> cover = {3, 14, 35, 66, 73};
    EXPECT_TRUE(reportConstruction(10, 1, 4, columns, cover, file));
    EXPECT_FALSE(reportConstruction(10, 1, 4, columns, {3, 14, 35, 66}, file));
    // Every column in the span of the first three: every word has its syndrome in that
    // subgroup, so its 27 syndromes take all 59049 words, not 27 * 3^6.
    const std::vector<int> low = {1, 3, 9, 4, 10, 12, 13, 2, 6, 18};
    std::vector<int> subgroup(27);
    for (int i = 0; i < 27; ++i) subgroup[i] = i;
    EXPECT_FALSE(reportConstruction(10, 1, 4, low, subgroup, file));
    std::ifstream in(file);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("// 3645 columns"), std::string::npos);
    EXPECT_EQ(lines[0].find("NOT A COVER"), std::string::npos);
    EXPECT_NE(lines[1].find("NOT A COVER"), std::string::npos);
    EXPECT_NE(lines[2].find("NOT A COVER"), std::string::npos);
}

}  // namespace
}  // namespace zuvo::tools
