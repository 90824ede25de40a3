// Offline search for 12-hit matrix-method codes with the syndromes and the matrix moving in one
// tabu search: S + {0, +-h_1, ..., +-h_n} must be all of Z3^k. Each step picks an unreached
// point u and scores every move that reaches it: a syndrome swapped for a point of u - T, or a
// free column of H = [I | A] replaced by +-(u - s) for a syndrome s. The move that leaves fewest
// points unreached wins (each scored exactly); recently undone moves are tabu. Each cover is
// verified over the whole space and appended to the output as a line the records table takes,
// then the syndrome that reaches fewest points alone is dropped.
//   matrix_tabu --length n --rows k --start m [--target m] [--seconds S] [--seed X]
//               [--stall I] [--matrix c1,...,cn] [--syndromes s1,...] [--out FILE]
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "search_tool.h"

namespace {

using namespace zuvo::cover;
using zuvo::tools::Rng;

// Z3^k with points as base-3 numbers, digit r being row r.
struct Group {
    int k = 0, points = 1;
    std::vector<int> neg;
    explicit Group(int rows) : k(rows) {
        for (int i = 0; i < k; ++i) points *= 3;
        neg.resize(points);
        for (int a = 0; a < points; ++a) neg[a] = add(a, a);  // -a = 2a over Z3
    }
    int add(int a, int b) const {
        int r = 0;
        for (int i = 0, p = 1; i < k; ++i, p *= 3) r += ((a / p % 3 + b / p % 3) % 3) * p;
        return r;
    }
    int sub(int a, int b) const { return add(a, neg[b]); }
    int line(int a) const { return std::min(a, neg[a]); }
};

struct Options {
    int n = 0, k = 0, start = 0, target = 1;
    long stall = 200000;
    double seconds = 600;
    std::uint64_t seed = 1;
    std::vector<int> matrix, syndromes;
    std::string out = "matrix-found.txt";
};

class Search {
  public:
    Search(const Options& o, Rng& rng) : o_(o), g_(o.k), rng_(rng) {
        const int p = g_.points;
        addTable_.resize(static_cast<std::size_t>(p) * p);
        for (int a = 0; a < p; ++a)
            for (int b = 0; b < p; ++b)
                addTable_[static_cast<std::size_t>(a) * p + b] = g_.add(a, b);
        columns_ = o.matrix;
        if (columns_.empty())
            for (int i = 0, q = 1; i < o.k; ++i, q *= 3) columns_.push_back(q);
        while (static_cast<int>(columns_.size()) < o.n) {
            const int c = 1 + rng_.below(p - 1);
            if (!hasLine(c, -1)) columns_.push_back(c);
        }
        r_.start(p, zuvo::tools::startingSet(o.syndromes, o.start, p, rng_));
        rebuildCounts();
    }

    int unreached() const { return static_cast<int>(r_.open.size()); }
    const std::vector<int>& columns() const { return columns_; }
    const std::vector<int>& syndromes() const { return r_.s; }

    // One tabu step; returns false when no move was allowed.
    bool step(long it, int best) {
        const int u = r_.open[rng_.below(r_.open.size())];
        const int m = static_cast<int>(r_.s.size());
        // Points stay unreached longer gain weight, so the search leaves what it keeps failing.
        for (int w : r_.open) ++weight_[w];
        r_.alone(steps_, sumOf(), weight_, loss_, plainLoss_);
        const std::vector<long>& loss = loss_;
        zuvo::tools::Chooser<Move> pick;
        auto consider = [&](long delta, int plain, const Move& mv, bool tabu) {
            pick.consider(delta, plain, mv, tabu, unreached(), best, rng_);
        };
        credit_.assign(m, 0), plainCredit_.assign(m, 0);
        for (int t : steps_) {
            const int v = g_.sub(u, t);
            if (r_.slot[v] >= 0) continue;
            long gain = 0;
            int plainGain = 0;
            touched_.clear();
            for (int t2 : steps_) {
                const int w = sum(v, t2);
                if (r_.count[w] == 0) gain += weight_[w], ++plainGain;
                if (r_.count[w] == 1) {
                    const int i = r_.slot[r_.owners[w]];
                    if (credit_[i] == 0 && plainCredit_[i] == 0) touched_.push_back(i);
                    credit_[i] += weight_[w], ++plainCredit_[i];
                }
            }
            for (int i = 0; i < m; ++i)
                consider(loss[i] - credit_[i] - gain, plainLoss_[i] - plainCredit_[i] - plainGain,
                         Move{0, i, v}, addTabu_[v] > it || dropTabu_[r_.s[i]] > it);
            for (int i : touched_) credit_[i] = 0, plainCredit_[i] = 0;
        }
        for (int j = o_.k; j < o_.n; ++j) {
            // Take column j out, score every replacement that reaches u, put it back.
            const int h = columns_[j], mh = g_.neg[h];
            long lost = 0;
            int plainLost = 0;
            for (int s : r_.s)
                for (int w : {sum(s, h), sum(s, mh)})
                    if (--r_.count[w] == 0) lost += weight_[w], ++plainLost;
            for (int s : r_.s) {
                const int c = g_.line(g_.sub(u, s));
                if (c == 0 || hasLine(c, j)) continue;
                ++stamp_;
                long gain = 0;
                int plainGain = 0;
                for (int s2 : r_.s)
                    for (int w : {sum(s2, c), sum(s2, g_.neg[c])})
                        if (r_.count[w] == 0 && seen_[w] != stamp_)
                            seen_[w] = stamp_, gain += weight_[w], ++plainGain;
                consider(lost - gain, plainLost - plainGain, Move{1, j, c},
                         columnTabu_[c] > it || indexTabu_[j] > it);
            }
            for (int s : r_.s) ++r_.count[sum(s, h)], ++r_.count[sum(s, mh)];
        }
        if (!pick.any()) return false;
        const Move chosen = pick.chosen;
        if (chosen.kind == 0) {
            const int gone = r_.s[chosen.index];
            dropTabu_[chosen.value] = it + 3 + rng_.below(4);
            addTabu_[gone] = it + 7 + rng_.below(8);
            r_.remove(chosen.index, steps_, sumOf());
            r_.add(chosen.value, steps_, sumOf());
        } else {
            const int old = g_.line(columns_[chosen.index]);
            columnTabu_[old] = it + 10 + rng_.below(10);
            indexTabu_[chosen.index] = it + 2 + rng_.below(3);
            columns_[chosen.index] = chosen.value;
            rebuildCounts();
        }
        return true;
    }

