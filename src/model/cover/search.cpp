#include "model/cover/search.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>
#include <numeric>

#include "model/cover/engine.h"
#include "model/cover/group.h"
#include "model/cover/known.h"
#include "model/cover/preferred.h"
#include "model/cover/verify.h"

namespace zuvo::cover {

namespace {

using Clock = std::chrono::steady_clock;
using detail::Engine;
using detail::ListedBalls;
using detail::Rng;
using detail::StrideBalls;

// Listed balls cost two bytes per entry; past this many a space is walked by strides instead.
constexpr std::uint64_t kMaxListed = std::uint64_t{8} << 20;
constexpr Point kMaxGroup = 65536;
constexpr int kMatrixDraws = 12;
constexpr int kImages = 256;
// A preferred search that has not finished its greedy choice by then gives what it has.
constexpr auto kSoon = std::chrono::milliseconds(500);

struct Deadline {
    Clock::time_point at;
    std::stop_token stop;
    bool expired() const { return stop.stop_requested() || Clock::now() >= at; }
};

System trivialSystem() {
    return System{0};
}

System fullSpace(const Space& space) {
    System all(space.size());
    std::iota(all.begin(), all.end(), Point{0});
    return all;
}

// The columns of the identity: each coordinate's own unit.
Matrix identity(const Space& space) {
    Matrix h{space, {}};
    for (int c = 0; c < space.length(); ++c) h.column.push_back(space.stride(c));
    return h;
}

// One way to run the matrix method: syndromes in Z3^k1 x Z2^k2.
struct Plan {
    Space group;
    std::uint64_t multiple = 1;  // points per syndrome
    std::uint64_t lower = 0;     // no system of this plan can be smaller
    std::uint64_t reached = 0;   // the smallest this plan has given so far
    bool direct = false;         // the syndromes are the points themselves
    int tries = 0;
    double spent = 0;  // seconds
    Matrix matrix;     // the matrix of the smallest cover so far
    std::size_t matrixSize = ~std::size_t{0};
};

constexpr std::uint64_t kNotYet = ~std::uint64_t{0};
constexpr std::size_t kNoCover = ~std::size_t{0};
constexpr std::uint32_t kWorseMove = 20;  // one in this many worse matrices is taken

class GlobalSearch {
  public:
    GlobalSearch(const Space& space, int radius, std::uint64_t seed, Deadline deadline,
                 const Improved& improved, System start)
        : space_(space),
          radius_(radius),
          rng_(seed),
          deadline_(std::move(deadline)),
          improved_(improved),
          best_(std::move(start)) {
        const auto known = bestKnownSize(space.three, space.two, radius);
        floor_ = std::max(sphereBound(space, radius), known.value_or(0));
    }

    System run() {
        if (best_.size() <= floor_) return best_;
        std::vector<Plan> plans = makePlans();
        const auto started = Clock::now();
        while (!deadline_.expired()) {
            // Time is shared among the plans that can still win, each weighted by how close it
            // came to the best so far: the next try goes to the plan furthest behind its share.
            Plan* next = nullptr;
            double lag = 0;
            for (Plan& plan : plans) {
                if (plan.lower >= best_.size()) continue;
                const double weight = plan.reached == kNotYet
                                          ? 1.0
                                          : std::pow(static_cast<double>(best_.size()) /
                                                         static_cast<double>(plan.reached),
                                                     8);
                const double behind = plan.spent / weight;
                if (next == nullptr || behind < lag) {
                    next = &plan;
                    lag = behind;
                }
            }
            if (next == nullptr) break;
            // Each try of the direct walk may be twice as long as the last, so it is not cut
            // short where it needs a long walk; a matrix plan mostly needs many fresh matrices,
            // so its walks grow slowly.
            const std::uint64_t base = 2000 + 4 * std::uint64_t{next->group.size()};
            const std::uint64_t idle =
                base << (next->direct ? std::min(next->tries, 20) : std::min(next->tries / 4, 4));
            ++next->tries;
            const auto begin = Clock::now();
            const auto longest =
                std::max<Clock::duration>(std::chrono::milliseconds(50), begin - started);
            attempt(*next, idle, std::min(deadline_.at, begin + longest));
            next->spent += std::chrono::duration<double>(Clock::now() - begin).count();
            if (best_.size() <= floor_) break;
        }
        return best_;
    }

