#pragma once
// The two steps of a preferred search that do not depend on the space's shape: the greedy choice
// (the column adding the most weight, one at a time) that gives a first answer at once, and the
// annealed exchanges that improve a start. Both work on any balls the engine takes.
#include <chrono>
#include <cstdint>
#include <functional>
#include <queue>
#include <utility>
#include <vector>

#include "model/cover/engine.h"

namespace zuvo::cover::detail {

// Past this many steps (candidates times ball size) the greedy choice looks only at the heaviest
// points as candidates: a ball's weight is mostly near its centre, and the answer must be quick.
constexpr std::uint64_t kGreedyWork = std::uint64_t{48} << 20;

// Lazy greedy: a candidate's gain only falls as others are taken, so a stale gain is an upper
// bound and only the top of the queue is looked at again. Ends at `budget` columns, when nothing
// more is gained, or when `expired()` says so (then with the columns taken so far).
template <class Balls, class Expired>
std::vector<Point> greedyChoice(const Balls& balls, const std::vector<std::int64_t>& weight,
                                std::size_t budget, Expired&& expired) {
    const Point n = balls.points();
    const std::uint64_t ball = std::max<std::uint64_t>(1, balls.ballSize());
    std::vector<Point> candidates(n);
    for (Point p = 0; p < n; ++p) candidates[p] = p;
    const std::uint64_t most =
        std::max<std::uint64_t>(kGreedyWork / ball, 2 * std::uint64_t{budget});
    if (most < n) {
        const auto heavier = [&](Point x, Point y) { return weight[x] > weight[y]; };
        std::nth_element(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(most),
                         candidates.end(), heavier);
        candidates.resize(static_cast<std::size_t>(most));
    }
    std::vector<std::uint8_t> covered(n, 0);
    const auto gain = [&](Point c) {
        std::int64_t g = 0;
        balls.forEach(c, [&](Point q) {
            if (!covered[q]) g += weight[q];
        });
        return g;
    };
    using Entry = std::pair<std::int64_t, Point>;
    std::vector<Entry> initial;
    initial.reserve(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if ((i & 0x3FF) == 0 && expired()) return {};
        initial.emplace_back(gain(candidates[i]), candidates[i]);
    }
    std::priority_queue<Entry> queue(std::less<Entry>{}, std::move(initial));
    std::vector<Point> chosen;
    for (std::uint64_t step = 1; chosen.size() < budget && !queue.empty(); ++step) {
        if ((step & 0x3F) == 0 && expired()) break;
        const Point c = queue.top().second;
        queue.pop();
        const std::int64_t g = gain(c);
        if (g <= 0) continue;
        if (!queue.empty() && g < queue.top().first) {
            queue.emplace(g, c);
            continue;
        }
        chosen.push_back(c);
        balls.forEach(c, [&](Point q) { covered[q] = 1; });
    }
    return chosen;
}

// Annealed exchanges from `start` (an engine just prepared, with no centres) until `end` or
// `expired()`; `offer` gets each better set of centres, spaced out since the caller checks each
// over the whole space, and the last one at the end.
template <class Balls, class Expired, class Offer>
void annealFrom(Engine<Balls>& engine, const std::vector<Point>& start,
                std::chrono::steady_clock::time_point end, Expired&& expired, Offer&& offer) {
    using Clock = std::chrono::steady_clock;
    // Temperatures relative to a column's mean loss.
    constexpr double kHot = 0.03;
    constexpr double kCold = 0.0003;
    if (start.empty() || !engine.addAll(start, expired)) return;
    std::vector<Point> best;
    bool pending = false;
    const auto begin = Clock::now();
    auto lastReport = begin;
    const double span = std::max(1e-3, std::chrono::duration<double>(end - begin).count());
    engine.anneal(
        kHot, kCold,
        [&] {
            best = engine.centers();
            pending = true;
            if (Clock::now() - lastReport > std::chrono::milliseconds(200)) {
                offer(best);
                pending = false;
                lastReport = Clock::now();
            }
        },
        [&] { return std::chrono::duration<double>(Clock::now() - begin).count() / span; },
        expired);
    if (pending) offer(best);
}

// Integer weights keep the engine's running sums exact: the chances scaled to about 2^40 in all.
std::vector<std::int64_t> scaledWeights(const std::vector<double>& chance);

}  // namespace zuvo::cover::detail
