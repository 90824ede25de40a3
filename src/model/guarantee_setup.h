#pragma once
// What a player chose on the guarantee panel, kept apart from the panel so that it can be stored
// with the forecast and put back.
#include <cstdint>

#include "model/cover/conditions.h"

namespace zuvo {

struct GuaranteeSetup {
    int hits = 12;             // 13, 12, 11 or 10
    std::uint64_t budget = 0;  // "Preferencyjny": columns to pay for; 0 = the panel's own default
    int seconds = 10;          // time limit, 1 to 600
    cover::Conditions conditions;
    bool operator==(const GuaranteeSetup&) const = default;
};

}  // namespace zuvo
