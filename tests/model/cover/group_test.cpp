#include <gtest/gtest.h>

#include "model/cover/group.h"
#include "model/cover/verify.h"

namespace zuvo::cover {
namespace {

TEST(CoverGroup, SumsDigitByDigit) {
    const Space g{2, 2};  // Z3 x Z3 x Z2 x Z2
    const Group group(g);
    const auto at = [&](int a, int b, int c, int d) {
        return static_cast<Point>(a + 3 * b + 9 * c + 18 * d);
    };
    EXPECT_EQ(group.add(at(2, 1, 1, 0), at(2, 2, 1, 1)), at(1, 0, 0, 1));
    EXPECT_EQ(group.add(at(0, 0, 0, 0), at(2, 1, 0, 1)), at(2, 1, 0, 1));
    // Three times anything leaves only its Z2 part (2x = 0 there, 3x = 0 on Z3).
    for (Point x = 0; x < g.size(); ++x) EXPECT_EQ(group.add(group.add(x, x), x), x / 9 * 9) << x;
}

TEST(CoverGroup, MatrixMethodBuildsTheHammingCode) {
    // H with the columns 10, 01, 11, 12 over Z3: syndrome 0 gives the [4,2,3] code, and one more
    // syndrome its translate.
    const Space space{4, 0};
    const Group group(Space{2, 0});
    const Matrix h{Space{2, 0}, {1, 3, 4, 7}};
    EXPECT_EQ(matrixRank(group, h), 2);
    EXPECT_EQ(stepBall(group, h, 1).size(), 9u);  // every syndrome one step from 0
    std::vector<std::uint8_t> chosen(9, 0);
    chosen[0] = 1;
    const System code = systemOf(space, group, h, chosen);
    EXPECT_EQ(code.size(), 9u);
    EXPECT_EQ(coveringRadius(space, code), 1);
    chosen[5] = 1;
    EXPECT_EQ(systemOf(space, group, h, chosen).size(), 18u);
}

TEST(CoverGroup, MixedSyndromesCoverThroughBothParts) {
    // Two three-way coordinates onto Z3 (column 1 each), one two-way onto Z2 (column 3): the
    // words with x0 + x1 = 0 and x2 = 0. A syndrome off in both parts needs two steps.
    const Space space{2, 1};
    const Group group(Space{1, 1});
    const Matrix h{Space{1, 1}, {1, 1, 3}};
    EXPECT_EQ(matrixRank(group, h), 2);
    std::vector<std::uint8_t> chosen(6, 0);
    chosen[0] = 1;
    const System code = systemOf(space, group, h, chosen);
    EXPECT_EQ(code, (System{0, 5, 7}));  // 000, 210, 120
    EXPECT_EQ(coveringRadius(space, code), 2);
    EXPECT_EQ(stepBall(group, h, 1).size(), 4u);  // 0, the two Z3 steps, the Z2 step
    EXPECT_EQ(stepBall(group, h, 2).size(), 6u);
    // Equal columns span less.
    EXPECT_EQ(matrixRank(Group(Space{2, 0}), Matrix{Space{2, 0}, {1, 2, 1}}), 1);
}

}  // namespace
}  // namespace zuvo::cover
