#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "brute.h"
#include "model/cover/filter.h"
#include "model/cover/verify.h"

namespace zuvo::cover {
namespace {

// Random systems on random mixed plays, every check against hits counted on the column texts.
TEST(CoverBrute, DistancesHitChancesAndCoverUnderConditions) {
    const Conditions cases[] = {
        Conditions{},
        {{5, 9}, {}, {}, {}},
        {{}, {1, 3}, {0, 3}, {}},
        {{}, {}, {}, {8, 12}},
    };
    std::mt19937 rng(5);
    for (int round = 0; round < 40; ++round) {
        const Play play = brute::randomPlay(rng, 3 + round % 5);
        const auto columns = brute::allColumns(play);
        System system;
        std::vector<std::string> texts;
        for (std::size_t k = 1 + rng() % 6; k > 0; --k) {
            texts.push_back(columns[rng() % columns.size()]);
            system.push_back(*play.point(texts.back()));
        }
        const auto dist = distances(play.space(), system);
        std::array<double, 14> exactly{};
        std::vector<int> best(columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i) {
            for (const auto& t : texts) best[i] = std::max(best[i], brute::hits(columns[i], t));
            EXPECT_EQ(13 - dist[*play.point(columns[i])], best[i]) << columns[i];
            exactly[static_cast<std::size_t>(best[i])] += brute::chanceOf(play, columns[i]);
        }
        for (const Conditions& k : cases) {
            const Filter filter(play, k);
            const HitChances h = hitChances(play, system, filter);
            int least = 13, leastMeeting = 13;
            double meets = 0;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                least = std::min(least, best[i]);
                if (!brute::meetsConditions(play, k, columns[i])) continue;
                leastMeeting = std::min(leastMeeting, best[i]);
                meets += brute::chanceOf(play, columns[i]);
            }
            EXPECT_EQ(h.guarantee, least);
            EXPECT_EQ(h.guaranteeMeeting, leastMeeting);
            EXPECT_NEAR(h.meetsChance, meets, 1e-12);
            EXPECT_EQ(leastHits(filter, system), leastMeeting);
            double above = 0;
            for (int hits = 13; hits >= 0; --hits) {
                above += exactly[static_cast<std::size_t>(hits)];
                EXPECT_NEAR(h.exactly[static_cast<std::size_t>(hits)],
                            exactly[static_cast<std::size_t>(hits)], 1e-12);
                EXPECT_NEAR(h.atLeast(hits), above, 1e-12);
            }
            for (int radius = 0; radius <= 3; ++radius) {
                double covered = 0;
                bool all = true;
                for (std::size_t i = 0; i < columns.size(); ++i) {
                    if (!brute::meetsConditions(play, k, columns[i])) continue;
                    if (13 - best[i] <= radius)
                        covered += brute::chanceOf(play, columns[i]);
                    else
                        all = false;
                }
                bool admitted = true;
                for (const auto& t : texts)
                    admitted = admitted && brute::meetsConditions(play, k, t);
                EXPECT_NEAR(coveredChance(play, filter, system, radius), covered, 1e-12);
                EXPECT_EQ(columnsAdmitted(filter, system), admitted);
                EXPECT_EQ(covers(filter, system, radius), all && admitted) << radius;
            }
        }
    }
}

// Percentages whose chances, summed as doubles, fall short of 1: the certain chances still read
// exactly 1, so that no display can cut them to 99.99 %.
TEST(CoverBrute, CertainChancesAreExactlyOne) {
    Play play = structurePlay(7, 3);
    for (std::size_t i = 0; i < 7; ++i) play.percent[i] = {37, 29, 34};
    for (std::size_t i = 7; i < 10; ++i) play.percent[i] = {71, 29, 0};
    const auto chance = play.chances();
    ASSERT_NE(std::accumulate(chance.begin(), chance.end(), 0.0), 1.0);  // the fault it guards
    const Space space = play.space();
    System all(space.size());
    std::iota(all.begin(), all.end(), Point{0});
    const System one{0};
    const HitChances h = hitChances(play, one);
    for (int hits = 0; hits <= h.guarantee; ++hits) EXPECT_EQ(h.atLeast(hits), 1.0) << hits;
    EXPECT_LT(h.atLeast(h.guarantee + 1), 1.0);
    EXPECT_EQ(coveredChance(play, Filter(space), one, space.length()), 1.0);
    EXPECT_EQ(coveredChance(play, Filter(space), all, 0), 1.0);
    EXPECT_LT(coveredChance(play, Filter(space), one, space.length() - 1), 1.0);
}

TEST(CoverBrute, ShareIsOneOnlyForTheWhole) {
    const Weight whole = Weight{1} << 100;
    EXPECT_EQ(share(whole, whole), 1.0);
    EXPECT_LT(share(whole - 1, whole), 1.0);
    EXPECT_EQ(share(whole / 2, whole), 0.5);
    EXPECT_EQ(share(0, whole), 0.0);
    EXPECT_EQ(share(1, 0), 0.0);
}

}  // namespace
}  // namespace zuvo::cover
