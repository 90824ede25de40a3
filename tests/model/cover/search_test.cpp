#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "model/cover/known.h"
#include "model/cover/play.h"
#include "model/cover/search.h"
#include "model/cover/verify.h"
#include "model/forecast_builders.h"

namespace zuvo::cover {
namespace {

using Clock = std::chrono::steady_clock;

SearchLimits within(std::chrono::milliseconds ms) {
    return SearchLimits{Clock::now() + ms, {}};
}

TEST(CoverSearch, ReachesTheBestKnownSizesOfSmallSpaces) {
    // 3^4 starts from the Hamming code; 3^3 starts from 9 columns and must find 5.
    for (const int three : {4, 3}) {
        const Space space{three, 0};
        const System found = searchGlobal(space, 1, 7, within(std::chrono::milliseconds(500)), {});
        EXPECT_EQ(found.size(), bestKnownSize(three, 0, 1)) << three;
        EXPECT_TRUE(covers(space, found, 1)) << three;
    }
}

TEST(CoverSearch, MixedSpaceGetsSmallerVerifiedSystems) {
    const Space space{3, 3};
    std::vector<std::size_t> sizes;
    bool allCover = true;
    const System found =
        searchGlobal(space, 1, 3, within(std::chrono::milliseconds(500)), [&](const System& s) {
            sizes.push_back(s.size());
            allCover = allCover && covers(space, s, 1);
        });
    EXPECT_TRUE(covers(space, found, 1));
    EXPECT_TRUE(allCover);
    ASSERT_FALSE(sizes.empty());
    EXPECT_EQ(sizes.front(), quickSystem(space, 1).size());
    EXPECT_EQ(sizes.back(), found.size());
    EXPECT_TRUE(std::is_sorted(sizes.rbegin(), sizes.rend()));
    EXPECT_LT(found.size(), sizes.front());
    EXPECT_GE(found.size(), sphereBound(space, 1));
}

TEST(CoverSearch, DegenerateCasesAnswerAtOnce) {
    const auto limits = within(std::chrono::milliseconds(5000));
    const auto start = Clock::now();
    EXPECT_EQ(searchGlobal(Space{0, 0}, 1, 1, limits, {}), System{0});
    EXPECT_EQ(searchGlobal(Space{3, 2}, 5, 1, limits, {}).size(), 1u);
    EXPECT_EQ(searchGlobal(Space{4, 1}, 0, 1, limits, {}).size(), 162u);
    const std::vector<double> flat(162, 1.0 / 162);
    EXPECT_EQ(searchPreferred(Space{4, 1}, 5, flat, 10, 1, limits, {}).size(), 1u);
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(1000));
}

TEST(CoverSearch, PreferredWithRadiusZeroTakesTheLikeliestCombinations) {
    Forecast f = testing::filled(testing::pos(100, 0, 0));
    f[0] = testing::pos(70, 20, 10);
    f[1] = testing::pos(60, 40, 0);
    const Play play = playOf(f);
    const System top = searchPreferred(play.space(), 0, play.chances(), 2, 1,
                                       within(std::chrono::milliseconds(500)), {});
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(play.column(top[0]), "1111111111111");  // 0.42
    EXPECT_EQ(play.column(top[1]), "1011111111111");  // 0.28
}

TEST(CoverSearch, PreferredBeatsItsPrunedStartWithinTheBudget) {
    Forecast f = testing::filled(testing::pos(100, 0, 0));
    const PositionForecast open[] = {testing::pos(50, 30, 20), testing::pos(60, 40, 0),
                                     testing::pos(40, 35, 25), testing::pos(70, 0, 30),
                                     testing::pos(45, 30, 25), testing::pos(55, 45, 0),
                                     testing::pos(65, 25, 10)};
    std::copy(std::begin(open), std::end(open), f.begin());
    const Play play = playOf(f);
    const Space space = play.space();
    const auto chance = play.chances();
    const std::size_t budget = expectedGlobalSize(space.three, space.two, 1) / 2;
    std::vector<double> reported;
    const System found = searchPreferred(
        space, 1, chance, budget, 5, within(std::chrono::milliseconds(800)), [&](const System& s) {
            EXPECT_LE(s.size(), budget);
            reported.push_back(coveredChance(space, s, 1, chance));
        });
    EXPECT_LE(found.size(), budget);
    ASSERT_GE(reported.size(), 2u);  // the pruned start, then better ones
    EXPECT_TRUE(std::is_sorted(reported.begin(), reported.end()));
    EXPECT_DOUBLE_EQ(coveredChance(space, found, 1, chance), reported.back());
    EXPECT_GT(reported.back(), reported.front());
}

TEST(CoverSearch, StopRequestEndsTheSearchesQuickly) {
    for (const bool preferred : {false, true}) {
        const Space space{9, 2};
        const std::vector<double> flat(space.size(), 1.0 / space.size());
        std::stop_source stop;
        const SearchLimits limits{Clock::now() + std::chrono::seconds(60), stop.get_token()};
        Clock::time_point returned;
        std::jthread worker([&] {
            if (preferred)
                searchPreferred(space, 1, flat, 500, 1, limits, {});
            else
                searchGlobal(space, 1, 1, limits, {});
            returned = Clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const auto requested = Clock::now();
        stop.request_stop();
        worker.join();
        EXPECT_LT(returned - requested, std::chrono::milliseconds(1000)) << preferred;
    }
}

}  // namespace
}  // namespace zuvo::cover
