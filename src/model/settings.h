#pragma once
// Stage-3 generator options and their checks.
#include <array>
#include <cstdint>
#include <string>

#include "model/masks.h"

namespace zuvo {

struct GeneratorSettings {
    int32_t solutionCount = 0;
    int32_t timeLimit = 0;
    uint8_t solutionType = 1;  // 0 "Różne o jeden", 1 "Różne o dwa", 2 "Różne o trzy"
    std::array<bool, kMaskCount> maskChosen{};
    bool rangeFixed = false;
    int32_t rangeLow = 20;
    int32_t rangeHigh = 70;
};

inline int minDifference(const GeneratorSettings& s) {
    return s.solutionType + 1;
}

// What the Stage-3 controls hold when "Dalej" is pressed.
struct SettingsEntry {
    std::string solutionText;  // MaskEdit1, as shown ("   40")
    std::string timeText;      // MaskEdit2 ("  120")
    int solutionType = 1;
    std::array<bool, kMaskCount> masks{};
    bool rangeFixed = false;
    std::string lowText;   // Edit42
    std::string highText;  // Edit43
};

struct SettingsCheck {
    bool ok = false;
    std::string message;              // shown in a message box when not ok
    bool clearSolutionField = false;  // the number of solutions exceeded the combinations
};

// Validates in the program's order and stores into settings what the steps before a failure
// store (the number of solutions stays stored when the time limit fails).
SettingsCheck confirmSettings(const SettingsEntry& entry, int32_t combinationCount,
                              GeneratorSettings& settings);

// Spinner rules of the range: they return the new position of the clicked spinner.
int stepRangeLow(int low, int high);
int stepRangeHigh(int low, int high);

}  // namespace zuvo
