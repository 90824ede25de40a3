#include "model/templates.h"

namespace zuvo {

namespace {

// Ones 7, 6, 5, 4 and then 8; within the same number of ones, zeros falling.
constexpr std::array<Template, kTemplateCount> kCatalogue{{
    {7, 5, 1}, {7, 4, 2}, {7, 3, 3}, {7, 2, 4}, {7, 1, 5},                        // 1..5
    {6, 6, 1}, {6, 5, 2}, {6, 4, 3}, {6, 3, 4}, {6, 2, 5}, {6, 1, 6},             // 6..11
    {5, 7, 1}, {5, 6, 2}, {5, 5, 3}, {5, 4, 4}, {5, 3, 5}, {5, 2, 6}, {5, 1, 7},  // 12..18
    {4, 8, 1}, {4, 7, 2}, {4, 6, 3}, {4, 5, 4}, {4, 4, 5}, {4, 3, 6}, {4, 2, 7},  // 19..25
    {4, 1, 8},                                                                    // 26
    {8, 4, 1}, {8, 3, 2}, {8, 2, 3}, {8, 1, 4},                                   // 27..30
}};

bool validNumber(int number) {
    return number >= 1 && number <= kTemplateCount;
}

}  // namespace

const std::array<Template, kTemplateCount>& templateCatalogue() {
    return kCatalogue;
}

std::string templateCaption(int number) {
    if (!validNumber(number)) return "";
    const Template& t = kCatalogue[static_cast<size_t>(number - 1)];
    return std::to_string(t.ones) + ' ' + std::to_string(t.zeros) + ' ' + std::to_string(t.twos);
}

std::string templateCode(int number) {
    if (!validNumber(number)) return "";
    const Template& t = kCatalogue[static_cast<size_t>(number - 1)];
    return std::to_string(t.ones) + std::to_string(t.zeros) + std::to_string(t.twos);
}

bool isTemplateAvailable(const Template& t, const StructureCounts& counts) {
    return counts.possible1 >= t.ones && counts.certain1 <= t.ones && counts.possible0 >= t.zeros &&
           counts.certain0 <= t.zeros && counts.possible2 >= t.twos && counts.certain2 <= t.twos;
}

TemplateFlags templateAvailability(const StructureCounts& counts) {
    TemplateFlags flags{};
    for (size_t i = 0; i < flags.size(); ++i) flags[i] = isTemplateAvailable(kCatalogue[i], counts);
    return flags;
}

TemplateFlags suggestedTemplateChecks(const TemplateSuggestions& suggestions) {
    TemplateFlags checked{};
    for (const TemplateSuggestion& slot : suggestions) {
        // A slot left over from an earlier analysis may hold any number; only a used slot with a
        // catalogue number may tick a box.
        if (slot.used == 1 && validNumber(slot.templateNumber)) {
            checked[static_cast<size_t>(slot.templateNumber - 1)] = true;
        }
    }
    return checked;
}

ChosenTemplates chooseTemplates(const TemplateFlags& available, const TemplateFlags& checked) {
    ChosenTemplates chosen{};
    for (size_t i = 0; i < chosen.size(); ++i) chosen[i] = (available[i] && checked[i]) ? 1 : 0;
    return chosen;
}

int countChosen(const ChosenTemplates& chosen) {
    int count = 0;
    for (uint8_t flag : chosen) count += flag != 0 ? 1 : 0;
    return count;
}

}  // namespace zuvo