  private:
    std::vector<Plan> makePlans() const {
        std::vector<Plan> plans;
        const Point n = space_.size();
        const std::uint64_t ball = ballSize(space_, radius_);
        for (int k1 = 0; k1 <= space_.three; ++k1)
            for (int k2 = 0; k2 <= space_.two; ++k2) {
                const Space g{k1, k2};
                const std::uint64_t size = g.size();
                if (k1 + k2 == 0 || size > kMaxGroup) continue;
                const std::uint64_t reach = std::min<std::uint64_t>(size, ball);
                if (size * reach > kMaxListed) continue;
                const std::uint64_t multiple = n / size;
                Plan plan;
                plan.group = g;
                plan.multiple = multiple;
                plan.lower = (size + reach - 1) / reach * multiple;
                plan.reached = kNotYet;
                plan.direct = multiple == 1;
                plans.push_back(std::move(plan));
            }
        std::sort(plans.begin(), plans.end(),
                  [](const Plan& x, const Plan& y) { return x.group.size() < y.group.size(); });
        return plans;
    }

    // A syndrome group with the columns a matrix may use: nonzero three-way columns whose lowest
    // nonzero digit is 1 (the other nonzero multiple adds no new steps), and nonzero two-way ones.
    struct Syndromes {
        explicit Syndromes(const Space& g) : group(g) {
            const Point threeSize = Space{g.three, 0}.size();
            for (Point t = 1; t < threeSize; ++t) {
                int lowest = 0;
                for (int c = 0; c < g.three && lowest == 0; ++c) lowest = g.digit(t, c);
                if (lowest == 1) three.push_back(t);
            }
            for (Point u = 1; u < Space{0, g.two}.size(); ++u) two.push_back(u * threeSize);
        }
        Group group;
        std::vector<Point> three;
        std::vector<Point> two;
    };

    Syndromes& syndromes(const Space& g) {
        const auto key = std::make_pair(g.three, g.two);
        auto it = groups_.find(key);
        if (it == groups_.end()) it = groups_.emplace(key, std::make_unique<Syndromes>(g)).first;
        return *it->second;
    }

    // Random columns: distinct while there are enough, and of full rank. Of a few such matrices
    // the one whose step ball holds the most distinct syndromes: coinciding sums of steps waste
    // covering, and such matrices rarely give small systems.
    bool randomMatrix(Syndromes& syn, Matrix& h, std::vector<Point>& step) {
        const Group& g = syn.group;
        const Space& gs = g.space();
        const std::size_t most = std::min<std::uint64_t>(g.size(), ballSize(space_, radius_));
        step.clear();
        Matrix candidate;
        for (int tries = 0, drawn = 0; tries < 200 && drawn < kMatrixDraws && step.size() < most;
             ++tries) {
            candidate = Matrix{gs, {}};
            pick(syn.three, space_.three, candidate.column);
            pick(syn.two, space_.two, candidate.column);
            if (matrixRank(g, candidate) != gs.three + gs.two) continue;
            ++drawn;
            std::vector<Point> ball = stepBall(g, candidate, radius_);
            if (ball.size() > step.size()) {
                step = std::move(ball);
                h = candidate;
            }
        }
        return !step.empty();
    }

    // The plan's best matrix with one column replaced by another unused one, of full rank.
    bool mutatedMatrix(Syndromes& syn, const Matrix& from, Matrix& h, std::vector<Point>& step) {
        const Group& g = syn.group;
        for (int tries = 0; tries < 20; ++tries) {
            h = from;
            const auto i = rng_.below(static_cast<std::uint32_t>(h.column.size()));
            const auto& choices = static_cast<int>(i) < space_.three ? syn.three : syn.two;
            if (choices.empty()) continue;
            const Point c = choices[rng_.below(static_cast<std::uint32_t>(choices.size()))];
            if (std::find(h.column.begin(), h.column.end(), c) != h.column.end()) continue;
            h.column[i] = c;
            if (matrixRank(g, h) != g.space().three + g.space().two) continue;
            step = stepBall(g, h, radius_);
            return true;
        }
        return false;
    }