    // Drops the syndrome that reaches fewest points alone.
    void dropOne() {
        int worst = 0, fewest = 1 << 30;
        for (int i = 0; i < static_cast<int>(r_.s.size()); ++i) {
            int alone = 0;
            for (int t : steps_) alone += r_.count[sum(r_.s[i], t)] == 1;
            if (alone < fewest) fewest = alone, worst = i;
        }
        r_.remove(worst, steps_, sumOf());
    }

    void kick(int syndromes) {
        for (int r = 0; r < syndromes; ++r) {
            const int v = rng_.below(g_.points);
            if (r_.slot[v] >= 0) continue;
            r_.remove(rng_.below(r_.s.size()), steps_, sumOf());
            r_.add(v, steps_, sumOf());
        }
    }

    void resetTabu() {
        weight_.assign(g_.points, 1);
        addTabu_.assign(g_.points, 0), dropTabu_.assign(g_.points, 0);
        columnTabu_.assign(g_.points, 0), indexTabu_.assign(o_.n, 0);
    }

  private:
    struct Move {
        int kind, index, value;
    };

    int sum(int a, int b) const { return addTable_[static_cast<std::size_t>(a) * g_.points + b]; }
    struct Sum {
        const Search* search;
        int operator()(int a, int b) const { return search->sum(a, b); }
    };
    Sum sumOf() const { return Sum{this}; }
    bool hasLine(int c, int except) const {
        for (int j = 0; j < static_cast<int>(columns_.size()); ++j)
            if (j != except && g_.line(columns_[j]) == g_.line(c)) return true;
        return false;
    }

    void rebuildCounts() {
        steps_ = {0};
        for (int c : columns_) steps_.push_back(c), steps_.push_back(g_.neg[c]);
        seen_.assign(g_.points, 0);
        if (addTabu_.empty()) resetTabu();
        r_.recount(steps_, sumOf());
    }

    const Options& o_;
    Group g_;
    Rng& rng_;
    zuvo::tools::Reach r_;
    std::vector<int> addTable_, columns_, steps_, touched_, seen_;
    std::vector<long> loss_, credit_, weight_;
    std::vector<int> plainCredit_, plainLoss_;
    std::vector<long> addTabu_, dropTabu_, columnTabu_, indexTabu_;
    int stamp_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const zuvo::tools::Args args(argc, argv);
    Options o;
    o.n = args.integer("--length", 0), o.k = args.integer("--rows", 0);
    o.start = args.integer("--start", 0), o.target = args.integer("--target", 1);
    o.seconds = args.real("--seconds", o.seconds), o.stall = args.longer("--stall", o.stall);
    o.seed = static_cast<std::uint64_t>(args.longer("--seed", 1));
    o.out = args.text("--out", o.out);
    o.matrix = args.list("--matrix"), o.syndromes = args.list("--syndromes");
    // The addition table has points^2 entries: 3^7 keeps it under 20 MB.
    if (o.n < 1 || o.n > 13 || o.k < 1 || o.k >= o.n || o.k > 7 || o.start < 1 ||
        (!o.matrix.empty() && static_cast<int>(o.matrix.size()) != o.n)) {
        std::fprintf(stderr, "need --length 2..13, --rows 1..min(n-1,7), --start m, n columns\n");
        return 2;
    }
    if (!zuvo::tools::pointsFit(o.matrix, o.syndromes, o.k)) return 2;
    Rng rng{o.seed * 0x9E3779B97F4A7C15ull | 1};
    Search search(o, rng);
    const auto begin = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    int best = search.unreached();
    long sinceBest = 0;
    double lastPrint = 0;
    for (long it = 1; elapsed() < o.seconds; ++it) {
        if (search.unreached() == 0) {
            const bool ok = zuvo::tools::reportConstruction(o.n, 1, o.k, search.columns(),
                                                            search.syndromes(), o.out);
            if (!ok || static_cast<int>(search.syndromes().size()) <= o.target) break;
            search.dropOne();
            search.resetTabu();
            best = search.unreached(), sinceBest = 0;
            continue;
        }
        if (!search.step(it, best)) continue;
        if (search.unreached() < best)
            best = search.unreached(), sinceBest = 0;
        else if (++sinceBest > o.stall) {
            search.kick(2);
            best = search.unreached(), sinceBest = 0;
        }
        if (elapsed() - lastPrint > 10) {
            lastPrint = elapsed();
            std::printf("%.0f s: %zu syndromes, %d unreached (best %d)\n", lastPrint,
                        search.syndromes().size(), search.unreached(), best);
            std::fflush(stdout);
        }
    }
    return 0;
}
