#include "model/settings.h"

#include <optional>

#include "model/int_text.h"

namespace zuvo {

namespace {

SettingsCheck failure(std::string message) {
    SettingsCheck check;
    check.message = std::move(message);
    return check;
}

}  // namespace

SettingsCheck confirmSettings(const SettingsEntry& entry, int32_t combinationCount,
                              GeneratorSettings& settings) {
    // Each failure leaves whatever the earlier steps stored in place, as the user will see it
    // again at the next "Dalej".
    const std::string solutionText = trimBlanks(entry.solutionText);
    if (solutionText.empty()) return failure("Nie podałeś ilości rozwiązań !");
    const std::optional<int32_t> n = parseInteger(solutionText);
    if (!n) return failure(invalidIntegerMessage(solutionText));
    if (*n > combinationCount) {
        SettingsCheck check =
            failure("Wprowadzone dane dopuszczają max. : " + std::to_string(combinationCount) +
                    " rozwiązań !!!");
        check.clearSolutionField = true;
        return check;
    }
    settings.solutionCount = *n;

    const std::string timeText = trimBlanks(entry.timeText);
    if (timeText.empty()) return failure("Nie podałeś limitu czasu !");
    const std::optional<int32_t> time = parseInteger(timeText);
    if (!time) return failure(invalidIntegerMessage(timeText));
    settings.timeLimit = *time;

    settings.solutionType = static_cast<uint8_t>(entry.solutionType);
    settings.maskChosen = entry.masks;
    settings.rangeFixed = entry.rangeFixed;
    if (entry.rangeFixed) {
        const std::optional<int32_t> low = parseInteger(entry.lowText);
        if (!low) return failure(invalidIntegerMessage(entry.lowText));
        settings.rangeLow = *low;
        const std::optional<int32_t> high = parseInteger(entry.highText);
        if (!high) return failure(invalidIntegerMessage(entry.highText));
        settings.rangeHigh = *high;
    }

    SettingsCheck check;
    check.ok = true;
    return check;
}

// The spinners are 16-bit controls; their positions compare as such.
int stepRangeLow(int low, int high) {
    const auto lo = static_cast<int16_t>(low);
    const auto hi = static_cast<int16_t>(high);
    return lo >= hi ? hi - 1 : lo;
}

int stepRangeHigh(int low, int high) {
    const auto lo = static_cast<int16_t>(low);
    const auto hi = static_cast<int16_t>(high);
    return hi <= lo ? lo + 1 : hi;
}

}  // namespace zuvo
