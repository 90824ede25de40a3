#include <gtest/gtest.h>

#include "model/forecast_builders.h"
#include "model/structure.h"

namespace zuvo {
namespace {

using testing::filled;
using testing::pos;

VisitedFlags allVisited() {
    VisitedFlags v;
    v.fill(1);
    return v;
}

// The first `certain` positions certain on 1, the rest three-way.
Forecast withCertain(int certain) {
    Forecast f = filled(pos(34, 33, 33));
    for (int i = 0; i < certain; ++i) f[i] = pos(100, 0, 0);
    return f;
}

TEST(StructureCounts, AllThreeWay) {
    const StructureCounts c = computeStructureCounts(filled(pos(34, 33, 33)));
    EXPECT_EQ(c.threeWay, 13);
    EXPECT_EQ(c.twoWay, 0);
    EXPECT_EQ(c.favourites, 0);
    EXPECT_EQ(c.possible1, 13);
    EXPECT_EQ(c.possible0, 13);
    EXPECT_EQ(c.possible2, 13);
    EXPECT_EQ(c.combinationCount, 1594323);
}

TEST(StructureCounts, MixedStructure) {
    Forecast f{};
    f[0] = pos(100, 0, 0);
    f[1] = pos(100, 0, 0);
    f[2] = pos(0, 100, 0);
    f[3] = pos(0, 0, 100);
    f[4] = pos(0, 0, 100);
    f[5] = pos(0, 0, 100);
    f[6] = pos(50, 50, 0);
    f[7] = pos(0, 70, 30);
    f[8] = pos(60, 0, 40);
    f[9] = pos(1, 99, 0);
    f[10] = pos(40, 30, 30);
    f[11] = pos(1, 1, 98);
    f[12] = pos(33, 33, 34);
    const StructureCounts c = computeStructureCounts(f);
    EXPECT_EQ(c.certain1, 2);
    EXPECT_EQ(c.certain0, 1);
    EXPECT_EQ(c.certain2, 3);
    EXPECT_EQ(c.favourites, 6);
    EXPECT_EQ(c.twoWay, 4);
    EXPECT_EQ(c.threeWay, 3);
    EXPECT_EQ(c.possible1, 2 + 1 + 1 + 1 + 3);
    EXPECT_EQ(c.possible0, 1 + 1 + 1 + 1 + 3);
    EXPECT_EQ(c.possible2, 3 + 1 + 1 + 3);
    EXPECT_EQ(c.combinationCount, 16 * 27);
    EXPECT_EQ(c.favourites + c.twoWay + c.threeWay, 13);
}

TEST(ForecastRefusal, SkippedPositionComesFirst) {
    VisitedFlags visited = allVisited();
    visited[9] = 0;
    const std::string skipped =
        "Niektóre, lub wszystkie pozycje zostały pominięte. Przejście do Etapu 2  - nie jest "
        "możliwe !!!";
    EXPECT_EQ(forecastRefusal(withCertain(0), visited), skipped);
    EXPECT_EQ(forecastRefusal(withCertain(13), visited), skipped);
    EXPECT_EQ(forecastRefusal(withCertain(0), VisitedFlags{}), skipped);
}

TEST(ForecastRefusal, UpToSixCertainPass) {
    for (int n = 0; n <= 6; ++n) EXPECT_EQ(forecastRefusal(withCertain(n), allVisited()), "") << n;
}

TEST(ForecastRefusal, TooManyCertainPositions) {
    const VisitedFlags v = allVisited();
    EXPECT_EQ(forecastRefusal(withCertain(7), v),
              "Z 7 faworytami nie ma potrzeby przeprowadzania żadnych obliczeń . Zagraj "
              "systemem pełnym lub gwarantowanym skróconym ");
    EXPECT_EQ(forecastRefusal(withCertain(8), v),
              "Z 8 faworytami nie ma potrzeby przeprowadzania żadnych obliczeń . Zagraj "
              "systemem pełnym lub gwarantowanym skróconym ");
    for (int n : {9, 10, 11}) {
        EXPECT_EQ(forecastRefusal(withCertain(n), v),
                  "Przy " + std::to_string(n) +
                      " pewniakach nie potrzebujesz żadnych obliczeń. Zagraj systemem pełnym - "
                      "trzynastka murowana !");
    }
    const std::string tooSure =
        "Tak dużej pewności siebie nie spotyka się nawet u zawodowego gracza . Podaj "
        "rozsądniejsze dane abym mógł zaproponować Ci coś naprawdę wyjątkowego !";
    EXPECT_EQ(forecastRefusal(withCertain(12), v), tooSure);
    EXPECT_EQ(forecastRefusal(withCertain(13), v), tooSure);
}

}  // namespace
}  // namespace zuvo
