// Offline search for matrix-method codes of any radius R with the syndromes and the matrix moving
// in one weighted tabu search: S + B must be all of Z3^k, where B holds every sum of at most R
// columns of H times 1 or 2. Each step picks an unreached point u and scores moves that reach it:
// a syndrome swapped for a point of u - B (sampled when B is large), or a free column replaced by
// a value that puts u in reach of some syndrome (sampled). Points gain weight for each step they
// stay unreached and moves are scored by weight. Each cover is verified over the whole space and
// appended to the output as a line the records table takes; then one syndrome is dropped.
//   radius_tabu --length n --radius R --rows k --start m [--target m] [--seconds S] [--seed X]
//               [--matrix c1,...,cn] [--syndromes s1,...] [--fixed 1] [--free-from j]
//               [--sample N] [--column-sample N] [--bump all|chosen|none]
//               [--smooth STEPS] [--patience STEPS] [--greedy 1] [--out FILE]
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

// Z3^k, points as base-3 numbers (digit r is row r); addition through two tables of the low and
// the high digits, so that k = 10 needs two 243 x 243 tables instead of one of 3^20 entries.
struct Group {
    int k = 0, points = 1, low = 1, high = 1;
    std::vector<int> lowSum, highSum;
    explicit Group(int rows) : k(rows) {
        for (int i = 0; i < k / 2; ++i) low *= 3;
        for (int i = k / 2; i < k; ++i) high *= 3;
        points = low * high;
        lowSum.resize(static_cast<std::size_t>(low) * low);
        highSum.resize(static_cast<std::size_t>(high) * high);
        for (int a = 0; a < low; ++a)
            for (int b = 0; b < low; ++b) lowSum[a * low + b] = digits(a, b, k / 2);
        for (int a = 0; a < high; ++a)
            for (int b = 0; b < high; ++b) highSum[a * high + b] = digits(a, b, k - k / 2) * low;
    }
    static int digits(int a, int b, int count) {
        int r = 0;
        for (int i = 0, p = 1; i < count; ++i, p *= 3) r += ((a / p % 3 + b / p % 3) % 3) * p;
        return r;
    }
    int add(int a, int b) const {
        return lowSum[(a % low) * low + b % low] + highSum[(a / low) * high + b / low];
    }
    int neg(int a) const { return add(a, a); }
    int sub(int a, int b) const { return add(a, neg(b)); }
    int line(int a) const { return std::min(a, neg(a)); }
};

enum class Bump { kAll, kChosen, kNone };

struct Options {
    int n = 0, radius = 1, k = 0, start = 0, target = 1, freeFrom = -1, sample = 96,
        columnSample = 24;
    long patience = 0;
    double seconds = 600;
    std::uint64_t seed = 1;
    bool fixed = false;
    Bump bump = Bump::kAll;
    long smooth = 0;
    std::vector<int> matrix, syndromes;
    std::string out = "radius-found.txt";
};

// A nonzero combination of at most R columns: which columns, and each one's factor.
struct Combo {
    std::vector<std::pair<int, int>> terms;
};

class Search {
  public:
    Search(const Options& o, Rng& rng) : o_(o), g_(o.k), rng_(rng) {
        const int p = g_.points;
        columns_ = o.matrix;
        if (columns_.empty())
            for (int i = 0, q = 1; i < o.k; ++i, q *= 3) columns_.push_back(q);
        while (static_cast<int>(columns_.size()) < o.n) {
            const int c = 1 + rng_.below(p - 1);
            if (!hasLine(c, -1)) columns_.push_back(c);
        }
        Combo none;
        enumerate(0, none);
        touching_.resize(o.n);
        for (int c = 0; c < static_cast<int>(combos_.size()); ++c)
            for (auto [j, a] : combos_[c].terms) touching_[j].push_back(c);
        for (int c = 0; c < static_cast<int>(combos_.size()); ++c)
            if (static_cast<int>(combos_[c].terms.size()) < o.radius) shorter_.push_back(c);
        r_.start(p, zuvo::tools::startingSet(o.syndromes, o.start, p, rng_));
        weight_.assign(p, 1), seen_.assign(p, 0);
        addTabu_.assign(p, 0), dropTabu_.assign(p, 0), columnTabu_.assign(p, 0);
        indexTabu_.assign(o.n, 0);
        rebuildBall();
    }

