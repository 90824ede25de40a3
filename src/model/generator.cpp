#include "model/generator.h"

#include <algorithm>

#include "model/masks.h"

namespace zuvo {

void drawNumbers(RandomSource& random, uint32_t millisecondsOfDay, Draws& draws) {
    random.reseed(millisecondsOfDay);
    for (auto& d : draws) d = static_cast<int32_t>(random.draw(99));
}

Candidate drawCandidate(const Forecast& forecast, const Draws& draws) {
    Candidate c;
    c.text.reserve(kPositionCount);
    int32_t sum = 0;
    for (int p = 0; p < kPositionCount; ++p) {
        const PositionForecast& f = forecast[p];
        const int32_t r = draws[p];
        if (f.p1 > r) {
            c.text += '1';
            ++c.ones;
            sum += f.p1;
        } else if (f.p1 + f.p0 > r) {
            c.text += '0';
            ++c.zeros;
            sum += f.p0;
        } else {
            c.text += '2';
            ++c.twos;
            sum += f.p2;
        }
    }
    c.meanProbability = sum / kPositionCount;
    return c;
}

bool matchesChosenTemplate(const Candidate& candidate, const ChosenTemplates& chosen) {
    const auto& catalogue = templateCatalogue();
    for (int k = 0; k < kTemplateCount; ++k) {
        if (!chosen[k]) continue;
        const Template& t = catalogue[k];
        if (t.ones == candidate.ones && t.zeros == candidate.zeros && t.twos == candidate.twos)
            return true;
    }
    return false;
}

bool inMeanRange(const Candidate& candidate, const GeneratorSettings& settings) {
    if (!settings.rangeFixed) return true;
    return candidate.meanProbability >= settings.rangeLow &&
           candidate.meanProbability <= settings.rangeHigh;
}

bool containsChosenMask(std::string_view column, const std::array<bool, kMaskCount>& maskChosen) {
    bool anyChosen = false;
    for (int k = 0; k < kMaskCount; ++k) {
        if (!maskChosen[k]) continue;
        if (columnContainsMask(column, k + 1)) return true;
        anyChosen = true;
    }
    return !anyChosen;
}

bool isDuplicate(std::string_view column, const SystemList& list) {
    return std::any_of(list.begin(), list.end(),
                       [column](const std::string& entry) { return entry == column; });
}

int countDifferences(std::string_view a, std::string_view b) {
    // Only the 13 positions of a column count; a missing character differs from a present one.
    int differences = 0;
    if (a.size() >= kPositionCount && b.size() >= kPositionCount) {
        // The usual case, kept free of bounds checks: it runs for every entry at every step.
        for (size_t i = 0; i < static_cast<size_t>(kPositionCount); ++i)
            differences += a[i] != b[i];
        return differences;
    }
    for (size_t i = 0; i < static_cast<size_t>(kPositionCount); ++i) {
        const char ca = i < a.size() ? a[i] : '\0';
        const char cb = i < b.size() ? b[i] : '\0';
        if (ca != cb) ++differences;
    }
    return differences;
}

bool keepsDistance(std::string_view column, const SystemList& list, int minDifference) {
    return std::none_of(list.begin(), list.end(), [&](const std::string& entry) {
        return countDifferences(column, entry) < minDifference;
    });
}

namespace {

bool passesTests(const Candidate& candidate, const StepContext& context, const SystemList& list) {
    if (!matchesChosenTemplate(candidate, context.chosen)) return false;
    if (!inMeanRange(candidate, context.settings)) return false;
    if (!containsChosenMask(candidate.text, context.settings.maskChosen)) return false;
    if (list.empty()) return true;
    if (isDuplicate(candidate.text, list)) return false;
    // "Różne o jeden" asks for nothing beyond being no duplicate.
    if (context.settings.solutionType == 0) return true;
    return keepsDistance(candidate.text, list, minDifference(context.settings));
}

}  // namespace

StepOutcome generatorStep(GeneratorRun& run, const StepContext& context, SystemList& list) {
    run.stepReady = false;
    const Draws draws = run.draws;

    StepOutcome outcome = StepOutcome::Rejected;
    if (run.remainingColumns <= 0 || run.timeLeft <= 0) {
        outcome = StepOutcome::Finished;
    } else {
        Candidate candidate = drawCandidate(context.forecast, draws);
        if (passesTests(candidate, context, list)) {
            list.push_back(std::move(candidate.text));
            --run.remainingColumns;
            outcome = StepOutcome::Appended;
        }
    }

    run.stepReady = true;
    return outcome;
}

}  // namespace zuvo
