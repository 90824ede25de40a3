#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "brute.h"
#include "model/cover/anneal_cover.h"
#include "model/cover/filtered_balls.h"

namespace zuvo::cover {
namespace {

using detail::AnnealCover;
using detail::FilteredBalls;
using detail::Rng;
using detail::StrideBalls;

const auto never = [] { return false; };

// Admitted columns (by place) that no centre reaches within the radius, counted on the texts.
std::size_t uncoveredTexts(const Play& play, const Filter& filter,
                           const std::vector<Point>& centers, int radius) {
    std::vector<std::string> texts;
    for (Point p : filter.points()) texts.push_back(play.column(p));
    std::size_t left = 0;
    for (const std::string& t : texts) {
        bool reached = false;
        for (Point c : centers) reached = reached || 13 - brute::hits(texts[c], t) <= radius;
        left += !reached;
    }
    return left;
}

TEST(CoverAnnealCover, UncoveredCountMatchesTheTexts) {
    const struct {
        int three, two, radius;
        Conditions k;
    } cases[] = {
        {5, 2, 1, {{8, 11}, {0, 3}, {}, {}}},
        {4, 3, 2, {{}, {1, 4}, {0, 2}, {}}},
    };
    for (const auto& c : cases) {
        const Play play = structurePlay(c.three, c.two);
        const Filter filter(play, c.k);
        ASSERT_GT(filter.count(), 20u);
        const FilteredBalls balls(filter, c.radius, never);
        AnnealCover<FilteredBalls> walk(balls, 7);
        Rng rng(3);
        for (int step = 0; step < 60; ++step) {
            const Point v = rng.below(balls.points());
            const bool in =
                std::find(walk.centers().begin(), walk.centers().end(), v) != walk.centers().end();
            if (in)
                walk.remove(v);
            else
                walk.add(v);
            ASSERT_EQ(walk.uncovered(), uncoveredTexts(play, filter, walk.centers(), c.radius))
                << c.three << " " << c.two << " step " << step;
        }
        ASSERT_TRUE(walk.completeGreedily(never));
        EXPECT_EQ(uncoveredTexts(play, filter, walk.centers(), c.radius), 0u);
        // Dropping and annealing a few sizes down keeps the count honest.
        for (int k = 0; k < 3; ++k) {
            walk.dropCheapest();
            ASSERT_TRUE(walk.anneal(0.35, never));
            EXPECT_EQ(uncoveredTexts(play, filter, walk.centers(), c.radius), 0u);
        }
    }
}

TEST(CoverAnnealCover, ReachesThePerfectTernaryCode) {
    // Nine words of length four cover 3^4 at radius one, each point exactly once: no smaller
    // cover exists, and the walk has to find the perfect one.
    const Space space{4, 0};
    const StrideBalls balls(space, 1);
    AnnealCover<StrideBalls> walk(balls, 5);
    ASSERT_TRUE(walk.completeGreedily(never));
    int budget = 200;
    while (walk.size() > 9 && budget-- > 0) {
        walk.dropCheapest();
        ASSERT_TRUE(walk.anneal(0.35, never));
    }
    ASSERT_EQ(walk.size(), 9u);
    for (Point p = 0; p < space.size(); ++p) {
        int near = 0;
        for (Point c : walk.centers()) {
            int d = 0;
            for (int i = 0; i < 4; ++i) d += space.digit(p, i) != space.digit(c, i);
            near += d <= 1;
        }
        EXPECT_EQ(near, 1) << p;
    }
}

TEST(CoverAnnealCover, ExpiredEndsAHopelessWalk) {
    // Five centres cannot cover 3^4 at radius one; only the deadline ends the walk.
    const Space space{4, 0};
    const StrideBalls balls(space, 1);
    AnnealCover<StrideBalls> walk(balls, 9);
    for (Point c : {0u, 13u, 26u, 40u, 80u}) walk.add(c);
    int asked = 0;
    EXPECT_FALSE(walk.anneal(0.35, [&] { return ++asked == 5; }));
    EXPECT_EQ(asked, 5);
    EXPECT_EQ(walk.size(), 5u);
    EXPECT_GT(walk.uncovered(), 0u);
}

}  // namespace
}  // namespace zuvo::cover
