#pragma once
// Exhaustive checks of a system, by a breadth-first search from all its columns at once.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "model/cover/filter.h"
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
    // Chance of at least h hits, from exact sums: exactly 1 for h <= guarantee.
    std::array<double, 14> atLeastChance{};
    // Under conditions: the chance that the result meets them (1 without), and the least hits
    // over the combinations that do (the guarantee without conditions).
    double meetsChance = 1;
    int guaranteeMeeting = 0;
    double atLeast(int hits) const;
};
// Hits = 13 - distance: sure positions always hit. The chances are over every played result,
// whatever the filter; the filter only adds `meetsChance` and `guaranteeMeeting`. An empty system,
// or one with a column outside the space, gives all zeros.
HitChances hitChances(const Play& play, const System& system, const Filter& filter = Filter{});

// A system checked against the conditions: every combination they admit within `radius` of a
// column, and every column admitted (always true of an inactive filter's points in the space).
bool covers(const Filter& filter, const System& system, int radius);
// Whether every column meets the conditions.
bool columnsAdmitted(const Filter& filter, const System& system);
// The exact chance that the result meets the conditions and lies within `radius` of a column
// (without conditions: within `radius`); exactly 1 when every played result does.
double coveredChance(const Play& play, const Filter& filter, const System& system, int radius);
// The least hits of the best column over the admitted combinations (-1 for an empty system).
int leastHits(const Filter& filter, const System& system);

// The search's own check: distances up to `limit` only (farther points stay kUncovered).
// `cancel`, polled every few thousand points, ends the walk early; the result is then false and
// `dist` incomplete.
bool boundedDistances(const Space& space, const System& system, int limit,
                      std::vector<std::uint8_t>& dist, const std::function<bool()>& cancel = {});

}  // namespace zuvo::cover
