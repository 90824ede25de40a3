#pragma once
// The local search behind every search: centres chosen among the points of a space (columns, or
// syndromes of the matrix method) so that the balls around them cover the points. Running sums
// per point (its uncovered weight within reach, a centre's weight covered by it alone) make every
// move cost a ball or two instead of a pass over the space.
//
// Covering everything with few centres: points left uncovered gain weight while they stay so, and
// the weights are forgotten slowly, which steers the exchanges out of the dead ends a plain greedy
// exchange falls into. Covering the most weight with a fixed number: annealed exchanges, each
// judged by its exact change.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <queue>
#include <utility>
#include <vector>

#include "model/cover/group.h"
#include "model/cover/space.h"

namespace zuvo::cover::detail {

class Rng {
  public:
    explicit Rng(std::uint64_t seed)
        : state_(seed * 0x9E3779B97F4A7C15ULL + 0x632BE59BD9B4E019ULL) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint32_t below(std::uint32_t n) {
        return static_cast<std::uint32_t>(((next() >> 32) * n) >> 32);
    }

  private:
    std::uint64_t state_;
};

// Every ball listed: one step ball moved to each point of a group of at most 65,536 points.
// Listing stops early when `expired()` (asked every few thousand points) says so; such balls are
// not complete and must not be searched.
class ListedBalls {
  public:
    template <class Expired>
    ListedBalls(const Group& group, const std::vector<Point>& step, Expired&& expired)
        : points_(group.size()),
          ball_(step.size()),
          entries_(static_cast<std::size_t>(points_) * ball_) {
        for (Point p = 0; p < points_; ++p) {
            if ((p & 0xFFF) == 0 && expired()) return;
            for (std::size_t i = 0; i < ball_; ++i)
                entries_[p * ball_ + i] = static_cast<std::uint16_t>(group.add(p, step[i]));
        }
        complete_ = true;
    }
    bool complete() const { return complete_; }
    Point points() const { return points_; }
    std::size_t ballSize() const { return ball_; }
    template <class F>
    void forEach(Point p, F&& f) const {
        const std::uint16_t* e = entries_.data() + static_cast<std::size_t>(p) * ball_;
        for (std::size_t i = 0; i < ball_; ++i) f(static_cast<Point>(e[i]));
    }

  private:
    Point points_;
    std::size_t ball_;
    std::vector<std::uint16_t> entries_;
    bool complete_ = false;
};

// Balls of a space too big to list, walked from the digits by strides.
class StrideBalls {
  public:
    StrideBalls(const Space& space, int radius)
        : space_(space),
          radius_(std::min(radius, space.length())),
          ball_(cover::ballSize(space, radius_)) {
        for (int c = 0; c < space.length(); ++c) stride_.push_back(space.stride(c));
    }
    Point points() const { return space_.size(); }
    std::size_t ballSize() const { return static_cast<std::size_t>(ball_); }
    template <class F>
    void forEach(Point p, F&& f) const {
        int digit[16];
        const int n = space_.length();
        Point rest = p;
        for (int c = 0; c < n; ++c) {
            digit[c] = static_cast<int>(rest % static_cast<Point>(space_.radix(c)));
            rest /= static_cast<Point>(space_.radix(c));
        }
        f(p);
        walk(digit, 0, radius_, static_cast<std::int64_t>(p), f);
    }

  private:
    template <class F>
    void walk(const int* digit, int from, int left, std::int64_t q, F& f) const {
        for (int c = from; c < space_.length(); ++c)
            for (int v = 0; v < space_.radix(c); ++v) {
                if (v == digit[c]) continue;
                const std::int64_t next =
                    q + static_cast<std::int64_t>(v - digit[c]) *
                            static_cast<std::int64_t>(stride_[static_cast<std::size_t>(c)]);
                f(static_cast<Point>(next));
                if (left > 1) walk(digit, c + 1, left - 1, next, f);
            }
    }

    Space space_;
    int radius_;
    std::uint64_t ball_;
    std::vector<Point> stride_;
};

// A set kept as a list with each member's place, for constant-time insert, erase and random pick.
class IndexedSet {
  public:
    IndexedSet() = default;
    // Makes room for the points below `universe`, none of them in the set.
    void grow(Point universe) { place_.resize(universe, kAbsent); }
    bool contains(Point p) const { return place_[p] != kAbsent; }
    void insert(Point p) {
        place_[p] = static_cast<Point>(items_.size());
        items_.push_back(p);
    }
    void erase(Point p) {
        const Point at = place_[p];
        const Point last = items_.back();
        items_[at] = last;
        place_[last] = at;
        items_.pop_back();
        place_[p] = kAbsent;
    }
    const std::vector<Point>& items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    bool empty() const { return items_.empty(); }

