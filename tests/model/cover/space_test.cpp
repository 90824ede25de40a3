#include <gtest/gtest.h>

#include <tuple>

#include "model/cover/space.h"

namespace zuvo::cover {
namespace {

TEST(CoverSpace, BallsAndTheSphereBound) {
    // (three, two, radius, ball, bound)
    for (const auto& [three, two, radius, ball, bound] :
         {std::tuple{13, 0, 1, 27u, 59049u}, std::tuple{11, 0, 2, 243u, 729u},
          std::tuple{6, 0, 1, 13u, 57u}, std::tuple{4, 4, 1, 13u, 100u},
          std::tuple{2, 1, 2, 14u, 2u}, std::tuple{0, 7, 1, 8u, 16u}, std::tuple{3, 0, 0, 1u, 27u},
          std::tuple{0, 0, 1, 1u, 1u}}) {
        const Space space{three, two};
        EXPECT_EQ(ballSize(space, radius), ball) << three << " " << two << " " << radius;
        EXPECT_EQ(sphereBound(space, radius), bound) << three << " " << two << " " << radius;
    }
}

TEST(CoverSpace, OdometerWalksThePointsWithTheirDigits) {
    const Space space{2, 2};
    Odometer at(space);
    Point expected = 0;
    int lowestChanged = 0;
    do {
        EXPECT_EQ(at.point(), expected);
        for (int c = 0; c < space.length(); ++c) EXPECT_EQ(at.digit(c), space.digit(expected, c));
        ++expected;
        lowestChanged = at.next();
        if (expected < space.size()) {
            // The lowest coordinate that did not wrap: the first one below its top value.
            int c = 0;
            while (space.digit(expected - 1, c) == space.radix(c) - 1) ++c;
            EXPECT_EQ(lowestChanged, c) << expected;
        }
    } while (lowestChanged >= 0);
    EXPECT_EQ(expected, space.size());
}

}  // namespace
}  // namespace zuvo::cover
