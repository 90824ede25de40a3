// Offline search for matrix-method constructions: a matrix H from the open positions' space onto
// syndromes Z3^k1 x Z2^k2 and a set S of syndromes whose balls (S plus the step ball of H) cover
// every syndrome; the system is every point whose syndrome lies in S. Runs until the target number
// of syndromes or the time is reached; each smaller construction it finds is verified over the
// whole space and appended to the results file as a line the records table takes.
//   record_search --space a,b --radius R --group k1,k2 --target T [--seconds S] [--seed X]
//                 [--idle N] [--repeat 0|1] [--matrix c1,c2,...] [--anneal SECONDS]
//                 [--hot T] [--cold T] [--out FILE]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "model/cover/engine.h"
#include "model/cover/group.h"
#include "model/cover/verify.h"

namespace {

using namespace zuvo::cover;
using Clock = std::chrono::steady_clock;

struct Options {
    Space space;
    int radius = 1;
    Space group;
    std::size_t target = 1;
    double seconds = 60;
    std::uint64_t seed = 1;
    std::uint64_t idle = 0;  // exchanges without progress per matrix; 0 picks one from the size
    std::string out = "records-found.txt";
    bool repeat = false;        // a column may serve several coordinates
    std::vector<Point> matrix;  // a fixed matrix to try again and again instead of a walk
    double anneal = 0;          // seconds of annealing at the target per matrix; 0 for shrinking
    double hot = 0.6;           // its temperatures, relative to a syndrome's mean loss
    double cold = 0.05;
};

// Columns a matrix may use: three-way ones with lowest nonzero digit 1 (the other multiple adds
// no step of its own), two-way ones nonzero.
struct Columns {
    std::vector<Point> three;
    std::vector<Point> two;
};

Columns columnsOf(const Space& g) {
    Columns c;
    const Point threeSize = Space{g.three, 0}.size();
    for (Point t = 1; t < threeSize; ++t) {
        int lowest = 0;
        for (int d = 0; d < g.three && lowest == 0; ++d) lowest = g.digit(t, d);
        if (lowest == 1) c.three.push_back(t);
    }
    for (Point u = 1; u < Space{0, g.two}.size(); ++u) c.two.push_back(u * threeSize);
    return c;
}

class Searcher {
  public:
    explicit Searcher(const Options& o)
        : o_(o), group_(o.group), columns_(columnsOf(o.group)), rng_(o.seed) {}

    void run() {
        const auto end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                            std::chrono::duration<double>(o_.seconds));
        const std::uint64_t idle = o_.idle != 0 ? o_.idle : 2000 + 8 * std::uint64_t{group_.size()};
        Matrix walk;
        std::size_t walkSize = ~std::size_t{0};  // syndromes, then fewer distinct steps
        for (std::uint64_t attempt = 1; Clock::now() < end && best_ > o_.target; ++attempt) {
            Matrix h = !o_.matrix.empty()                          ? Matrix{o_.group, o_.matrix}
                       : walk.column.empty() || rng_.below(2) == 0 ? fresh()
                                                                   : mutated(walk);
            if (h.column.empty()) continue;
            // Ties are broken by the step ball: a matrix whose steps coincide less covers more.
            const std::size_t size = cover(h, idle, end) * kBallWeight - ball_;
            if (size <= walkSize || rng_.below(20) == 0) {
                walk = h;
                walkSize = size;
            }
            if (attempt % 50 == 0 || o_.anneal > 0) {
                std::printf("attempt %llu best %zu walk %zu\n",
                            static_cast<unsigned long long>(attempt), best_,
                            walkSize / kBallWeight + 1);
                std::fflush(stdout);
            }
        }
    }

  private:
    bool fullRank(const Matrix& h) const {
        return matrixRank(group_, h) == o_.group.three + o_.group.two;
    }

    void pick(const std::vector<Point>& from, int count, std::vector<Point>& out) {
        std::vector<Point> pool = from;
        for (int i = 0; i < count; ++i) {
            if (pool.empty()) pool = from;  // more coordinates than distinct columns
            const auto j = rng_.below(static_cast<std::uint32_t>(pool.size()));
            out.push_back(pool[j]);
            if (!o_.repeat) pool.erase(pool.begin() + j);
        }
    }

