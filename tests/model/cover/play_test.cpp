#include <gtest/gtest.h>

#include <numeric>

#include "model/cover/play.h"
#include "model/cover/verify.h"
#include "model/forecast_builders.h"

namespace zuvo::cover {
namespace {

using testing::pos;

// Every kind of position: three-way, the three two-way pairs, the three sure outcomes, and one
// never filled in (0/0/0).
Forecast mixedForecast() {
    Forecast f = testing::filled(pos(100, 0, 0));
    f[0] = pos(50, 30, 20);
    f[1] = pos(60, 40, 0);
    f[2] = pos(0, 55, 45);
    f[3] = pos(70, 0, 30);
    f[4] = pos(0, 100, 0);
    f[5] = pos(0, 0, 100);
    f[6] = pos(40, 35, 25);
    f[7] = PositionForecast{};
    return f;
}

TEST(CoverPlay, ForecastPlaysTheOutcomesAboveZero) {
    const Play play = playOf(mixedForecast());
    const char* expected[] = {"102", "10", "02", "12", "0", "2", "102",
                              "1",   "1",  "1",  "1",  "1", "1"};
    for (std::size_t i = 0; i < 13; ++i) EXPECT_EQ(play.outcomes[i], expected[i]) << i;
    EXPECT_EQ(play.space().three, 2);
    EXPECT_EQ(play.space().two, 3);
}

TEST(CoverPlay, ColumnsAndPointsMapBothWays) {
    const Play play = playOf(mixedForecast());
    const Space space = play.space();
    for (Point p = 0; p < space.size(); ++p) {
        const std::string column = play.column(p);
        EXPECT_EQ(play.point(column), p) << column;
    }
    // Three-way positions are the first coordinates, then the two-way ones in position order.
    EXPECT_EQ(play.column(0), "1101021111111");
    EXPECT_EQ(play.column(1), "0101021111111");
    EXPECT_EQ(play.column(3), "1101020111111");
    EXPECT_EQ(play.column(9), "1001021111111");
    EXPECT_EQ(play.column(space.size() - 1), "2022022111111");
}

TEST(CoverPlay, ColumnsThatPlayAnythingElseHaveNoPoint) {
    const Play play = playOf(mixedForecast());
    EXPECT_TRUE(play.point("1101021111111"));
    EXPECT_FALSE(play.point("1201021111111"));   // '2' is not played at position 2
    EXPECT_FALSE(play.point("1101121111111"));   // position 5 is a sure '0'
    EXPECT_FALSE(play.point("110102111111"));    // 12 characters
    EXPECT_FALSE(play.point("11010211111111"));  // 14 characters
    EXPECT_FALSE(play.point("1101021111x11"));
}

TEST(CoverPlay, ChancesAreProductsOfTheOpenPositions) {
    const Play play = playOf(mixedForecast());
    const auto chance = play.chances();
    ASSERT_EQ(chance.size(), play.space().size());
    EXPECT_NEAR(std::accumulate(chance.begin(), chance.end(), 0.0), 1.0, 1e-12);
    const auto at = [&](const char* column) { return chance[*play.point(column)]; };
    EXPECT_DOUBLE_EQ(at("1101021111111"), 0.5 * 0.6 * 0.55 * 0.7 * 0.4);
    EXPECT_DOUBLE_EQ(at("2022022111111"), 0.2 * 0.4 * 0.45 * 0.3 * 0.25);
}

TEST(CoverPlay, StructurePlayLaysOutThreeWayThenTwoWayThenSure) {
    const Play play = structurePlay(3, 2);
    EXPECT_EQ(play.space().three, 3);
    EXPECT_EQ(play.space().two, 2);
    EXPECT_EQ(play.column(0), "1111111111111");
    EXPECT_EQ(play.column(play.space().size() - 1), "2220011111111");
}

TEST(CoverHitChances, TwoOpenPositionsWorkedByHand) {
    // Position 1 plays 1/0 at 60/40, position 2 plays 1/0/2 at 50/30/20, the rest are sure. With
    // the single column "11...": both hit with 0.6 * 0.5, one misses with 0.6 * 0.5 + 0.4 * 0.5,
    // both miss with 0.4 * 0.5.
    Forecast f = testing::filled(pos(100, 0, 0));
    f[0] = pos(60, 40, 0);
    f[1] = pos(50, 30, 20);
    const Play play = playOf(f);
    const HitChances hits = hitChances(play, {*play.point("1111111111111")});
    EXPECT_EQ(hits.guarantee, 11);
    EXPECT_DOUBLE_EQ(hits.exactly[13], 0.3);
    EXPECT_DOUBLE_EQ(hits.exactly[12], 0.5);
    EXPECT_DOUBLE_EQ(hits.exactly[11], 0.2);
    EXPECT_DOUBLE_EQ(hits.exactly[10], 0.0);
    EXPECT_DOUBLE_EQ(hits.atLeast(12), 0.8);
    EXPECT_DOUBLE_EQ(hits.atLeast(0), 1.0);
    // Adding "02..." makes every combination at most one miss away.
    const HitChances two =
        hitChances(play, {*play.point("1111111111111"), *play.point("0211111111111")});
    EXPECT_EQ(two.guarantee, 12);
    EXPECT_DOUBLE_EQ(two.exactly[13], 0.3 + 0.4 * 0.2);
}

}  // namespace
}  // namespace zuvo::cover