    void pick(std::vector<Point>& from, int count, std::vector<Point>& out) {
        if (count == 0) return;
        if (from.empty()) {  // no syndrome part for these coordinates: they stay free
            out.insert(out.end(), static_cast<std::size_t>(count), Point{0});
            return;
        }
        if (static_cast<std::size_t>(count) <= from.size()) {
            for (int i = 0; i < count; ++i) {
                const auto j = i + rng_.below(static_cast<std::uint32_t>(from.size()) -
                                              static_cast<std::uint32_t>(i));
                std::swap(from[static_cast<std::size_t>(i)], from[j]);
                out.push_back(from[static_cast<std::size_t>(i)]);
            }
        } else {
            for (int i = 0; i < count; ++i)
                out.push_back(from[rng_.below(static_cast<std::uint32_t>(from.size()))]);
        }
    }

    void attempt(Plan& plan, std::uint64_t idle, Clock::time_point end) {
        Syndromes& syn = syndromes(plan.group);
        const Group& g = syn.group;
        Matrix h;
        std::vector<Point> step;
        if (plan.direct) {
            h = identity(space_);
            step = stepBall(g, h, radius_);
        } else if (plan.matrix.column.empty() || rng_.below(2) == 0) {
            // Half the tries walk from the plan's best matrix, half draw a fresh one.
            if (!randomMatrix(syn, h, step)) return;
        } else if (!mutatedMatrix(syn, plan.matrix, h, step)) {
            return;
        }
        const auto expired = [&] { return deadline_.expired() || Clock::now() >= end; };
        const ListedBalls balls(g, step, expired);
        Engine<ListedBalls> engine(balls, {}, rng_.next());
        if (!balls.complete() || !engine.prepare(expired)) return;
        const std::size_t floor = static_cast<std::size_t>(
            std::max<std::uint64_t>(1, (floor_ + plan.multiple - 1) / plan.multiple));
        std::vector<std::uint8_t> chosen(g.size());
        std::size_t smallest = kNoCover;
        engine.shrink(
            floor, idle,
            [&](std::size_t size) {
                plan.reached = std::min<std::uint64_t>(plan.reached, size * plan.multiple);
                smallest = std::min(smallest, size);
                if (size * plan.multiple >= best_.size()) return;
                std::fill(chosen.begin(), chosen.end(), 0);
                for (Point s : engine.centers()) chosen[s] = 1;
                offer(systemOf(space_, g, h, chosen, [this] { return deadline_.expired(); }));
            },
            expired);
        // The walk over matrices moves on at ties, so it crosses plateaus, and now and then to a
        // worse one, so it leaves a dead end.
        if (!plan.direct && smallest != kNoCover &&
            (smallest <= plan.matrixSize || rng_.below(kWorseMove) == 0)) {
            plan.matrixSize = smallest;
            plan.matrix = h;
        }
    }

    void offer(System system) {
        if (system.empty() || system.size() >= best_.size()) return;
        std::vector<std::uint8_t> dist;
        if (!boundedDistances(space_, system, radius_, dist,
                              [this] { return deadline_.expired(); }))
            return;
        if (std::any_of(dist.begin(), dist.end(), [](std::uint8_t d) { return d == kUncovered; }))
            return;
        std::sort(system.begin(), system.end());
        best_ = std::move(system);
        if (improved_) improved_(best_);
    }