  private:
    static constexpr Point kAbsent = std::numeric_limits<Point>::max();
    std::vector<Point> items_;
    std::vector<Point> place_;
};

template <class Balls>
class Engine {
  public:
    static constexpr Point kNone = std::numeric_limits<Point>::max();

    // `weight` holds each point's fixed weight; empty for weight 1 everywhere, which also lets
    // points left uncovered gain weight (only a cover of everything uses that).
    Engine(const Balls& balls, std::vector<std::int64_t> weight, std::uint64_t seed)
        : balls_(balls),
          n_(balls.points()),
          unit_(weight.empty()),
          rng_(seed),
          weight_(std::move(weight)) {
        // A change costs up to a ball's size squared; `expired()` is asked about every million
        // of those steps, and at least every 64 changes.
        const std::uint64_t ball = balls.ballSize();
        checkEvery_ = std::clamp<std::uint64_t>((std::uint64_t{1} << 20) / (ball * ball), 1, 64);
    }

    // Sets everything up, all points uncovered, which must come before anything else. The big
    // arrays are filled a slice at a time so that `expired()` can cut it short (then false).
    template <class Expired>
    bool prepare(Expired&& expired) {
        constexpr Point kSlice = 1 << 16;
        if (unit_) weight_.reserve(n_);
        addScore_.reserve(n_);
        loss_.reserve(n_);
        count_.reserve(n_);
        coverSum_.reserve(n_);
        for (Point from = 0; from < n_; from += kSlice) {
            if (expired()) return false;
            const Point to = std::min(n_, from + kSlice);
            if (unit_) weight_.resize(to, 1);
            addScore_.resize(to, 0);
            loss_.resize(to, 0);
            count_.resize(to, 0);
            coverSum_.resize(to, 0);
            centers_.grow(to);
            uncovered_.grow(to);
            for (Point p = from; p < to; ++p) {
                uncovered_.insert(p);
                totalBase_ += weight_[p];
            }
        }
        uncoveredBase_ = totalBase_;
        forgetAt_ = kForgetAt * totalBase_;
        for (Point p = 0; p < n_; ++p) {
            if ((p & 0xFFF) == 0 && expired()) return false;
            balls_.forEach(p, [&](Point q) { addScore_[q] += weight_[p]; });
        }
        return true;
    }

    // Adds the points not yet centres; false when `expired()` cut it short.
    template <class Expired>
    bool addAll(const std::vector<Point>& points, Expired&& expired) {
        for (std::size_t i = 0; i < points.size(); ++i) {
            if (i % checkEvery_ == 0 && expired()) return false;
            if (!centers_.contains(points[i])) add(points[i]);
        }
        return true;
    }

    // Takes every centre out again; false when `expired()` cut it short.
    template <class Expired>
    bool clear(Expired&& expired) {
        for (std::uint64_t i = 1; !centers_.empty(); ++i) {
            if (i % checkEvery_ == 0 && expired()) return false;
            remove(centers_.items().back());
        }
        return true;
    }

    std::size_t size() const { return centers_.size(); }
    const std::vector<Point>& centers() const { return centers_.items(); }
    std::int64_t coveredBase() const { return totalBase_ - uncoveredBase_; }
    // The weight only centre `c` covers, and the uncovered weight in the ball of `v`.
    std::int64_t lossOf(Point c) const { return loss_[c]; }
    std::int64_t gainOf(Point v) const { return addScore_[v]; }

    void add(Point v) {
        centers_.insert(v);
        loss_[v] = 0;
        balls_.forEach(v, [&](Point p) {
            const auto c = ++count_[p];
            coverSum_[p] += v;
            if (c == 1) {
                uncovered_.erase(p);
                uncoveredBase_ -= baseOf(p);
                loss_[v] += weight_[p];
                const std::int64_t w = weight_[p];
                balls_.forEach(p, [&](Point q) { addScore_[q] -= w; });
            } else if (c == 2) {
                loss_[coverSum_[p] - v] -= weight_[p];
            }
        });
    }

