#pragma once
// The space of a guaranteed system: the combinations of the open (three-way and two-way) positions.
#include <cstdint>
#include <vector>

namespace zuvo::cover {

using Point = std::uint32_t;        // mixed-radix index of a combination of the open positions
using System = std::vector<Point>;  // the columns of a system, as points

// `three` coordinates with values 0..2 first, then `two` with values 0..1. Coordinate 0 is the
// lowest digit, so a point is t + 3^three * u with t the three-way digits and u the two-way bits.
struct Space {
    int three = 0;
    int two = 0;

    int length() const { return three + two; }
    Point size() const;  // 3^three * 2^two (1 for the empty space)
    int radix(int coordinate) const { return coordinate < three ? 3 : 2; }
    Point stride(int coordinate) const;
    int digit(Point p, int coordinate) const {
        return static_cast<int>((p / stride(coordinate)) % static_cast<Point>(radix(coordinate)));
    }
    bool valid() const;  // both counts non-negative and the length at most 13
};

// Points within `radius` of one point (the volume of a Hamming ball).
std::uint64_t ballSize(const Space& space, int radius);
// No system of covering radius `radius` has fewer columns than this.
std::uint64_t sphereBound(const Space& space, int radius);

// Walks every point in order and keeps its digits, so callers need no division per point.
class Odometer {
  public:
    explicit Odometer(const Space& space);
    Point point() const { return point_; }
    int digit(int coordinate) const { return digits_[static_cast<std::size_t>(coordinate)]; }
    // Moves to the next point; returns the lowest coordinate whose digit changed (every coordinate
    // below it went back to 0), or -1 after the last point.
    int next();

  private:
    Space space_;
    std::vector<int> digits_;
    Point point_ = 0;
};

}  // namespace zuvo::cover