    int unreached() const { return static_cast<int>(r_.open.size()); }
    const std::vector<int>& columns() const { return columns_; }
    const std::vector<int>& syndromes() const { return r_.s; }

    bool step(long it, int best) {
        const int u = r_.open[rng_.below(r_.open.size())];
        const int m = static_cast<int>(r_.s.size());
        // Every unreached point gains weight, or only the chosen one when the balls are large and
        // a heavy point would pull in moves that leave many light ones.
        if (o_.bump == Bump::kAll)
            for (int w : r_.open) ++weight_[w];
        else if (o_.bump == Bump::kChosen)
            ++weight_[u];
        // Halving what the weights gained now and then keeps the search near few unreached.
        if (o_.smooth > 0 && it % o_.smooth == 0)
            for (long& w : weight_) w = 1 + (w - 1) / 2;
        r_.alone(ball_, sumOf(), weight_, loss_, plainLoss_);
        zuvo::tools::Chooser<Move> pick;
        auto consider = [&](long delta, int plain, const Move& mv, bool tabu) {
            pick.consider(delta, plain, mv, tabu, unreached(), best, rng_);
        };
        credit_.assign(m, 0), plainCredit_.assign(m, 0);
        const bool all = static_cast<int>(ball_.size()) <= o_.sample;
        const int tries = all ? static_cast<int>(ball_.size()) : o_.sample;
        for (int r = 0; r < tries; ++r) {
            const int v = g_.sub(u, all ? ball_[r] : ball_[rng_.below(ball_.size())]);
            if (r_.slot[v] >= 0) continue;
            long gain = 0;
            int plainGain = 0;
            touched_.clear();
            for (int t : ball_) {
                const int w = g_.add(v, t);
                if (r_.count[w] == 0) gain += weight_[w], ++plainGain;
                if (r_.count[w] == 1) {
                    const int i = r_.slot[r_.owners[w]];
                    if (plainCredit_[i] == 0) touched_.push_back(i);
                    credit_[i] += weight_[w], ++plainCredit_[i];
                }
            }
            for (int i = 0; i < m; ++i)
                consider(loss_[i] - credit_[i] - gain, plainLoss_[i] - plainCredit_[i] - plainGain,
                         Move{0, i, v}, addTabu_[v] > it || dropTabu_[r_.s[i]] > it);
            for (int i : touched_) credit_[i] = 0, plainCredit_[i] = 0;
        }
        const int first = o_.freeFrom >= 0 ? o_.freeFrom : o_.k;
        for (int r = 0; !o_.fixed && first < o_.n && r < o_.columnSample; ++r) {
            // A value for column j that brings u within reach of a syndrome through a sum that
            // uses column j once, with factor 1.
            const int j = first + rng_.below(o_.n - first);
            const int drawn = rng_.below(shorter_.size() + 1);
            const Combo& rest = drawn == 0 ? empty_ : combos_[shorter_[drawn - 1]];
            bool usesJ = false;
            for (auto [col, a] : rest.terms) usesJ |= col == j;
            if (usesJ) continue;
            int c = g_.sub(u, r_.s[rng_.below(m)]);
            for (auto [col, a] : rest.terms)
                c = g_.sub(c, a == 1 ? columns_[col] : g_.neg(columns_[col]));
            if (c == 0 || hasLine(c, j) || g_.line(c) == g_.line(columns_[j])) continue;
            long lost = 0, gain = 0;
            int plainLost = 0, plainGain = 0;
            scoreColumn(j, c, lost, plainLost, gain, plainGain);
            consider(lost - gain, plainLost - plainGain, Move{1, j, c},
                     columnTabu_[g_.line(c)] > it || indexTabu_[j] > it);
        }
        if (!pick.any()) return false;
        const Move chosen = pick.chosen;
        if (chosen.kind == 0) {
            const int gone = r_.s[chosen.index];
            dropTabu_[chosen.value] = it + 3 + rng_.below(4);
            addTabu_[gone] = it + 7 + rng_.below(8);
            r_.remove(chosen.index, ball_, sumOf());
            r_.add(chosen.value, ball_, sumOf());
        } else {
            columnTabu_[g_.line(columns_[chosen.index])] = it + 10 + rng_.below(10);
            indexTabu_[chosen.index] = it + 2 + rng_.below(3);
            columns_[chosen.index] = chosen.value;
            rebuildBall();
        }
        return true;
    }

