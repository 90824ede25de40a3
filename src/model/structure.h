#pragma once
// Structure counts of a forecast and the Stage-1 acceptance rules.
#include <cstdint>
#include <string>

#include "model/forecast.h"

namespace zuvo {

struct StructureCounts {
    int32_t certain1 = 0;
    int32_t certain0 = 0;
    int32_t certain2 = 0;
    int32_t possible1 = 0;
    int32_t possible0 = 0;
    int32_t possible2 = 0;
    int32_t favourites = 0;
    int32_t twoWay = 0;
    int32_t threeWay = 0;
    int32_t combinationCount = 1;
};

StructureCounts computeStructureCounts(const Forecast& forecast);

// Empty when the forecast may go on to Stage 2; otherwise the refusal shown to the user. A
// guaranteed system serves best where many positions are sure, so it refuses only skipped
// positions.
std::string forecastRefusal(const Forecast& forecast, const VisitedFlags& visited,
                            bool guaranteed = false);

}  // namespace zuvo
