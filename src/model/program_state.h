#pragma once
// The program-wide records the main window holds.
#include <cstdint>
#include <optional>
#include <string>

#include "model/analysis.h"
#include "model/forecast.h"
#include "model/generator.h"
#include "model/guarantee_setup.h"
#include "model/settings.h"
#include "model/structure.h"
#include "model/templates.h"

namespace zuvo {

// What "Nowy" started: a simulated system, or a guaranteed one built by a search.
enum class SystemMode { Simulation, Global, Preferred };

struct ProgramState {
    SystemMode mode = SystemMode::Simulation;
    // Stage 1
    Forecast forecast{};
    VisitedFlags visited{};
    PositionEditor editor;
    int selectedPosition = 0;  // 1..13, 0 = none
    // Stage 2
    StructureCounts counts;
    int32_t combinationCount = 1;
    bool analysisDone = false;
    TemplateSuggestions templateSuggestions{};
    ChosenTemplates chosenTemplates{};
    int32_t hintTick = 0;
    // Stage 3 and the generator
    GeneratorSettings settings;
    GeneratorRun run;
    RandomSource random;
    SystemList systemList;
    // Guaranteed systems: the choice read from a forecast file, put on the panel when it opens;
    // once the panel has opened, its own choice is the one a forecast file stores.
    std::optional<GuaranteeSetup> guaranteeSetup;
    bool guaranteePanelOpened = false;
    // Files and shell
    bool resultsUnsaved = false;
    bool listGenerated = true;
    bool askOnClose = true;
    std::string startDirectory;
    int32_t introStep = 0;
    int32_t secondsCounter = 0;
    int32_t videoCounter = 0;
};

}  // namespace zuvo
