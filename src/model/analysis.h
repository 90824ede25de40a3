#pragma once
// Analysis of the forecast's probability distribution: masks, templates and mean-probability
// intervals, computed from the 39 percentages in one pass.
#include <array>
#include <string>

#include "model/forecast.h"
#include "model/templates.h"

namespace zuvo {

enum class AnalysisVerdict { Intervals, OneSided, LowVariety };

struct AnalysisResult {
    std::array<long, 6> maskScores{};  // mask 1..6 at index 0..5
    std::array<int, 6> maskCounts{};
    int optimalMask = 0;               // 1..6, 0 = none
    int admissibleMask = 0;            // 1..6, 0 = none
    std::array<int, 4> suggestions{};  // template numbers: optimal, then admissible ones
    int suggestionCount = 0;           // 1..4
    double spread = 0.0;
    AnalysisVerdict verdict = AnalysisVerdict::Intervals;
    double lower = 0.0;   // L
    double upper = 0.0;   // U
    double ground = 0.0;  // G
    double mean = 0.0;    // M
};

// Precondition: at least one template is available.
AnalysisResult analyseDistribution(const Forecast& forecast, const TemplateFlags& available);

// Slot k gets used 1 and its number for every suggestion; the rest get used 0 and keep their
// template number.
void storeSuggestions(const AnalysisResult& result, TemplateSuggestions& suggestions);

// The steps of the analysis, open for the window and for checks of the boundary cases.
constexpr int kUnavailableDistance = 10000;
std::array<int, kTemplateCount> templateDistances(const Forecast& forecast,
                                                  const TemplateFlags& available);
long double distributionSpread(const Forecast& forecast);  // sigma over the 39 percentages
long double favouriteMean(const Forecast& forecast);       // mean of each position's largest
// One-sided first (spread >= 30), then ten or more positions with the same key.
AnalysisVerdict distributionVerdict(long double spread, const Forecast& forecast);
struct IntervalBounds {
    long double lower = 0;
    long double upper = 0;
    long double ground = 0;
    long double mean = 0;
};
// The three intervals; shifted down when the favourites' mean does not lie above U.
IntervalBounds meanIntervals(long double spread, long double favouriteMeanValue);

std::string positionKey(const PositionForecast& position);  // 45,35,20 -> "453520"
std::string formatBound(double value);                      // two decimals with a point: "42.84"

}  // namespace zuvo