    Matrix fresh() {
        for (int tries = 0; tries < 100; ++tries) {
            Matrix h{o_.group, {}};
            pick(columns_.three, o_.space.three, h.column);
            pick(columns_.two, o_.space.two, h.column);
            if (fullRank(h)) return h;
        }
        return {};
    }

    Matrix mutated(const Matrix& from) {
        for (int tries = 0; tries < 100; ++tries) {
            Matrix h = from;
            const auto i = rng_.below(static_cast<std::uint32_t>(h.column.size()));
            const auto& choices =
                static_cast<int>(i) < o_.space.three ? columns_.three : columns_.two;
            const Point c = choices[rng_.below(static_cast<std::uint32_t>(choices.size()))];
            if (!o_.repeat && std::find(h.column.begin(), h.column.end(), c) != h.column.end())
                continue;
            h.column[i] = c;
            if (fullRank(h)) return h;
        }
        return {};
    }

    // The fewest syndromes the engine finds for `h`; records each construction better than any
    // before.
    std::size_t cover(const Matrix& h, std::uint64_t idle, Clock::time_point end) {
        const auto expired = [&] { return Clock::now() >= end; };
        const std::vector<Point> step = stepBall(group_, h, o_.radius);
        ball_ = step.size();
        // Too few distinct steps for the target: not worth a walk.
        if (ball_ * o_.target < group_.size()) return group_.size();
        if (ball_ == group_.size()) {
            if (best_ > 1) found(h, {0});
            return 1;
        }
        if (o_.target <= kExactUpTo) return exact(h, step);
        const detail::ListedBalls balls(group_, step, expired);
        if (!balls.complete()) return group_.size();
        if (o_.anneal > 0) return annealed(h, balls, std::min(end, Clock::now() + annealTime()));
        detail::Engine<detail::ListedBalls> engine(balls, {}, rng_.next());
        if (!engine.prepare(expired)) return group_.size();
        std::size_t smallest = group_.size();
        engine.shrink(
            o_.target, idle,
            [&](std::size_t size) {
                smallest = std::min(smallest, size);
                if (size < best_) found(h, engine.centers());
            },
            expired);
        return smallest;
    }

    Clock::duration annealTime() const {
        return std::chrono::duration_cast<Clock::duration>(
            std::chrono::duration<double>(o_.anneal));
    }

    // The target number of syndromes annealed towards covering the most for a while: the target
    // plus the fewest combinations left uncovered, a finer guide for the walk over matrices than
    // the smallest complete cover.
    std::size_t annealed(const Matrix& h, const detail::ListedBalls& balls, Clock::time_point end) {
        const auto expired = [&] { return Clock::now() >= end; };
        detail::Engine<detail::ListedBalls> engine(
            balls, std::vector<std::int64_t>(group_.size(), 1), rng_.next());
        if (!engine.prepare(expired) || !engine.completeGreedily(expired) ||
            !engine.pruneTo(o_.target, expired))
            return group_.size();
        const auto total = static_cast<std::int64_t>(group_.size());
        std::int64_t most = engine.coveredBase();
        const auto begin = Clock::now();
        const double span = std::chrono::duration<double>(end - begin).count();
        engine.anneal(
            o_.hot, o_.cold,
            [&] {
                most = std::max(most, engine.coveredBase());
                if (most == total && engine.size() < best_) found(h, engine.centers());
            },
            [&] { return std::chrono::duration<double>(Clock::now() - begin).count() / span; },
            expired);
        return o_.target + static_cast<std::size_t>(total - most);
    }

    // A few syndromes are settled by trying them all: the set may be moved to contain 0, and the
    // next one must cover the first combination still uncovered, so it is that combination minus
    // a step (the steps are closed under negation, so plus one).
    std::size_t exact(const Matrix& h, const std::vector<Point>& step) {
        std::vector<std::uint32_t> count(group_.size(), 0);
        std::vector<Point> chosen;
        const auto place = [&](Point s, int delta) {
            for (Point d : step) count[group_.add(s, d)] += static_cast<std::uint32_t>(delta);
        };
        const auto firstUncovered = [&] {
            for (Point p = 0; p < group_.size(); ++p)
                if (count[p] == 0) return p;
            return group_.size();
        };
        const auto solve = [&](auto&& self) -> bool {
            const Point u = firstUncovered();
            if (u == group_.size()) return true;
            if (chosen.size() == o_.target) return false;
            for (Point d : step) {
                const Point s = group_.add(u, d);
                chosen.push_back(s);
                place(s, 1);
                if (self(self)) return true;
                place(s, -1);
                chosen.pop_back();
            }
            return false;
        };
        chosen.push_back(0);
        place(0, 1);
        if (!solve(solve)) return o_.target + 1;
        if (chosen.size() < best_) found(h, chosen);
        return chosen.size();
    }

