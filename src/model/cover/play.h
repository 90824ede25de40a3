#pragma once
// What a forecast plays, and the mapping between points of its space and column texts.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/cover/space.h"
#include "model/forecast.h"

namespace zuvo::cover {

struct Play {
    // Per position (index 0 = position 1) the played outcomes in the order 1, 0, 2: "102", "10",
    // "02", "12", "1", "0", "2"; and the percentages of '1', '0', '2' in that order.
    std::array<std::string, 13> outcomes;
    std::array<std::array<int, 3>, 13> percent{};

    // Three-way positions (in position order) are the first coordinates, then the two-way ones.
    Space space() const;
    // The 13-character column text of a point.
    std::string column(Point p) const;
    // nullopt unless the text is 13 characters and plays only played outcomes (sure ones included).
    std::optional<Point> point(std::string_view column) const;
    // Per point: the product over open positions of the played outcome's share (sums to 1).
    std::vector<double> chances() const;
};

// A position plays the outcomes above 0 %; one with none (never filled in) counts as a sure '1',
// the way the editor stores an untouched position.
Play playOf(const Forecast& f);
// Positions 1..a three-way (34/33/33), a+1..a+b two-way between '1' and '0' (50/50/0), the rest
// sure '1' (100/0/0).
Play structurePlay(int three, int two);

}  // namespace zuvo::cover