    Space space_;
    int radius_;
    Rng rng_;
    Deadline deadline_;
    Improved improved_;
    System best_;
    std::uint64_t floor_ = 1;
    std::map<std::pair<int, int>, std::unique_ptr<Syndromes>> groups_;
};

// The degenerate cases every search answers at once; nullopt for a real search.
std::optional<System> immediate(const Space& space, int radius) {
    if (!space.valid()) return System{};
    if (space.length() == 0 || radius >= space.length()) return trivialSystem();
    if (radius <= 0) return fullSpace(space);
    return std::nullopt;
}

// Reports a preferred system when its exactly recomputed chance beats the last one reported.
class PreferredReport {
  public:
    PreferredReport(const Space& space, int radius, const std::vector<double>& chance,
                    std::size_t budget, const Improved& improved)
        : space_(space), radius_(radius), chance_(chance), budget_(budget), improved_(improved) {}

    void offer(System system) {
        const Point n = space_.size();
        if (system.empty() || system.size() > budget_ ||
            std::any_of(system.begin(), system.end(), [n](Point p) { return p >= n; }))
            return;
        const double covered = coveredChance(space_, system, radius_, chance_);
        if (covered <= reported_) return;
        reported_ = covered;
        std::sort(system.begin(), system.end());
        best_ = std::move(system);
        if (improved_) improved_(best_);
    }
    const System& best() const { return best_; }