    // Drops the syndrome that reaches fewest points alone, or a random one.
    void dropOne(bool random) {
        int worst = 0, fewest = 1 << 30;
        for (int i = 0; i < static_cast<int>(r_.s.size()); ++i) {
            int alone = 0;
            for (int t : ball_) alone += r_.count[g_.add(r_.s[i], t)] == 1;
            if (alone < fewest) fewest = alone, worst = i;
        }
        r_.remove(random ? rng_.below(r_.s.size()) : worst, ball_, sumOf());
        weight_.assign(g_.points, 1);
    }

    // Adds syndromes until everything is reached: each time the point of u - B that reaches most
    // of what is unreached, for the first unreached point u.
    void greedyFill() {
        while (!r_.open.empty()) {
            const int u = r_.open.front();
            int bestGain = -1, pick = u;
            for (int t : ball_) {
                const int v = g_.sub(u, t);
                if (r_.slot[v] >= 0) continue;
                int gain = 0;
                for (int t2 : ball_) gain += r_.count[g_.add(v, t2)] == 0;
                if (gain > bestGain) bestGain = gain, pick = v;
            }
            r_.add(pick, ball_, sumOf());
        }
    }

    // Back to a cover found earlier.
    void restore(const std::vector<int>& columns, const std::vector<int>& syndromes) {
        columns_ = columns;
        r_.start(g_.points, syndromes);
        addTabu_.assign(g_.points, 0), dropTabu_.assign(g_.points, 0);
        columnTabu_.assign(g_.points, 0), indexTabu_.assign(o_.n, 0);
        rebuildBall();
    }

  private:
    struct Move {
        int kind, index, value;
    };

    void enumerate(int from, Combo& c) {
        if (!c.terms.empty()) combos_.push_back(c);
        if (static_cast<int>(c.terms.size()) == o_.radius) return;
        for (int j = from; j < o_.n; ++j)
            for (int a = 1; a <= 2; ++a) {
                c.terms.emplace_back(j, a);
                enumerate(j + 1, c);
                c.terms.pop_back();
            }
    }
    int value(const Combo& c, int j, int column) const {
        int v = 0;
        for (auto [col, a] : c.terms) {
            const int h = col == j ? column : columns_[col];
            v = g_.add(v, a == 1 ? h : g_.neg(h));
        }
        return v;
    }
    struct Sum {
        const Group* group;
        int operator()(int a, int b) const { return group->add(a, b); }
    };
    Sum sumOf() const { return Sum{&g_}; }
    bool hasLine(int c, int except) const {
        for (int j = 0; j < static_cast<int>(columns_.size()); ++j)
            if (j != except && g_.line(columns_[j]) == g_.line(c)) return true;
        return false;
    }

    // Exact weighted and plain change of the unreached points if column j became c.
    void scoreColumn(int j, int c, long& lost, int& plainLost, long& gain, int& plainGain) {
        gone_.clear(), came_.clear();
        for (int id : touching_[j]) {
            const int before = value(combos_[id], j, columns_[j]);
            const int after = value(combos_[id], j, c);
            if (--multiplicity_[before] == 0) gone_.push_back(before);
            if (multiplicity_[after]++ == 0) came_.push_back(after);
        }
        // A value can leave and come back within the same change; only net moves count.
        auto netGone = gone_, netCame = came_;
        std::erase_if(netGone, [&](int v) { return multiplicity_[v] != 0; });
        std::sort(netGone.begin(), netGone.end());
        netGone.erase(std::unique(netGone.begin(), netGone.end()), netGone.end());
        for (int id : touching_[j]) {
            ++multiplicity_[value(combos_[id], j, columns_[j])];
            --multiplicity_[value(combos_[id], j, c)];
        }
        std::sort(netCame.begin(), netCame.end());
        netCame.erase(std::unique(netCame.begin(), netCame.end()), netCame.end());
        std::erase_if(netCame, [&](int v) { return multiplicity_[v] != 0; });
        for (int s : r_.s)
            for (int d : netGone) {
                const int w = g_.add(s, d);
                if (--r_.count[w] == 0) lost += weight_[w], ++plainLost;
            }
        ++stamp_;
        for (int s : r_.s)
            for (int d : netCame) {
                const int w = g_.add(s, d);
                if (r_.count[w] == 0 && seen_[w] != stamp_)
                    seen_[w] = stamp_, gain += weight_[w], ++plainGain;
            }
        for (int s : r_.s)
            for (int d : netGone) ++r_.count[g_.add(s, d)];
    }

