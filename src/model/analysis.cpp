#include "model/analysis.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>

namespace zuvo {

namespace {

// Not 100/3: the analysis is calibrated on this rounded value.
constexpr long double kThird = 33.333L;

// Outcomes as the index of their percentage: 0 = outcome 1, 1 = outcome 0, 2 = outcome 2.
constexpr std::array<std::array<int, 3>, 6> kMasks{{
    {0, 1, 2},  // 1 0 2
    {0, 2, 1},  // 1 2 0
    {1, 0, 2},  // 0 1 2
    {1, 2, 0},  // 0 2 1
    {2, 0, 1},  // 2 1 0
    {2, 1, 0},  // 2 0 1
}};

int percentOf(const PositionForecast& position, int outcomeIndex) {
    switch (outcomeIndex) {
        case 0:
            return position.p1;
        case 1:
            return position.p0;
        default:
            return position.p2;
    }
}

// Lowest number wins ties: the best is replaced only on a strictly higher score.
int bestMask(const std::array<long, 6>& scores) {
    int best = 0;
    for (int m = 1; m < 6; ++m) {
        if (scores[static_cast<size_t>(m)] > scores[static_cast<size_t>(best)]) best = m;
    }
    return best + 1;
}

void analyseMasks(const Forecast& forecast, AnalysisResult& result) {
    for (size_t m = 0; m < kMasks.size(); ++m) {
        const auto& mask = kMasks[m];
        for (size_t i = 0; i + 2 < forecast.size(); ++i) {
            const int a = percentOf(forecast[i], mask[0]);
            const int b = percentOf(forecast[i + 1], mask[1]);
            const int c = percentOf(forecast[i + 2], mask[2]);
            if (a > 0 && b > 0 && c > 0) {
                ++result.maskCounts[m];
                result.maskScores[m] += a + b + c;
            }
        }
    }
    const auto qualifying = std::count_if(result.maskCounts.begin(), result.maskCounts.end(),
                                          [](int c) { return c > 0; });
    if (qualifying == 0) return;
    result.optimalMask = bestMask(result.maskScores);
    if (qualifying == 1) return;
    std::array<long, 6> rest = result.maskScores;
    rest[static_cast<size_t>(result.optimalMask - 1)] = 0;
    result.admissibleMask = bestMask(rest);
}

void chooseSuggestions(const Forecast& forecast, const TemplateFlags& available,
                       AnalysisResult& result) {
    std::array<int, kTemplateCount> distances = templateDistances(forecast, available);
    result.suggestionCount = 0;
    for (int pass = 0; pass < 4; ++pass) {
        size_t best = 0;
        for (size_t k = 1; k < distances.size(); ++k) {
            if (distances[k] < distances[best]) best = k;
        }
        // The first pass always names an optimal template; later passes only real ones.
        if (pass > 0 && distances[best] >= kUnavailableDistance) break;
        result.suggestions[static_cast<size_t>(pass)] = static_cast<int>(best) + 1;
        ++result.suggestionCount;
        distances[best] = kUnavailableDistance;
    }
}

}  // namespace

std::array<int, kTemplateCount> templateDistances(const Forecast& forecast,
                                                  const TemplateFlags& available) {
    int t1 = 0;
    int t0 = 0;
    int t2 = 0;
    for (const PositionForecast& position : forecast) {
        t1 += position.p1;
        t0 += position.p0;
        t2 += position.p2;
    }
    std::array<int, kTemplateCount> distances{};
    const auto& catalogue = templateCatalogue();
    for (size_t k = 0; k < distances.size(); ++k) {
        const Template& t = catalogue[k];
        distances[k] = available[k] ? std::abs(100 * t.ones - t1) + std::abs(100 * t.zeros - t0) +
                                          std::abs(100 * t.twos - t2)
                                    : kUnavailableDistance;
    }
    return distances;
}

long double distributionSpread(const Forecast& forecast) {
    long double sum = 0;
    for (const PositionForecast& position : forecast) {
        for (int outcome = 0; outcome < 3; ++outcome) {
            const long double d = static_cast<long double>(percentOf(position, outcome)) - kThird;
            sum += d * d;
        }
    }
    return std::sqrt(sum / 39.0L);
}

long double favouriteMean(const Forecast& forecast) {
    int sum = 0;
    for (const PositionForecast& position : forecast) {
        sum += std::max({position.p1, position.p0, position.p2});
    }
    return static_cast<long double>(sum) / 13.0L;
}

AnalysisVerdict distributionVerdict(long double spread, const Forecast& forecast) {
    if (spread >= 30.0L) return AnalysisVerdict::OneSided;
    // Keys are compared as text on purpose: different triples may share one.
    std::map<std::string, int> alike;
    for (const PositionForecast& position : forecast) {
        if (++alike[positionKey(position)] >= 10) return AnalysisVerdict::LowVariety;
    }
    return AnalysisVerdict::Intervals;
}

IntervalBounds meanIntervals(long double spread, long double favouriteMeanValue) {
    IntervalBounds bounds;
    bounds.upper = kThird + 0.625L * spread;
    bounds.lower = kThird + 0.5L * spread;
    bounds.mean = favouriteMeanValue;
    if (bounds.mean <= bounds.upper) {
        // The favourites are too weak to lie above the optimal interval: move the scheme down.
        bounds.mean = bounds.upper;
        bounds.upper = bounds.lower;
        const long double h = kThird + 0.375L * spread;
        bounds.lower = bounds.upper - (bounds.upper - h) / 8.0L;
    }
    bounds.ground = (bounds.mean + bounds.upper) / 2.0L;
    return bounds;
}

AnalysisResult analyseDistribution(const Forecast& forecast, const TemplateFlags& available) {
    AnalysisResult result;
    analyseMasks(forecast, result);
    chooseSuggestions(forecast, available, result);

    const long double spread = distributionSpread(forecast);
    result.spread = static_cast<double>(spread);
    result.verdict = distributionVerdict(spread, forecast);
    if (result.verdict == AnalysisVerdict::Intervals) {
        const IntervalBounds bounds = meanIntervals(spread, favouriteMean(forecast));
        result.lower = static_cast<double>(bounds.lower);
        result.upper = static_cast<double>(bounds.upper);
        result.ground = static_cast<double>(bounds.ground);
        result.mean = static_cast<double>(bounds.mean);
    }
    return result;
}

void storeSuggestions(const AnalysisResult& result, TemplateSuggestions& suggestions) {
    for (size_t k = 0; k < suggestions.size(); ++k) {
        if (static_cast<int>(k) < result.suggestionCount) {
            suggestions[k].used = 1;
            suggestions[k].templateNumber = result.suggestions[k];
        } else {
            // The number stays as it was; only the used flag tells "Extra" what counts.
            suggestions[k].used = 0;
        }
    }
}

std::string positionKey(const PositionForecast& position) {
    return std::to_string(position.p1) + std::to_string(position.p0) + std::to_string(position.p2);
}

std::string formatBound(double value) {
    // Round half away from zero to hundredths, then write the digits by hand so that no locale
    // can turn the point into a comma.
    const long double scaled = std::round(static_cast<long double>(value) * 100.0L);
    const bool negative = scaled < 0;
    const long long hundredths = std::llround(std::fabs(scaled));
    std::string text = negative ? "-" : "";
    text += std::to_string(hundredths / 100);
    text += hundredths % 100 < 10 ? ".0" : ".";
    text += std::to_string(hundredths % 100);
    return text;
}

}  // namespace zuvo