    void found(const Matrix& h, std::vector<Point> syndromes) {
        std::vector<std::uint8_t> chosen(group_.size(), 0);
        for (Point s : syndromes) chosen[s] = 1;
        const System system = systemOf(o_.space, group_, h, chosen);
        if (!covers(o_.space, system, o_.radius)) {
            std::printf("construction of %zu syndromes failed the check\n", syndromes.size());
            return;
        }
        best_ = syndromes.size();
        std::sort(syndromes.begin(), syndromes.end());
        std::string line = "{" + std::to_string(o_.space.three) + ", " +
                           std::to_string(o_.space.two) + ", " + std::to_string(o_.radius) + ", " +
                           std::to_string(o_.group.three) + ", " + std::to_string(o_.group.two) +
                           ", {";
        for (std::size_t i = 0; i < h.column.size(); ++i)
            line += (i ? ", " : "") + std::to_string(h.column[i]);
        line += "}, {";
        for (std::size_t i = 0; i < syndromes.size(); ++i)
            line += (i ? ", " : "") + std::to_string(syndromes[i]);
        line += "}},  // " + std::to_string(system.size()) + " columns";
        std::printf("%s\n", line.c_str());
        std::fflush(stdout);
        std::ofstream(o_.out, std::ios::app) << line << "\n";
    }

    Options o_;
    Group group_;
    Columns columns_;
    detail::Rng rng_;
    std::size_t best_ = ~std::size_t{0};
    std::size_t ball_ = 0;
    static constexpr std::size_t kBallWeight = 1 << 20;
    static constexpr std::size_t kExactUpTo = 3;
};

bool pair(const char* text, int& x, int& y) {
    return std::sscanf(text, "%d,%d", &x, &y) == 2;
}

}  // namespace

int main(int argc, char** argv) {
    Options o;
    bool ok = true;
    for (int i = 1; i + 1 < argc && ok; i += 2) {
        const std::string arg = argv[i];
        const char* value = argv[i + 1];
        if (arg == "--space") {
            ok = pair(value, o.space.three, o.space.two);
        } else if (arg == "--group") {
            ok = pair(value, o.group.three, o.group.two);
        } else if (arg == "--radius") {
            o.radius = std::atoi(value);
        } else if (arg == "--target") {
            o.target = static_cast<std::size_t>(std::atoll(value));
        } else if (arg == "--seconds") {
            o.seconds = std::atof(value);
        } else if (arg == "--seed") {
            o.seed = static_cast<std::uint64_t>(std::atoll(value));
        } else if (arg == "--idle") {
            o.idle = static_cast<std::uint64_t>(std::atoll(value));
        } else if (arg == "--repeat") {
            o.repeat = std::atoi(value) != 0;
        } else if (arg == "--matrix") {
            std::string list = value;
            std::replace(list.begin(), list.end(), ',', ' ');
            std::istringstream in(list);
            for (Point c; in >> c;) o.matrix.push_back(c);
        } else if (arg == "--anneal") {
            o.anneal = std::atof(value);
        } else if (arg == "--hot") {
            o.hot = std::atof(value);
        } else if (arg == "--cold") {
            o.cold = std::atof(value);
        } else if (arg == "--out") {
            o.out = value;
        } else {
            ok = false;
        }
    }
    if (!ok || argc % 2 == 0 || !o.space.valid() || o.group.size() > 65536 ||
        o.group.three > o.space.three || o.group.two > o.space.two || o.radius < 1 ||
        (!o.matrix.empty() && o.matrix.size() != static_cast<std::size_t>(o.space.length()))) {
        std::fprintf(stderr,
                     "usage: %s --space a,b --radius R --group k1,k2 --target T [--seconds S] "
                     "[--seed X] [--idle N] [--repeat 0|1] [--matrix c1,c2,...] [--anneal SECONDS] "
                     "[--hot T] [--cold T] [--out FILE]\n",
                     argv[0]);
        return 2;
    }
    Searcher(o).run();
    return 0;
}
