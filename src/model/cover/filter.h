#pragma once
// The conditions as a filter on a space: the combinations a conditioned system must cover and the
// columns it may use. A column is itself a combination of the played outcomes, and the conditions
// speak of a 13-character column, so both sets are the same one: the points whose column meets
// every range. Without a condition the filter is inactive and admits every point, and the searches
// and checks that take it behave exactly as they do without it.
#include <cstdint>
#include <limits>
#include <vector>

#include "model/cover/conditions.h"
#include "model/cover/exact.h"
#include "model/cover/play.h"
#include "model/cover/space.h"

namespace zuvo::cover {

// How often each outcome occurs in a column and how many favourites it hits, all 13 positions
// counted. A favourite is an outcome with the highest percentage at its position (each of a tie).
struct ColumnCounts {
    int ones = 0;
    int draws = 0;
    int twos = 0;
    int favourites = 0;
};
bool meets(const Conditions& conditions, const ColumnCounts& counts);

// What the panel shows on every change: cheap (well under 0.1 s for 3^13), no list is built.
struct ConditionsCount {
    std::uint64_t admitted = 0;  // played combinations that meet the conditions
    std::uint64_t total = 0;     // all played combinations
    double chance = 0;           // their chance under the forecast: exactly 1 when all are admitted
};
ConditionsCount countConditions(const Play& play, const Conditions& conditions);

class Filter {
  public:
    static constexpr Point kOut = std::numeric_limits<Point>::max();

    Filter() = default;                   // the empty space's one point, inactive
    explicit Filter(const Space& space);  // every point of `space`, inactive
    // Inactive when `conditions.none()`; otherwise the points whose column meets them.
    Filter(const Play& play, const Conditions& conditions);

    const Space& space() const { return space_; }
    bool active() const { return active_; }
    // Points admitted: to cover, and allowed as columns.
    std::uint64_t count() const { return active_ ? points_.size() : space_.size(); }
    bool admits(Point p) const { return p < space_.size() && (!active_ || place_[p] != kOut); }
    // The admitted points in increasing order; only when active.
    const std::vector<Point>& points() const { return points_; }
    // A point's place in points(), kOut when not admitted; only when active.
    Point place(Point p) const { return place_[p]; }
    // Exact weight of the admitted points (0 for a filter built from a space alone), and their
    // chance under the forecast (exactly 1 when inactive).
    Weight weight() const { return weight_; }
    double chance() const { return chance_; }

  private:
    Space space_;
    bool active_ = false;
    std::vector<Point> points_;
    std::vector<Point> place_;
    Weight weight_ = 0;
    double chance_ = 1;
};

}  // namespace zuvo::cover
