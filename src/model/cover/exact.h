#pragma once
// Chances as exact integer weights: a point's weight is the product over the open positions of the
// played outcome's percentage, at most 300^13 < 2^107, so a sum over any set of points is exact in
// 128 bits. A share of the whole is then exactly 1 when the part is the whole, never just under.
#include <array>
#include <vector>

#include "model/cover/play.h"
#include "model/cover/space.h"

namespace zuvo::cover {

__extension__ typedef unsigned __int128 Weight;

// part / whole as a double: exactly 1 when they are equal, below 1 otherwise (0 for a zero whole).
double share(Weight part, Weight whole);

class ExactChances {
  public:
    explicit ExactChances(const Play& play);
    const Space& space() const { return space_; }
    // The weight of every point together: the product of the positions' played percentages.
    Weight total() const { return total_; }
    Weight weight(Point p) const;
    // Calls f(point, weight) for every point in order, each weight built from the last.
    template <class F>
    void forEach(F&& f) const;

  private:
    Space space_;
    std::vector<std::array<Weight, 3>> value_;  // per coordinate, the weight of each digit
    Weight total_ = 1;
};

template <class F>
void ExactChances::forEach(F&& f) const {
    const int n = space_.length();
    Odometer at(space_);
    // above[c]: the product of the weights of coordinates c.. at the current digits.
    std::vector<Weight> above(static_cast<std::size_t>(n) + 1, 1);
    const auto rebuild = [&](int from) {
        for (int c = from; c >= 0; --c) {
            const auto k = static_cast<std::size_t>(c);
            above[k] = above[k + 1] * value_[k][static_cast<std::size_t>(at.digit(c))];
        }
    };
    rebuild(n - 1);
    for (;;) {
        f(at.point(), above[0]);
        const int changed = at.next();
        if (changed < 0) break;
        rebuild(changed);
    }
}

}  // namespace zuvo::cover