  private:
    Space space_;
    int radius_;
    const std::vector<double>& chance_;
    std::size_t budget_;
    const Improved& improved_;
    double reported_ = -1;
    System best_;
};

// The system moved by a random symmetry of the space: the three-way coordinates permuted among
// themselves, the two-way ones likewise, and the values of each coordinate permuted.
System image(const Space& space, const System& system, Rng& rng) {
    const int n = space.length();
    std::vector<int> to(static_cast<std::size_t>(n));
    std::iota(to.begin(), to.end(), 0);
    const auto shuffle = [&](int first, int count) {
        for (int i = count - 1; i > 0; --i)
            std::swap(
                to[static_cast<std::size_t>(first + i)],
                to[static_cast<std::size_t>(first) + rng.below(static_cast<std::uint32_t>(i + 1))]);
    };
    shuffle(0, space.three);
    shuffle(space.three, space.two);
    std::vector<std::array<Point, 3>> value(static_cast<std::size_t>(n));
    for (int c = 0; c < n; ++c) {
        auto& v = value[static_cast<std::size_t>(c)];
        v = {0, 1, 2};
        for (int i = space.radix(c) - 1; i > 0; --i)
            std::swap(v[static_cast<std::size_t>(i)],
                      v[rng.below(static_cast<std::uint32_t>(i + 1))]);
        for (auto& x : v) x *= space.stride(to[static_cast<std::size_t>(c)]);
    }
    System out;
    out.reserve(system.size());
    for (Point p : system) {
        Point q = 0;
        for (int c = 0; c < n; ++c) {
            const auto r = static_cast<Point>(space.radix(c));
            q += value[static_cast<std::size_t>(c)][p % r];
            p /= r;
        }
        out.push_back(q);
    }
    return out;
}

template <class Balls>
void improvePreferred(const Space& space, const Balls& balls, std::vector<std::int64_t> base,
                      const System& start, const System& greedy, std::size_t budget,
                      std::uint64_t seed, const Deadline& deadline, PreferredReport& report) {
    Engine<Balls> engine(balls, std::move(base), seed);
    const auto expired = [&] { return deadline.expired(); };
    if (!engine.prepare(expired)) return;
    // Images of the global system under symmetries of the space cover just as well but prune
    // differently: a tenth of the time goes to trying them. The best pruned one, or the greedy
    // choice when that is better, is the start.
    Rng rng(seed);
    const auto tried = Clock::now() + (deadline.at - Clock::now()) / 10;
    System best = greedy;
    std::int64_t bestCovered = -1;
    if (!greedy.empty()) {
        if (!engine.addAll(greedy, expired)) return;
        bestCovered = engine.coveredBase();
        if (!engine.clear(expired)) return;
    }
    for (int i = 0; i < kImages && (i == 0 || Clock::now() < tried); ++i) {
        if (!engine.addAll(i == 0 ? start : image(space, start, rng), expired) ||
            !engine.pruneTo(budget, expired))
            break;
        if (engine.coveredBase() > bestCovered) {
            bestCovered = engine.coveredBase();
            best = engine.centers();
        }
        if (!engine.clear(expired)) break;
    }
    if (best.empty() || deadline.expired()) return;
    report.offer(best);
    if (!engine.clear(expired)) return;
    detail::annealFrom(engine, best, deadline.at, expired,
                       [&](const System& better) { report.offer(better); });
}

}  // namespace

System searchGlobal(const Space& space, int radius, std::uint64_t seed, const SearchLimits& limits,
                    const Improved& improved) {
    if (auto done = immediate(space, radius)) {
        if (improved && !done->empty()) improved(*done);
        return *done;
    }
    System start = quickSystem(space, radius);
    if (improved) improved(start);
    GlobalSearch search(space, radius, seed, Deadline{limits.deadline, limits.stop}, improved,
                        std::move(start));
    return search.run();
}

System searchPreferred(const Space& space, int radius, const std::vector<double>& chance,
                       std::size_t budget, std::uint64_t seed, const SearchLimits& limits,
                       const Improved& improved) {
    if (!space.valid() || budget == 0) return {};
    const Point n = space.size();
    // One chance per point; a list of another length is read as 0 past its end.
    std::vector<double> padded;
    if (chance.size() != n) {
        padded = chance;
        padded.resize(n, 0.0);
    }
    const std::vector<double>& weight = chance.size() == n ? chance : padded;
    PreferredReport report(space, radius, weight, budget, improved);
    if (space.length() == 0 || radius >= space.length()) {
        report.offer(trivialSystem());
        return report.best();
    }
    if (radius <= 0) {  // nothing to search: the most likely points
        System all = fullSpace(space);
        const std::size_t k = std::min<std::size_t>(budget, all.size());
        std::partial_sort(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(k), all.end(),
                          [&](Point x, Point y) { return weight[x] > weight[y]; });
        all.resize(k);
        report.offer(all);
        return report.best();
    }
    // The greedy choice first, so that an answer comes at once; then a good global system,
    // pruned to the budget by chance, and exchanges that raise the covered chance.
    const Deadline whole{limits.deadline, limits.stop};
    const auto expired = [&] { return whole.expired(); };
    std::vector<std::int64_t> base = detail::scaledWeights(weight);
    std::unique_ptr<Group> group;
    std::unique_ptr<ListedBalls> listed;
    std::unique_ptr<StrideBalls> stride;
    if (std::uint64_t{n} <= kMaxGroup && n * ballSize(space, radius) <= kMaxListed) {
        group = std::make_unique<Group>(space);
        listed = std::make_unique<ListedBalls>(*group, stepBall(*group, identity(space), radius),
                                               expired);
        if (!listed->complete()) return report.best();
    } else {
        stride = std::make_unique<StrideBalls>(space, radius);
    }
    const auto soon = Clock::now() + kSoon;
    const auto early = [&](const System& s) { report.offer(s); };
    const System greedy = listed
                              ? detail::greedyChoice(*listed, base, budget, expired, soon, early)
                              : detail::greedyChoice(*stride, base, budget, expired, soon, early);
    if (!greedy.empty()) report.offer(greedy);
    if (whole.expired()) return report.best();
    const auto now = Clock::now();
    const Deadline global{now + (limits.deadline - now) * 3 / 10, limits.stop};
    GlobalSearch search(space, radius, seed, global, Improved{}, quickSystem(space, radius));
    const System start = search.run();
    if (start.size() <= budget) {
        report.offer(start);
        return report.best();
    }
    if (listed)
        improvePreferred(space, *listed, std::move(base), start, greedy, budget, seed + 1, whole,
                         report);
    else
        improvePreferred(space, *stride, std::move(base), start, greedy, budget, seed + 1, whole,
                         report);
    if (report.best().empty()) {  // stopped before anything else: any part of the start
        report.offer(System(start.begin(), start.begin() + static_cast<std::ptrdiff_t>(budget)));
    }
    return report.best();
}

}  // namespace zuvo::cover
