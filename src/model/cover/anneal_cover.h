#pragma once
// Annealing towards a cover with a fixed number of centres: the cost is the number of points left
// uncovered, a move takes one centre to a point of the ball of an uncovered point, and worse moves
// are taken with the Metropolis chance. Each move is judged by walking three balls, with no running
// sums to keep, so millions of moves a second fit the small conditioned sets where the weighted
// exchanges of the engine stall. Each time everything is covered, the centre that alone covers the
// fewest points goes and the walk goes on one centre smaller.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "model/cover/engine.h"

namespace zuvo::cover::detail {

template <class Balls>
class AnnealCover {
  public:
    AnnealCover(const Balls& balls, std::uint64_t seed)
        : balls_(balls),
          n_(balls.points()),
          rng_(seed),
          count_(n_, 0),
          sole_(n_, 0),
          isCenter_(n_, 0) {
        uncovered_.grow(n_);
        centers_.grow(n_);
        for (Point p = 0; p < n_; ++p) uncovered_.insert(p);
    }

    std::size_t size() const { return centers_.size(); }
    std::size_t uncovered() const { return uncovered_.size(); }
    const std::vector<Point>& centers() const { return centers_.items(); }

    void add(Point v) {
        if (isCenter_[v]) return;
        isCenter_[v] = 1;
        centers_.insert(v);
        balls_.forEach(v, [&](Point q) {
            if (count_[q]++ == 0) uncovered_.erase(q);
            sole_[q] += v;
        });
    }

    void remove(Point u) {
        isCenter_[u] = 0;
        centers_.erase(u);
        balls_.forEach(u, [&](Point q) {
            if (--count_[q] == 0) uncovered_.insert(q);
            sole_[q] -= u;
        });
    }

    // Adds, for a random uncovered point, the centre in its ball that covers the most uncovered
    // points, until all are covered; false when `expired()` cut it short.
    template <class Expired>
    bool completeGreedily(Expired&& expired) {
        for (std::uint64_t i = 1; !uncovered_.empty(); ++i) {
            if (i % 64 == 0 && expired()) return false;
            const Point x =
                uncovered_.items()[rng_.below(static_cast<std::uint32_t>(uncovered_.size()))];
            Point best = x;
            int bestGain = -1;
            balls_.forEach(x, [&](Point v) {
                int gain = 0;
                balls_.forEach(v, [&](Point q) { gain += count_[q] == 0; });
                if (gain > bestGain) {
                    bestGain = gain;
                    best = v;
                }
            });
            add(best);
        }
        return true;
    }

    // Removes, in random order, every centre whose points are all covered by others too.
    void dropRedundant() {
        std::vector<Point> order = centers_.items();
        for (std::size_t i = order.size(); i > 1; --i)
            std::swap(order[i - 1], order[rng_.below(static_cast<std::uint32_t>(i))]);
        for (Point c : order)
            if (loss(c) == 0) remove(c);
    }

    // Removes the centre that alone covers the fewest points (the lowest of a tie picked at
    // random).
    void dropCheapest() {
        Point best = centers_.items().front();
        int bestLoss = std::numeric_limits<int>::max();
        std::uint32_t ties = 0;
        for (Point c : centers_.items()) {
            const int l = loss(c);
            if (l < bestLoss) {
                bestLoss = l;
                best = c;
                ties = 1;
            } else if (l == bestLoss && rng_.below(++ties) == 0) {
                best = c;
            }
        }
        remove(best);
    }

    // Anneals at the present size until everything is covered (true) or `expired()`, asked every
    // `kCheckEvery` moves, says so (false). `temperature` is in uncovered points.
    template <class Expired>
    bool anneal(double temperature, Expired&& expired) {
        for (std::uint64_t step = 1; !uncovered_.empty(); ++step) {
            if (step % kCheckEvery == 0 && expired()) return false;
            move(temperature);
        }
        return true;
    }

  private:
    int loss(Point u) const {
        int l = 0;
        balls_.forEach(u, [&](Point q) { l += count_[q] == 1; });
        return l;
    }

    void move(double temperature) {
        const Point x =
            uncovered_.items()[rng_.below(static_cast<std::uint32_t>(uncovered_.size()))];
        const Point v = pick(x);
        if (isCenter_[v]) return;
        const Point u = nearCenter(v);
        // Points only u covers are lost unless v covers them; uncovered ones in v's ball gained.
        int delta = loss(u);
        balls_.forEach(v, [&](Point q) {
            if (count_[q] == 0)
                --delta;
            else if (count_[q] == 1 && sole_[q] == u)
                --delta;
        });
        if (delta > 0 &&
            std::exp(-delta / temperature) * 4294967296.0 <= static_cast<double>(rng_.next() >> 32))
            return;
        remove(u);
        add(v);
    }

    Point pick(Point x) {
        Point chosen = x;
        std::uint32_t seen = 0;
        balls_.forEach(x, [&](Point q) {
            if (rng_.below(++seen) == 0) chosen = q;
        });
        return chosen;
    }

    // A centre within two balls of `v` when a few random tries find one, else any centre.
    Point nearCenter(Point v) {
        for (int tries = 0; tries < 4; ++tries) {
            const Point q = pick(v);
            if (count_[q] == 0) continue;
            Point found = kNone;
            std::uint32_t seen = 0;
            balls_.forEach(q, [&](Point c) {
                if (isCenter_[c] && rng_.below(++seen) == 0) found = c;
            });
            if (found != kNone) return found;
        }
        const auto& items = centers_.items();
        return items[rng_.below(static_cast<std::uint32_t>(items.size()))];
    }

    static constexpr Point kNone = std::numeric_limits<Point>::max();
    static constexpr std::uint64_t kCheckEvery = 1024;  // well under a millisecond of moves

    const Balls& balls_;
    Point n_;
    Rng rng_;
    std::vector<std::uint32_t> count_;  // centres covering each point
    std::vector<Point> sole_;           // their sum: the centre itself when alone
    std::vector<std::uint8_t> isCenter_;
    IndexedSet centers_;
    IndexedSet uncovered_;
};

}  // namespace zuvo::cover::detail
