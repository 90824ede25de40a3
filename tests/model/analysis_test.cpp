#include <gtest/gtest.h>

#include <initializer_list>

#include "model/analysis.h"

namespace zuvo {
namespace {

struct Triple {
    int p1, p0, p2;
};

Forecast forecastOf(std::initializer_list<Triple> triples) {
    Forecast f{};
    size_t i = 0;
    for (const Triple& t : triples) {
        f.at(i++) =
            PositionForecast{t.p1, t.p0, t.p2, (t.p1 == 100 || t.p0 == 100 || t.p2 == 100) ? 1 : 0};
    }
    return f;
}

Forecast filled(Triple t) {
    return forecastOf({t, t, t, t, t, t, t, t, t, t, t, t, t});
}

TemplateFlags allAvailable() {
    TemplateFlags flags;
    flags.fill(true);
    return flags;
}

TemplateFlags onlyAvailable(std::initializer_list<int> numbers) {
    TemplateFlags flags{};
    for (int n : numbers) flags.at(static_cast<size_t>(n - 1)) = true;
    return flags;
}

// clang-format off
const Forecast kExample1 = forecastOf({{60, 30, 10}, {45, 35, 20}, {70, 20, 10}, {40, 30, 30},
    {50, 25, 25}, {33, 33, 34}, {80, 15, 5}, {20, 30, 50}, {55, 25, 20}, {10, 20, 70},
    {65, 25, 10}, {35, 40, 25}, {50, 50, 0}});
const Forecast kExample2 = forecastOf({{35, 30, 35}, {0, 45, 55}, {35, 35, 30}, {50, 50, 0},
    {0, 50, 50}, {0, 45, 55}, {35, 35, 30}, {0, 50, 50}, {30, 35, 35}, {0, 45, 55},
    {35, 30, 35}, {50, 0, 50}, {30, 35, 35}});
// clang-format on

// Keys alike at the given positions (1..13), all others different from it and from each other.
Forecast withAlikeAt(std::initializer_list<int> positions) {
    Forecast f{};
    for (int i = 0; i < kPositionCount; ++i) f[static_cast<size_t>(i)] = {40 + i, 30, 30 - i, 0};
    for (int p : positions) f.at(static_cast<size_t>(p - 1)) = PositionForecast{50, 25, 25, 0};
    return f;
}

TEST(AnalysisExamples, FirstExampleMasksTemplatesAndIntervals) {
    const AnalysisResult r = analyseDistribution(kExample1, allAvailable());
    const std::array<long, 6> scores{1000, 1140, 1010, 1095, 1100, 1090};
    EXPECT_EQ(r.maskScores, scores);
    for (int c : r.maskCounts) EXPECT_GT(c, 0);
    EXPECT_EQ(r.optimalMask, 2);     // 120
    EXPECT_EQ(r.admissibleMask, 5);  // 210

    const auto d = templateDistances(kExample1, allAvailable());
    EXPECT_EQ(d[7], 44);
    EXPECT_EQ(d[2], 174);
    EXPECT_EQ(d[8], 182);
    EXPECT_EQ(d[1], 218);
    ASSERT_EQ(r.suggestionCount, 4);
    EXPECT_EQ(templateCode(r.suggestions[0]), "643");
    EXPECT_EQ(templateCode(r.suggestions[1]), "733");
    EXPECT_EQ(templateCode(r.suggestions[2]), "634");
    EXPECT_EQ(templateCode(r.suggestions[3]), "742");

    EXPECT_NEAR(r.spread, 19.0146, 5e-5);
    EXPECT_EQ(r.verdict, AnalysisVerdict::Intervals);
    EXPECT_NEAR(r.mean, 709.0 / 13.0, 1e-12);  // no shift: M stays the favourites' mean
    EXPECT_EQ(formatBound(r.lower), "42.84");
    EXPECT_EQ(formatBound(r.upper), "45.22");
    EXPECT_EQ(formatBound(r.ground), "49.88");
    EXPECT_EQ(formatBound(r.mean), "54.54");
}

TEST(AnalysisExamples, SecondExampleShiftsTheIntervalsDown) {
    const AnalysisResult r = analyseDistribution(kExample2, allAvailable());
    EXPECT_NEAR(r.spread, 17.4801, 5e-5);
    EXPECT_NEAR(static_cast<double>(favouriteMean(kExample2)), 575.0 / 13.0, 1e-12);
    EXPECT_EQ(r.verdict, AnalysisVerdict::Intervals);
    EXPECT_EQ(formatBound(r.lower), "41.80");
    EXPECT_EQ(formatBound(r.upper), "42.07");
    EXPECT_EQ(formatBound(r.ground), "43.17");
    EXPECT_EQ(formatBound(r.mean), "44.26");
    EXPECT_NEAR(r.lower, 33.333 + 0.484375 * r.spread, 1e-9);
}

TEST(AnalysisMasks, NoMaskWithoutThreeOpenConsecutiveOutcomes) {
    const AnalysisResult r = analyseDistribution(filled({100, 0, 0}), allAvailable());
    EXPECT_EQ(r.optimalMask, 0);
    EXPECT_EQ(r.admissibleMask, 0);
    for (long s : r.maskScores) EXPECT_EQ(s, 0);
}

TEST(AnalysisMasks, SingleQualifyingMaskHasNoAdmissibleOne) {
    Forecast f = filled({0, 0, 100});
    f[0] = PositionForecast{100, 0, 0, 1};
    f[1] = PositionForecast{0, 100, 0, 1};  // 1 0 2 at positions 1..3 only
    const AnalysisResult r = analyseDistribution(f, allAvailable());
    EXPECT_EQ(r.maskCounts[0], 1);
    EXPECT_EQ(r.maskScores[0], 300);
    EXPECT_EQ(r.optimalMask, 1);
    EXPECT_EQ(r.admissibleMask, 0);
}

TEST(AnalysisMasks, EqualScoresGoToTheLowestNumber) {
    const AnalysisResult r = analyseDistribution(filled({34, 33, 33}), allAvailable());
    for (long s : r.maskScores) EXPECT_EQ(s, 1100);
    EXPECT_EQ(r.optimalMask, 1);
    EXPECT_EQ(r.admissibleMask, 2);
}

TEST(AnalysisTemplates, EqualDistancesGoToTheLowestNumber) {
    // Sums 600 / 350 / 350: 643 and 634 tie at 100, 733 and 544 at 200.
    Forecast f = filled({46, 27, 27});
    f[12] = PositionForecast{48, 26, 26, 0};
    const AnalysisResult r = analyseDistribution(f, allAvailable());
    ASSERT_EQ(r.suggestionCount, 4);
    EXPECT_EQ(r.suggestions[0], 8);
    EXPECT_EQ(r.suggestions[1], 9);
    EXPECT_EQ(r.suggestions[2], 3);
    EXPECT_EQ(r.suggestions[3], 15);
}

TEST(AnalysisTemplates, UnavailableTemplatesAreNeverSuggestedAfterTheFirst) {
    TemplateSuggestions slots{};
    slots[1] = {1, 17};
    slots[2] = {1, 18};
    slots[3] = {1, 19};
    AnalysisResult r = analyseDistribution(kExample1, onlyAvailable({30}));
    EXPECT_EQ(r.suggestionCount, 1);
    EXPECT_EQ(r.suggestions[0], 30);  // the only one, however far
    storeSuggestions(r, slots);
    EXPECT_EQ(slots[0].used, 1);
    EXPECT_EQ(slots[0].templateNumber, 30);
    for (int k = 1; k < 4; ++k) {
        EXPECT_EQ(slots[k].used, 0);
        EXPECT_EQ(slots[k].templateNumber, 16 + k);  // numbers left as they were
    }
    TemplateFlags ticked = suggestedTemplateChecks(slots);
    for (int i = 0; i < kTemplateCount; ++i) EXPECT_EQ(ticked[i], i == 29);

    r = analyseDistribution(kExample1, onlyAvailable({2, 26}));
    ASSERT_EQ(r.suggestionCount, 2);
    EXPECT_EQ(r.suggestions[0], 2);
    EXPECT_EQ(r.suggestions[1], 26);
    storeSuggestions(r, slots);
    EXPECT_EQ(slots[1].used, 1);
    EXPECT_EQ(slots[1].templateNumber, 26);
    EXPECT_EQ(slots[2].used, 0);
    EXPECT_EQ(slots[3].used, 0);
    ticked = suggestedTemplateChecks(slots);
    for (int i = 0; i < kTemplateCount; ++i) EXPECT_EQ(ticked[i], i == 1 || i == 25);
}

TEST(AnalysisRefusals, OneSidedForecast) {
    const AnalysisResult r = analyseDistribution(filled({100, 0, 0}), allAvailable());
    EXPECT_NEAR(r.spread, 47.14, 5e-3);
    EXPECT_EQ(r.verdict, AnalysisVerdict::OneSided);  // before the thirteen alike keys
    EXPECT_EQ(distributionVerdict(30.0L, kExample1), AnalysisVerdict::OneSided);
    EXPECT_EQ(distributionVerdict(29.9999L, kExample1), AnalysisVerdict::Intervals);
}

TEST(AnalysisRefusals, UniformForecastHasLowVariety) {
    const AnalysisResult r = analyseDistribution(filled({34, 33, 33}), allAvailable());
    EXPECT_NEAR(r.spread, 0.47, 5e-3);
    EXPECT_EQ(r.verdict, AnalysisVerdict::LowVariety);
}

TEST(AnalysisRefusals, TenAlikeKeysRefuseWhereverTheyLieNineDoNot) {
    EXPECT_EQ(distributionVerdict(10.0L, withAlikeAt({1, 2, 3, 4, 5, 6, 7, 8, 9})),
              AnalysisVerdict::Intervals);
    EXPECT_EQ(distributionVerdict(10.0L, withAlikeAt({2, 3, 5, 6, 7, 9, 10, 11, 13})),
              AnalysisVerdict::Intervals);
    EXPECT_EQ(distributionVerdict(10.0L, withAlikeAt({4, 5, 6, 7, 8, 9, 10, 11, 12, 13})),
              AnalysisVerdict::LowVariety);
    EXPECT_EQ(distributionVerdict(10.0L, withAlikeAt({1, 3, 4, 5, 7, 9, 10, 11, 12, 13})),
              AnalysisVerdict::LowVariety);
    const Forecast ten = withAlikeAt({1, 2, 3, 5, 6, 8, 9, 10, 12, 13});
    EXPECT_EQ(analyseDistribution(ten, allAvailable()).verdict, AnalysisVerdict::LowVariety);
}

TEST(AnalysisRefusals, KeysAreComparedAsText) {
    EXPECT_EQ(positionKey(PositionForecast{45, 35, 20, 0}), "453520");
    EXPECT_EQ(positionKey(PositionForecast{100, 0, 0, 1}), "10000");
    EXPECT_EQ(positionKey(PositionForecast{1, 11, 88, 0}), positionKey({11, 1, 88, 0}));

    Forecast f = withAlikeAt({});
    for (int i = 0; i < 10; ++i) {
        f[static_cast<size_t>(i)] =
            i % 2 == 0 ? PositionForecast{1, 11, 88, 0} : PositionForecast{11, 1, 88, 0};
    }
    EXPECT_EQ(distributionVerdict(10.0L, f), AnalysisVerdict::LowVariety);

    // The same collision with a spread low enough to reach the key test in the full analysis.
    for (int i = 0; i < 10; ++i) {
        f[static_cast<size_t>(i)] =
            i % 2 == 0 ? PositionForecast{33, 1, 66, 0} : PositionForecast{3, 31, 66, 0};
    }
    const AnalysisResult r = analyseDistribution(f, allAvailable());
    ASSERT_LT(r.spread, 30.0);
    EXPECT_EQ(r.verdict, AnalysisVerdict::LowVariety);
}

TEST(AnalysisIntervals, MeanEqualToUpperBoundShifts) {
    const long double sigma = 16.0L;  // 0.625 * 16 = 10 exactly
    const long double u = 33.333L + 10.0L;
    const IntervalBounds shifted = meanIntervals(sigma, u);
    EXPECT_EQ(shifted.mean, u);
    EXPECT_NEAR(static_cast<double>(shifted.upper), 41.333, 1e-12);
    EXPECT_NEAR(static_cast<double>(shifted.lower), 33.333 + 7.75, 1e-12);
    EXPECT_NEAR(static_cast<double>(shifted.ground), (43.333 + 41.333) / 2, 1e-12);

    const IntervalBounds plain = meanIntervals(sigma, u + 0.001L);
    EXPECT_NEAR(static_cast<double>(plain.upper), 43.333, 1e-12);
    EXPECT_NEAR(static_cast<double>(plain.lower), 41.333, 1e-12);
    EXPECT_NEAR(static_cast<double>(plain.mean), 43.334, 1e-12);
}

TEST(FormatBound, TwoDecimalsWithAPointAndNoPadding) {
    EXPECT_EQ(formatBound(5.0), "5.00");
    EXPECT_EQ(formatBound(9.5), "9.50");
    EXPECT_EQ(formatBound(41.79992), "41.80");
    EXPECT_EQ(formatBound(1.125), "1.13");  // halves go away from zero
    EXPECT_EQ(formatBound(0.004), "0.00");
    EXPECT_EQ(formatBound(99.999), "100.00");
}

}  // namespace
}  // namespace zuvo