    void remove(Point u) {
        centers_.erase(u);
        balls_.forEach(u, [&](Point p) {
            const auto c = --count_[p];
            coverSum_[p] -= u;
            if (c == 0) {
                uncovered_.insert(p);
                uncoveredBase_ += baseOf(p);
                const std::int64_t w = weight_[p];
                balls_.forEach(p, [&](Point q) { addScore_[q] += w; });
            } else if (c == 1) {
                loss_[coverSum_[p]] += weight_[p];
            }
        });
    }

    // Adds, for a random uncovered point, the best centre covering it, until all are covered;
    // false when `expired()` cut it short.
    template <class Expired>
    bool completeGreedily(Expired&& expired) {
        for (std::uint64_t i = 1; !uncovered_.empty(); ++i) {
            if (i % checkEvery_ == 0 && expired()) return false;
            add(bestAdd(pickUncovered(), kNone));
        }
        return true;
    }

    // Drops the centres that lose the least weight, one at a time, down to `k`; false when
    // `expired()` cut it short.
    template <class Expired>
    bool pruneTo(std::size_t k, Expired&& expired) {
        using Entry = std::pair<std::int64_t, Point>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<>> heap;
        for (Point c : centers_.items()) heap.emplace(loss_[c], c);
        for (std::uint32_t i = 0; centers_.size() > k && !heap.empty(); ++i) {
            if (i % checkEvery_ == 0 && expired()) return false;
            const auto [l, c] = heap.top();
            heap.pop();
            if (!centers_.contains(c)) continue;
            if (l != loss_[c]) {  // losses only grow while dropping: an old entry comes up early
                heap.emplace(loss_[c], c);
                continue;
            }
            remove(c);
        }
        return true;
    }

    // Global mode: exchanges at a fixed size; each time everything is covered, `covered(size)` is
    // told and the cheapest centre goes. Ends at `floor` centres, after `idleLimit` exchanges
    // without a smaller complete cover, or when `expired()` is true.
    template <class Covered, class Expired>
    void shrink(std::size_t floor, std::uint64_t idleLimit, Covered&& covered, Expired&& expired) {
        if (!completeGreedily(expired)) return;
        std::uint64_t idle = 0;
        for (std::uint64_t step = 1;; ++step) {
            if (uncovered_.empty()) {
                covered(centers_.size());
                if (centers_.size() <= floor || centers_.size() <= 1) return;
                remove(leastLoss(kNone));
                idle = 0;
                continue;
            }
            if (++idle > idleLimit) return;
            if (step % checkEvery_ == 0 && expired()) return;
            exchange();
        }
    }

    // Preferred mode: annealed exchanges at a fixed size, each judged by its exact change of the
    // covered weight. `progress()` (asked along with `expired()`) runs from 0 to 1
    // and cools the temperature from `hot` to `cold`, both relative to a centre's mean loss;
    // `better()` is told each time the covered weight beats the best so far.
    template <class Better, class Progress, class Expired>
    void anneal(double hot, double cold, Better&& better, Progress&& progress, Expired&& expired) {
        if (centers_.empty()) return;
        std::int64_t best = coveredBase();
        std::int64_t totalLoss = 0;
        for (Point c : centers_.items()) totalLoss += loss_[c];
        const double mean =
            std::max(1.0, static_cast<double>(totalLoss) / static_cast<double>(centers_.size()));
        double temperature = hot * mean;
        for (std::uint64_t step = 1; !uncovered_.empty(); ++step) {
            if (step % checkEvery_ == 0) {
                if (expired()) return;
                const double t = std::clamp(progress(), 0.0, 1.0);
                temperature = mean * hot * std::pow(cold / hot, t);
            }
            const auto& items = centers_.items();
            const Point u = items[rng_.below(static_cast<std::uint32_t>(items.size()))];
            const Point v = bestAdd(pickUncovered(), kNone);
            // What v covers that only u covered is not lost.
            std::int64_t shared = 0;
            balls_.forEach(v, [&](Point q) {
                if (count_[q] == 1 && coverSum_[q] == u) shared += weight_[q];
            });
            const std::int64_t delta = addScore_[v] + shared - loss_[u];
            if (delta < 0 && std::exp(static_cast<double>(delta) / temperature) * 4294967296.0 <=
                                 static_cast<double>(rng_.next() >> 32))
                continue;
            remove(u);
            add(v);
            if (coveredBase() > best) {
                best = coveredBase();
                better();
            }
        }
    }

