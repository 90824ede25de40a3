// The searches under conditions: the engine on the admitted points alone (see FilteredBalls), so
// every centre is an allowed column and only the admitted combinations need covering.
#include <algorithm>
#include <cmath>

#include "model/cover/anneal_cover.h"
#include "model/cover/filtered_balls.h"
#include "model/cover/known.h"
#include "model/cover/preferred.h"
#include "model/cover/search.h"
#include "model/cover/verify.h"

namespace zuvo::cover {

namespace detail {

std::vector<std::int64_t> scaledWeights(const std::vector<double>& chance) {
    std::vector<std::int64_t> base(chance.size());
    for (std::size_t p = 0; p < chance.size(); ++p)
        base[p] = std::max<std::int64_t>(0, std::llround(std::ldexp(chance[p], 40)));
    return base;
}

}  // namespace detail

namespace {

using Clock = std::chrono::steady_clock;
using detail::Engine;
using detail::FilteredBalls;

// Places among the admitted points, turned into points of the space, and back.
System pointsOf(const Filter& filter, const std::vector<Point>& places) {
    System out;
    out.reserve(places.size());
    for (Point i : places) out.push_back(filter.points()[i]);
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<Point> placesOf(const Filter& filter, const System& system) {
    std::vector<Point> out;
    out.reserve(system.size());
    for (Point p : system) out.push_back(filter.place(p));
    return out;
}

// Of the annealing, by the seed's parity so that the searches on two cores differ: a move that
// uncovers one more point is taken about one time in 55 or in 17.
constexpr double kTemperature[] = {0.25, 0.35};

System admittedPoints(const Filter& filter) {
    return System(filter.points().begin(), filter.points().end());
}

}  // namespace

System searchGlobal(const Filter& filter, int radius, std::uint64_t seed,
                    const SearchLimits& limits, const Improved& improved) {
    if (!filter.active()) return searchGlobal(filter.space(), radius, seed, limits, improved);
    if (filter.count() == 0) return {};
    const Space& space = filter.space();
    const auto tell = [&](const System& s) {
        if (improved && !s.empty()) improved(s);
        return s;
    };
    if (radius >= space.length()) return tell(System{filter.points().front()});
    if (radius <= 0) return tell(admittedPoints(filter));
    const auto expired = [&] {
        return limits.stop.stop_requested() || Clock::now() >= limits.deadline;
    };
    const FilteredBalls balls(filter, radius, expired);
    System best;
    if (!balls.complete()) return best;
    const std::uint64_t m = filter.count();
    const std::size_t floor = static_cast<std::size_t>(
        std::max<std::uint64_t>(1, (m + balls.ballSize() - 1) / balls.ballSize()));
    detail::Rng rng(seed);
    std::vector<Point> pending;
    auto lastReport = Clock::now() - std::chrono::seconds(1);
    const auto offer = [&](const std::vector<Point>& places) {
        System system = pointsOf(filter, places);
        if (!best.empty() && system.size() >= best.size()) return;
        if (!covers(filter, system, radius)) return;
        best = std::move(system);
        if (improved) improved(best);
    };
    // The admitted columns of a good system of the whole space are a start spread evenly over the
    // admitted points; every other walk starts empty.
    std::vector<Point> quick;
    for (Point p : quickSystem(space, radius))
        if (filter.admits(p)) quick.push_back(filter.place(p));
    // The weighted exchanges find a good cover fast but stall there; the annealing below goes on
    // from the best of them for the rest of the time.
    const auto now = Clock::now();
    const auto exchangesEnd = now + (limits.deadline - now) / 10;
    const auto exchangesExpired = [&] { return expired() || Clock::now() >= exchangesEnd; };
    // Fresh walks, each allowed to idle twice as long as the last before it gives up.
    for (int tries = 0; !exchangesExpired() && best.size() != floor; ++tries) {
        Engine<FilteredBalls> engine(balls, {}, rng.next());
        if (!engine.prepare(exchangesExpired)) break;
        if (tries % 2 == 0 && !engine.addAll(quick, exchangesExpired)) break;
        const std::uint64_t idle = (2000 + 4 * m) << std::min(tries, 20);
        engine.shrink(
            floor, idle,
            [&](std::size_t size) {
                if (!best.empty() && size >= best.size()) return;
                if (pending.empty() || size < pending.size()) pending = engine.centers();
                if (Clock::now() - lastReport > std::chrono::milliseconds(200)) {
                    offer(pending);
                    pending.clear();
                    lastReport = Clock::now();
                }
            },
            exchangesExpired);
        if (!pending.empty()) {
            offer(pending);
            pending.clear();
        }
    }
    if (best.size() == floor) return best;
    detail::AnnealCover<FilteredBalls> walk(balls, rng.next());
    for (Point p : best.empty() ? quick : placesOf(filter, best)) walk.add(p);
    if (!walk.completeGreedily(expired)) return best;
    offer(walk.centers());
    while (!expired() && walk.size() > floor) {
        walk.dropCheapest();
        if (!walk.anneal(kTemperature[seed % 2], expired)) break;
        offer(walk.centers());
    }
    return best;
}

System searchPreferred(const Filter& filter, int radius, const std::vector<double>& chance,
                       std::size_t budget, std::uint64_t seed, const SearchLimits& limits,
                       const Improved& improved) {
    if (!filter.active())
        return searchPreferred(filter.space(), radius, chance, budget, seed, limits, improved);
    const Space& space = filter.space();
    if (filter.count() == 0 || budget == 0 || chance.size() != space.size()) return {};
    const auto expired = [&] {
        return limits.stop.stop_requested() || Clock::now() >= limits.deadline;
    };
    // The chance of each admitted point, by its place.
    std::vector<double> own(filter.count());
    for (std::size_t i = 0; i < own.size(); ++i) own[i] = chance[filter.points()[i]];
    std::vector<std::int64_t> base = detail::scaledWeights(own);
    System best;
    double bestChance = -1;
    const auto offer = [&](const std::vector<Point>& places) {
        if (places.empty() || places.size() > budget) return;
        System system = pointsOf(filter, places);
        // Only the admitted combinations count.
        std::vector<std::uint8_t> dist;
        boundedDistances(space, system, radius, dist);
        double covered = 0;
        for (Point p : filter.points())
            if (dist[p] != kUncovered) covered += chance[p];
        if (covered <= bestChance) return;
        bestChance = covered;
        best = std::move(system);
        if (improved) improved(best);
    };
    if (radius <= 0) {  // nothing to search: the most likely admitted points
        std::vector<Point> places(own.size());
        for (Point i = 0; i < places.size(); ++i) places[i] = i;
        const std::size_t k = std::min(budget, places.size());
        std::partial_sort(places.begin(), places.begin() + static_cast<std::ptrdiff_t>(k),
                          places.end(), [&](Point x, Point y) { return own[x] > own[y]; });
        places.resize(k);
        offer(places);
        return best;
    }
    if (radius >= space.length()) {
        offer({0});
        return best;
    }
    const FilteredBalls balls(filter, radius, expired);
    if (!balls.complete()) return best;
    const std::vector<Point> greedy = detail::greedyChoice(
        balls, base, budget, expired, Clock::now() + std::chrono::milliseconds(500), offer);
    offer(greedy);
    if (expired()) return best;
    // A global system of the conditioned set, when it fits the budget, covers all of it.
    const auto now = Clock::now();
    const SearchLimits global{now + (limits.deadline - now) * 3 / 10, limits.stop};
    const System cover = searchGlobal(filter, radius, seed, global, Improved{});
    if (!cover.empty() && cover.size() <= budget) {
        offer(placesOf(filter, cover));
        return best;
    }
    Engine<FilteredBalls> engine(balls, std::move(base), seed + 1);
    if (!engine.prepare(expired)) return best;
    // The start: the greedy choice or the global system pruned to the budget, whichever covers
    // more.
    std::vector<Point> start = greedy;
    if (!cover.empty()) {
        const std::vector<Point> places = placesOf(filter, cover);
        std::int64_t greedyCovered = -1;
        if (!greedy.empty()) {
            if (!engine.addAll(greedy, expired)) return best;
            greedyCovered = engine.coveredBase();
            if (!engine.clear(expired)) return best;
        }
        if (!engine.addAll(places, expired) || !engine.pruneTo(budget, expired)) return best;
        if (engine.coveredBase() > greedyCovered) start = engine.centers();
        offer(start);
        if (!engine.clear(expired)) return best;
    }
    detail::annealFrom(engine, start, limits.deadline, expired, offer);
    return best;
}

std::uint64_t searchMemory(const Filter& filter, int radius, bool preferred) {
    const std::uint64_t n = filter.space().size();
    const std::uint64_t ball = ballSize(filter.space(), radius);
    // Checking a system: distances, the frontiers of the walk and the system itself.
    const std::uint64_t check = 13 * n;
    // The engine holds about 44 bytes a point, the greedy choice before it about 40.
    constexpr std::uint64_t kEngine = 44;
    if (filter.active()) {
        const std::uint64_t m = filter.count();
        const std::uint64_t listed =
            m * ball <= FilteredBalls::kMaxListed ? 4 * m * ball + 4 * m : 0;
        return check + listed + kEngine * m;
    }
    // The global search lists balls of its groups (at most 16 MB) and builds systems of the space;
    // the preferred one adds an engine on the whole space.
    const std::uint64_t global = (std::uint64_t{16} << 20) + check;
    return preferred ? global + kEngine * n : global;
}

}  // namespace zuvo::cover
