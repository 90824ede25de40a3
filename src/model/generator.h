#pragma once
// One step of the column generator: draw a candidate from the forecast and test it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/forecast.h"
#include "model/random_source.h"
#include "model/settings.h"
#include "model/templates.h"

namespace zuvo {

using Draws = std::array<int32_t, kPositionCount>;
using SystemList = std::vector<std::string>;

struct Candidate {
    std::string text;  // 13 characters '1', '0', '2'
    int ones = 0;
    int zeros = 0;
    int twos = 0;
    int32_t meanProbability = 0;
};

struct GeneratorRun {
    bool generatorRunning = false;
    int32_t remainingColumns = 0;
    int32_t timeLeft = 0;
    bool stepReady = true;
    Draws draws{};
};

// Reseeds from the time of day and fills run.draws with 13 numbers in 0..98.
void drawNumbers(RandomSource& random, uint32_t millisecondsOfDay, Draws& draws);

Candidate drawCandidate(const Forecast& forecast, const Draws& draws);
bool matchesChosenTemplate(const Candidate& candidate, const ChosenTemplates& chosen);
bool inMeanRange(const Candidate& candidate, const GeneratorSettings& settings);
bool containsChosenMask(std::string_view column, const std::array<bool, kMaskCount>& maskChosen);
bool isDuplicate(std::string_view column, const SystemList& list);
int countDifferences(std::string_view a, std::string_view b);
bool keepsDistance(std::string_view column, const SystemList& list, int minDifference);

struct StepContext {
    const Forecast& forecast;
    const ChosenTemplates& chosen;
    const GeneratorSettings& settings;
};

enum class StepOutcome {
    Finished,  // count reached or time up: the caller runs finishRun
    Appended,  // the candidate joined the list
    Rejected,
};

// One candidate. Uses run.draws; the caller colours the activity bars from run.draws[0] and
// runs finishRun on Finished.
StepOutcome generatorStep(GeneratorRun& run, const StepContext& context, SystemList& list);

}  // namespace zuvo
