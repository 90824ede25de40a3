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
// Up to this many steps (columns times ball size squared) each taken column lowers the gains of
// the candidates it concerns at once; past it, a candidate's gain is walked again when it comes
// up (lazy greedy: a stale gain is an upper bound, since gains only fall).
constexpr std::uint64_t kKeptGainsWork = std::uint64_t{512} << 20;

// The column adding the most weight, one at a time. Ends at `budget` columns or when nothing more
// is gained. When the choice is still running at `soon`, `early` gets the columns taken so far
// filled up to the budget with the candidates of the greatest gains known then, so that an answer
// comes at once; when `expired()` ends it, it returns the same.
template <class Balls, class Expired, class Early>
std::vector<Point> greedyChoice(const Balls& balls, const std::vector<std::int64_t>& weight,
                                std::size_t budget, Expired&& expired,
                                std::chrono::steady_clock::time_point soon, Early&& early) {
    const Point n = balls.points();
    const std::uint64_t ball = std::max<std::uint64_t>(1, balls.ballSize());
    std::vector<Point> candidates(n);
    for (Point p = 0; p < n; ++p) candidates[p] = p;
    const std::uint64_t most =
        std::max<std::uint64_t>(kGreedyWork / ball, 2 * std::uint64_t{budget});
    const auto heavier = [&](Point x, Point y) { return weight[x] > weight[y]; };
    if (most < n) {
        std::nth_element(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(most),
                         candidates.end(), heavier);
        candidates.resize(static_cast<std::size_t>(most));
    }
    const bool kept = std::uint64_t{budget} * ball * ball <= kKeptGainsWork;
    std::vector<std::uint8_t> covered(n, 0), taken(n, 0), candidate(kept ? n : 0, 0);
    std::vector<std::int64_t> gain(n, 0);
    const auto walkGain = [&](Point c) {
        std::int64_t g = 0;
        balls.forEach(c, [&](Point q) {
            if (!covered[q]) g += weight[q];
        });
        return g;
    };
    std::vector<Point> chosen;
    // The columns taken so far, filled up to the budget with the candidates of the greatest gains
    // known now (walked or not since the last column was taken).
    const auto filled = [&] {
        std::vector<Point> out = chosen, rest;
        for (Point c : candidates)
            if (!taken[c] && gain[c] > 0) rest.push_back(c);
        const std::size_t k = std::min(rest.size(), budget - std::min(budget, chosen.size()));
        std::partial_sort(rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(k), rest.end(),
                          [&](Point x, Point y) { return gain[x] > gain[y]; });
        out.insert(out.end(), rest.begin(), rest.begin() + static_cast<std::ptrdiff_t>(k));
        return out;
    };
    using Entry = std::pair<std::int64_t, Point>;
    std::vector<Entry> initial;
    initial.reserve(candidates.size());
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if ((i & 0x3FF) == 0 && expired()) return filled();
        const Point c = candidates[i];
        gain[c] = walkGain(c);
        if (kept) candidate[c] = 1;
        initial.emplace_back(gain[c], c);
    }
    std::priority_queue<Entry> queue(std::less<Entry>{}, std::move(initial));
    bool told = false;
    for (std::uint64_t step = 1; chosen.size() < budget && !queue.empty(); ++step) {
        if ((step & 0x3F) == 0) {
            if (expired()) return filled();
            if (!told && std::chrono::steady_clock::now() >= soon) {
                told = true;
                early(filled());
            }
        }
        const auto [stale, c] = queue.top();
        queue.pop();
        if (!kept) gain[c] = walkGain(c);
        if (gain[c] <= 0) continue;
        // Walking gains again is what costs here: a gain within 1/64 of the best known will do.
        const std::int64_t top = queue.empty() ? 0 : queue.top().first;
        if (gain[c] < stale && !queue.empty() && gain[c] < (kept ? top : top - top / 64)) {
            queue.emplace(gain[c], c);
            continue;
        }
        chosen.push_back(c);
        taken[c] = 1;
        balls.forEach(c, [&](Point q) {
            if (covered[q]) return;
            covered[q] = 1;
            if (!kept) return;
            const std::int64_t w = weight[q];
            balls.forEach(q, [&](Point r) {
                if (candidate[r]) gain[r] -= w;
            });
        });
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