    void rebuildBall() {
        multiplicity_.assign(g_.points, 0);
        for (const Combo& c : combos_) ++multiplicity_[value(c, -1, 0)];
        multiplicity_[0] += 1;  // the syndrome itself
        ball_.clear();
        for (int v = 0; v < g_.points; ++v)
            if (multiplicity_[v] > 0) ball_.push_back(v);
        r_.recount(ball_, sumOf());
    }

    const Options& o_;
    Group g_;
    Rng& rng_;
    std::vector<Combo> combos_;
    Combo empty_;
    std::vector<std::vector<int>> touching_;
    zuvo::tools::Reach r_;
    std::vector<int> shorter_, columns_, ball_, multiplicity_, touched_, seen_, plainLoss_,
        plainCredit_, gone_, came_;
    std::vector<long> weight_, loss_, credit_, addTabu_, dropTabu_, columnTabu_, indexTabu_;
    int stamp_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const zuvo::tools::Args args(argc, argv);
    Options o;
    o.n = args.integer("--length", 0), o.radius = args.integer("--radius", 1);
    o.k = args.integer("--rows", 0), o.start = args.integer("--start", 0);
    o.target = args.integer("--target", 1), o.seconds = args.real("--seconds", o.seconds);
    o.seed = static_cast<std::uint64_t>(args.longer("--seed", 1));
    o.fixed = args.text("--fixed", "0") == "1", o.freeFrom = args.integer("--free-from", -1);
    o.sample = args.integer("--sample", o.sample);
    o.columnSample = args.integer("--column-sample", o.columnSample);
    o.patience = args.longer("--patience", 0), o.smooth = args.longer("--smooth", 0);
    const std::string bump = args.text("--bump", "all");
    o.bump = bump == "chosen" ? Bump::kChosen : bump == "none" ? Bump::kNone : Bump::kAll;
    o.out = args.text("--out", o.out);
    o.matrix = args.list("--matrix"), o.syndromes = args.list("--syndromes");
    if (o.n < 2 || o.n > 13 || o.radius < 1 || o.radius >= o.n || o.k < 1 || o.k >= o.n ||
        o.k > 10 || o.start < 0 || o.sample < 1 || o.columnSample < 0 ||
        (!o.matrix.empty() && static_cast<int>(o.matrix.size()) != o.n)) {
        std::fprintf(stderr,
                     "need --length 2..13, --radius 1..n-1, --rows 1..min(n-1,10), --start m, "
                     "n columns\n");
        return 2;
    }
    if (!zuvo::tools::pointsFit(o.matrix, o.syndromes, o.k)) return 2;
    Rng rng{o.seed * 0x9E3779B97F4A7C15ull | 1};
    Search search(o, rng);
    if (args.text("--greedy", "0") == "1") search.greedyFill();
    const auto begin = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    int best = search.unreached();
    double lastPrint = 0;
    long since = 0;
    std::vector<int> coverColumns, coverSyndromes;
    for (long it = 1; elapsed() < o.seconds; ++it) {
        if (search.unreached() == 0) {
            const bool ok = zuvo::tools::reportConstruction(o.n, o.radius, o.k, search.columns(),
                                                            search.syndromes(), o.out);
            if (!ok || static_cast<int>(search.syndromes().size()) <= o.target) break;
            coverColumns = search.columns(), coverSyndromes = search.syndromes();
            search.dropOne(false);
            best = search.unreached(), since = 0;
            continue;
        }
        // A drop that leads nowhere is undone and another syndrome dropped instead.
        if (o.patience > 0 && ++since > o.patience && !coverSyndromes.empty()) {
            search.restore(coverColumns, coverSyndromes);
            search.dropOne(true);
            best = search.unreached(), since = 0;
            continue;
        }
        if (!search.step(it, best)) continue;
        best = std::min(best, search.unreached());
        if (elapsed() - lastPrint > 10) {
            lastPrint = elapsed();
            std::printf("%.0f s, step %ld: %zu syndromes, %d unreached (best %d)\n", lastPrint, it,
                        search.syndromes().size(), search.unreached(), best);
            std::fflush(stdout);
        }
    }
    return 0;
}
