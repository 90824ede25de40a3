#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "model/cover/known.h"
#include "model/cover/verify.h"

namespace zuvo::cover {
namespace {

// The ternary Hamming code [4,2,3], spanned by 1011 and 0112 (coordinate 0 is the lowest digit).
System hamming4() {
    const Space space{4, 0};
    System code;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) {
            const int digit[4] = {a, b, (a + b) % 3, (a + 2 * b) % 3};
            Point p = 0;
            for (int c = 0; c < 4; ++c) p += static_cast<Point>(digit[c]) * space.stride(c);
            code.push_back(p);
        }
    return code;
}

TEST(CoverVerify, HammingCodeIsPerfectAndNoColumnCanGo) {
    const Space space{4, 0};
    const System code = hamming4();
    EXPECT_EQ(coveringRadius(space, code), 1);
    EXPECT_TRUE(covers(space, code, 1));
    const auto dist = distances(space, code);
    EXPECT_EQ(std::count(dist.begin(), dist.end(), 0), 9);  // perfect: every other point at 1
    EXPECT_EQ(std::count(dist.begin(), dist.end(), 1), 72);
    for (std::size_t i = 0; i < code.size(); ++i) {
        System fewer = code;
        fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(i));
        EXPECT_FALSE(covers(space, fewer, 1)) << "without column " << i;
        // The missing word itself is 3 from the others: the code's minimum distance.
        EXPECT_EQ(coveringRadius(space, fewer), 3) << "without column " << i;
    }
}

TEST(CoverVerify, DirectSumAddsTheRadii) {
    // Two Hamming codes on coordinates 0..3 and 4..7 of 3^8.
    const Space space{8, 0};
    const System code = hamming4();
    System sum;
    for (Point x : code)
        for (Point y : code) sum.push_back(x + 81 * y);
    EXPECT_EQ(coveringRadius(space, sum), 2);
    EXPECT_FALSE(covers(space, sum, 1));
    // Adding a coordinate with all its values keeps the radius.
    System wider;
    for (Point x : code)
        for (Point v = 0; v < 2; ++v) wider.push_back(x + 81 * v);
    EXPECT_EQ(coveringRadius(Space{4, 1}, wider), 1);
}

TEST(CoverVerify, EmptyAndOutOfRangeSystemsCoverNothing) {
    const Space space{2, 1};
    EXPECT_EQ(coveringRadius(space, {}), -1);
    EXPECT_FALSE(covers(space, {}, 3));
    EXPECT_TRUE(covers(space, {0}, 3));
    EXPECT_FALSE(covers(space, {0, space.size()}, 3));
    EXPECT_FALSE(covers(space, {0}, -1));
}

TEST(CoverVerify, CoveredChanceSumsThePointsWithinTheRadius) {
    // 3 x 2 points; column 0 reaches (0,0) at 0 and (1,0), (2,0), (0,1) at 1.
    const Space space{1, 1};
    const std::vector<double> chance{0.1, 0.2, 0.3, 0.15, 0.05, 0.2};
    EXPECT_DOUBLE_EQ(coveredChance(space, {0}, 0, chance), 0.1);
    EXPECT_DOUBLE_EQ(coveredChance(space, {0}, 1, chance), 0.1 + 0.2 + 0.3 + 0.15);
    EXPECT_DOUBLE_EQ(coveredChance(space, {0}, 2, chance), 1.0);
}

TEST(CoverVerify, PerfectCodesOfTheQuickSystems) {
    // (three, radius, size): Hamming [4,2,3], Golay [11,6,5], Hamming [13,10,3].
    for (const auto& [three, radius, size] :
         {std::tuple{4, 1, 9u}, std::tuple{11, 2, 729u}, std::tuple{13, 1, 59049u}}) {
        const Space space{three, 0};
        const System code = quickSystem(space, radius);
        EXPECT_EQ(code.size(), size) << three;
        EXPECT_EQ(coveringRadius(space, code), radius) << three;
        // Perfect: the balls around the columns fill the space exactly.
        EXPECT_EQ(code.size() * ballSize(space, radius), space.size()) << three;
    }
}

}  // namespace
}  // namespace zuvo::cover
