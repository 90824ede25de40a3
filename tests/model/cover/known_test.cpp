#include <gtest/gtest.h>

#include <tuple>

#include "model/cover/known.h"
#include "model/cover/verify.h"

namespace zuvo::cover {
namespace {

TEST(CoverKnown, TableHoldsTheCoveringCodeSizesAndTheTrivialOnes) {
    EXPECT_EQ(bestKnownSize(6, 0, 1), 73u);
    EXPECT_EQ(bestKnownSize(12, 0, 1), 27702u);
    EXPECT_EQ(bestKnownSize(10, 0, 2), 555u);
    EXPECT_EQ(bestKnownSize(3, 4, 7), 1u);         // radius at least the length
    EXPECT_EQ(bestKnownSize(3, 4, 0), 27u * 16u);  // radius 0: every combination
    EXPECT_EQ(bestKnownSize(0, 0, 0), 1u);
    EXPECT_EQ(bestKnownSize(9, 0, 6), 3u);  // the three constant columns reach 9 - 3
    EXPECT_EQ(bestKnownSize(0, 9, 4), 2u);  // a column and its complement
    EXPECT_EQ(bestKnownSize(13, 0, 3), 1215u);
    EXPECT_EQ(bestKnownSize(6, 0, 3), 6u);
    EXPECT_FALSE(bestKnownSize(13, 0, 4));
    EXPECT_FALSE(bestKnownSize(7, 7, 1));  // 14 positions
    EXPECT_FALSE(bestKnownSize(-1, 3, 1));
}

TEST(CoverKnown, QuickSystemsCoverAndMatchTheExpectedSize) {
    // (three, two, radius) over direct sums with projected codes, two-way codes and added
    // coordinates.
    for (const auto& [three, two, radius] :
         {std::tuple{3, 3, 1}, std::tuple{0, 7, 1}, std::tuple{0, 9, 1}, std::tuple{5, 5, 2},
          std::tuple{2, 9, 3}, std::tuple{6, 6, 2}, std::tuple{9, 2, 4}, std::tuple{4, 0, 0},
          std::tuple{1, 12, 1}}) {
        const Space space{three, two};
        const System system = quickSystem(space, radius);
        EXPECT_TRUE(covers(space, system, radius)) << three << " " << two << " " << radius;
        // A size in the table is never worse than the quick system; without one the quick
        // system is what to expect.
        if (const auto known = bestKnownSize(three, two, radius)) {
            EXPECT_LE(*known, system.size()) << three << " " << two << " " << radius;
        } else {
            EXPECT_EQ(system.size(), expectedGlobalSize(three, two, radius));
        }
    }
    EXPECT_EQ(quickSystem(Space{0, 7}, 1).size(), 16u);      // binary Hamming code
    EXPECT_EQ(quickSystem(Space{8, 0}, 2).size(), 81u);      // two ternary Hamming codes
    EXPECT_EQ(quickSystem(Space{4, 3}, 1).size(), 9u * 8u);  // the Hamming code and free two-ways
}

}  // namespace
}  // namespace zuvo::cover
