#pragma once
// The catalogue of 30 count templates, their availability and the hand-over to the generator.
#include <array>
#include <cstdint>
#include <string>

#include "model/structure.h"

namespace zuvo {

constexpr int kTemplateCount = 30;

struct Template {
    int ones;
    int zeros;
    int twos;
};

// Index 0 holds template number 1; the number is also the tie-break order.
const std::array<Template, kTemplateCount>& templateCatalogue();
std::string templateCaption(int number);  // "7 5 1", number 1..30
std::string templateCode(int number);     // "751"

bool isTemplateAvailable(const Template& t, const StructureCounts& counts);

// Index 0 is template 1.
using TemplateFlags = std::array<bool, kTemplateCount>;
TemplateFlags templateAvailability(const StructureCounts& counts);

struct TemplateSuggestion {
    int32_t used = 0;
    int32_t templateNumber = 0;  // 1..30
};
using TemplateSuggestions = std::array<TemplateSuggestion, 4>;

// The check marks "Extra" sets: only used slots with a number 1..30 count.
TemplateFlags suggestedTemplateChecks(const TemplateSuggestions& suggestions);

// 1 = the generator may use the template (available and ticked); index 0 is template 1.
using ChosenTemplates = std::array<uint8_t, kTemplateCount>;
ChosenTemplates chooseTemplates(const TemplateFlags& available, const TemplateFlags& checked);
int countChosen(const ChosenTemplates& chosen);

}  // namespace zuvo
