#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "model/cover/engine.h"
#include "model/cover/group.h"
#include "model/cover/verify.h"

namespace zuvo::cover {
namespace {

using detail::Engine;
using detail::ListedBalls;
using detail::Rng;
using detail::StrideBalls;

const auto never = [] { return false; };

Matrix identity(const Space& space) {
    Matrix h{space, {}};
    for (int c = 0; c < space.length(); ++c) h.column.push_back(space.stride(c));
    return h;
}

template <class Balls>
std::set<Point> ballOf(const Balls& balls, Point p) {
    std::set<Point> out;
    balls.forEach(p, [&](Point q) { out.insert(q); });
    return out;
}

TEST(CoverEngine, StridedAndListedBallsAreTheHammingBalls) {
    for (const Space space : {Space{2, 2}, Space{3, 1}, Space{0, 4}})
        for (int radius = 1; radius <= 2; ++radius) {
            const Group group(space);
            const ListedBalls listed(group, stepBall(group, identity(space), radius), never);
            const StrideBalls strided(space, radius);
            EXPECT_EQ(listed.ballSize(), ballSize(space, radius));
            EXPECT_EQ(strided.ballSize(), ballSize(space, radius));
            for (Point p = 0; p < space.size(); ++p) {
                const auto dist = distances(space, {p});
                std::set<Point> within;
                for (Point q = 0; q < space.size(); ++q)
                    if (dist[q] <= radius) within.insert(q);
                EXPECT_EQ(ballOf(listed, p), within) << p;
                EXPECT_EQ(ballOf(strided, p), within) << p;
            }
        }
}

TEST(CoverEngine, RunningScoresMatchARecount) {
    // Random weights, random adds and removes; after each, every running sum against a recount
    // from the distances.
    const Space space{3, 2};
    const int radius = 1;
    const StrideBalls balls(space, radius);
    Rng rng(11);
    std::vector<std::int64_t> weight(space.size());
    for (auto& w : weight) w = 1 + rng.below(1000);
    Engine<StrideBalls> engine(balls, weight, 5);
    ASSERT_TRUE(engine.prepare(never));
    std::vector<Point> in;
    for (int op = 0; op < 120; ++op) {
        const Point p = rng.below(space.size());
        const auto at = std::find(in.begin(), in.end(), p);
        if (at == in.end()) {
            engine.add(p);
            in.push_back(p);
        } else {
            engine.remove(p);
            in.erase(at);
        }
        std::vector<int> count(space.size(), 0);
        for (Point c : in) balls.forEach(c, [&](Point q) { ++count[q]; });
        std::int64_t covered = 0;
        for (Point q = 0; q < space.size(); ++q)
            if (count[q] > 0) covered += weight[q];
        ASSERT_EQ(engine.coveredBase(), covered) << op;
        for (Point c : in) {
            std::int64_t only = 0;
            balls.forEach(c, [&](Point q) { only += count[q] == 1 ? weight[q] : 0; });
            ASSERT_EQ(engine.lossOf(c), only) << op;
        }
        for (Point v = 0; v < space.size(); ++v) {
            std::int64_t open = 0;
            balls.forEach(v, [&](Point q) { open += count[q] == 0 ? weight[q] : 0; });
            ASSERT_EQ(engine.gainOf(v), open) << op;
        }
    }
}

TEST(CoverEngine, ShrinkFindsThePerfectCode) {
    const Space space{4, 0};
    const Group group(space);
    const ListedBalls balls(group, stepBall(group, identity(space), 1), never);
    Engine<ListedBalls> engine(balls, {}, 3);
    ASSERT_TRUE(engine.prepare(never));
    std::vector<std::size_t> sizes;
    engine.shrink(
        9, 1'000'000, [&](std::size_t size) { sizes.push_back(size); }, never);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.back(), 9u);
    EXPECT_TRUE(covers(space, engine.centers(), 1));
}

TEST(CoverEngine, PruningDropsTheCentresThatLoseLeast) {
    // The cube 2^3 at radius 1: 000 and 111 cover everything; 001 covers only points the other
    // two cover as well.
    const Space space{0, 3};
    const StrideBalls balls(space, 1);
    Engine<StrideBalls> engine(balls, std::vector<std::int64_t>(8, 1), 1);
    ASSERT_TRUE(engine.prepare(never));
    ASSERT_TRUE(engine.addAll({0, 7, 4}, never));
    ASSERT_TRUE(engine.pruneTo(2, never));
    std::vector<Point> left = engine.centers();
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<Point>{0, 7}));
    EXPECT_EQ(engine.coveredBase(), 8);
}

}  // namespace
}  // namespace zuvo::cover