  private:
    std::int64_t baseOf(Point p) const { return unit_ ? 1 : weight_[p]; }

    void exchange() {
        const Point u = leastLoss(lastAdded_);
        remove(u);
        const Point v = bestAdd(pickUncovered(), u);
        add(v);
        lastAdded_ = v;
        if (unit_) {
            for (Point p : uncovered_.items()) raise(p, 1);
            if (raisedTotal_ > forgetAt_) forget();
        }
    }

    void raise(Point p, std::int64_t d) {
        if (weight_[p] == 1) raisedPoints_.push_back(p);
        shift(p, d);
    }

    void shift(Point p, std::int64_t d) {
        if (d == 0) return;
        weight_[p] += d;
        raisedTotal_ += d;
        if (count_[p] == 0)
            balls_.forEach(p, [&](Point q) { addScore_[q] += d; });
        else if (count_[p] == 1)
            loss_[coverSum_[p]] += d;
    }

    void forget() {
        std::vector<Point> still;
        for (Point p : raisedPoints_) {
            const std::int64_t extra = weight_[p] - 1;
            const std::int64_t kept = extra / 2;
            shift(p, kept - extra);
            if (kept > 0) still.push_back(p);
        }
        raisedPoints_ = std::move(still);
    }

    // The centre whose removal uncovers the least weight: all of them when few, else the best of a
    // sample.
    Point leastLoss(Point excluded) {
        const auto& items = centers_.items();
        Point best = kNone;
        std::int64_t bestLoss = std::numeric_limits<std::int64_t>::max();
        std::uint32_t ties = 0;
        const auto consider = [&](Point c) {
            if (c == excluded && items.size() > 1) return;
            if (loss_[c] < bestLoss) {
                bestLoss = loss_[c];
                best = c;
                ties = 1;
            } else if (loss_[c] == bestLoss && rng_.below(++ties) == 0) {
                best = c;
            }
        };
        if (items.size() <= kScanAll) {
            for (Point c : items) consider(c);
        } else {
            for (int i = 0; i < kSample; ++i)
                consider(items[rng_.below(static_cast<std::uint32_t>(items.size()))]);
        }
        return best == kNone ? items.front() : best;
    }

    Point pickUncovered() {
        const auto& items = uncovered_.items();
        return items[rng_.below(static_cast<std::uint32_t>(items.size()))];
    }

    // The candidate in the ball of `p` that covers the most uncovered weight.
    Point bestAdd(Point p, Point excluded) {
        Point best = kNone;
        std::int64_t bestScore = std::numeric_limits<std::int64_t>::min();
        std::uint32_t ties = 0;
        balls_.forEach(p, [&](Point q) {
            if (q == excluded) return;
            if (addScore_[q] > bestScore) {
                bestScore = addScore_[q];
                best = q;
                ties = 1;
            } else if (addScore_[q] == bestScore && rng_.below(++ties) == 0) {
                best = q;
            }
        });
        return best == kNone ? excluded : best;
    }

    // Raised weight is halved once it passes this many times the base total: forgotten seldom,
    // so a point left uncovered for long keeps pulling.
    static constexpr std::int64_t kForgetAt = 1000;
    static constexpr std::size_t kScanAll = 128;
    static constexpr int kSample = 64;

    const Balls& balls_;
    Point n_;
    bool unit_;
    Rng rng_;
    std::vector<std::int64_t> weight_;
    std::vector<std::int64_t> addScore_;  // uncovered weight in each point's ball
    std::vector<std::int64_t> loss_;      // per centre: the weight only it covers
    std::vector<std::uint32_t> count_;    // centres covering each point
    std::vector<Point> coverSum_;         // their sum, which is the centre itself when alone
    IndexedSet centers_;
    IndexedSet uncovered_;
    std::vector<Point> raisedPoints_;  // points whose weight is above 1
    std::int64_t totalBase_ = 0;
    std::int64_t uncoveredBase_ = 0;
    std::int64_t raisedTotal_ = 0;
    std::int64_t forgetAt_ = 0;
    Point lastAdded_ = kNone;
    std::uint64_t checkEvery_ = 64;
};

}  // namespace zuvo::cover::detail
