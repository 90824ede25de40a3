#pragma once
// Exhaustive checks of a system, by a breadth-first search from all its columns at once.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/cover/play.h"
#include "model/cover/space.h"

namespace zuvo::cover {

constexpr std::uint8_t kUncovered = 255;

// Per point the distance to the nearest column (kUncovered for an empty system). Columns outside
// the space are ignored.
std::vector<std::uint8_t> distances(const Space& space, const System& system);
int coveringRadius(const Space& space, const System& system);       // -1 for an empty system
bool covers(const Space& space, const System& system, int radius);  // false for points out of range
// The summed chance of the points within `radius` of a column.
double coveredChance(const Space& space, const System& system, int radius,
                     const std::vector<double>& chance);

struct HitChances {
    int guarantee = 0;  // least over every played combination of the best column's hits
    std::array<double, 14> exactly{};  // chance that the best column has exactly h hits (h = 0..13)
    double atLeast(int hits) const;
};
// Hits = 13 - distance: sure positions always hit.
HitChances hitChances(const Play& play, const System& system);

// The search's own check: distances up to `limit` only (farther points stay kUncovered).
// `cancel`, polled every few thousand points, ends the walk early; the result is then false and
// `dist` incomplete.
bool boundedDistances(const Space& space, const System& system, int limit,
                      std::vector<std::uint8_t>& dist, const std::function<bool()>& cancel = {});

}  // namespace zuvo::cover
