#pragma once
// The syndromes of the matrix method: Z3^k1 x Z2^k2, laid out as the points of a Space{k1, k2},
// with its sum, and the matrices that map the open positions' space onto it.
#include <cstdint>
#include <functional>
#include <vector>

#include "model/cover/space.h"

namespace zuvo::cover {

class Group {
  public:
    explicit Group(const Space& space);
    const Space& space() const { return space_; }
    Point size() const { return size_; }
    // Digit by digit: mod 3 on the three-way coordinates, mod 2 on the two-way ones.
    Point add(Point x, Point y) const {
        const Point xl = x % lowSize_, xh = x / lowSize_;
        const Point yl = y % lowSize_, yh = y / lowSize_;
        return low_[xl * lowSize_ + yl] + lowSize_ * high_[xh * highSize_ + yh];
    }

  private:
    Space space_;
    Point size_ = 1;
    Point lowSize_ = 1;
    Point highSize_ = 1;
    std::vector<Point> low_;   // sums of the coordinates below the split
    std::vector<Point> high_;  // sums of the rest
};

// H of the matrix method: the syndrome of each coordinate's unit step. A point's syndrome is the
// sum of its digits times these columns; three-way columns lie in the Z3 part, two-way in the Z2
// part.
struct Matrix {
    Space group;
    std::vector<Point> column;  // per coordinate of the open positions' space
};

// The syndromes within `radius` column steps of 0 (a nonzero multiple of one column, at most one
// per coordinate), 0 first. A ball in the syndrome space is s plus these.
std::vector<Point> stepBall(const Group& group, const Matrix& h, int radius);

// Every point whose syndrome is marked in `chosen`. `cancel` is polled now and then; on a cancel
// the result is empty.
System systemOf(const Space& space, const Group& group, const Matrix& h,
                const std::vector<std::uint8_t>& chosen, const std::function<bool()>& cancel = {});

// The rank of the three-way columns over Z3 plus that of the two-way columns over Z2.
int matrixRank(const Group& group, const Matrix& h);

}  // namespace zuvo::cover
