// Offline search for codes of length m + 3 and radius R built from three parts G0, G1, G2 of a
// code G on m positions: the first three positions take the nine values x with digit sum 0, and
// the label x1 - x2 picks the part that follows, so the code has 3 |G| words. A word (z, y)
// with z off that plane has three plane values at distance 1, one of each label, so G must
// reach every y within R - 1. A word with z on the plane has its own value (label l) and six at
// distance 2 (the other labels), so every y must be within R of G_l or within R - 2 of the other
// parts. Simulated annealing moves one word of G (to a nearby place, or to another part) and
// counts the rules broken; a code it finds is verified over the whole space and appended to the
// output as a line the records table takes (H the identity).
//   plane_parts --length m --radius R --size |G| [--words w1,...] [--seconds S] [--seed X]
//               [--temp T] [--cool C] [--period STEPS] [--union-weight W] [--out FILE]
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "search_tool.h"

namespace {

using zuvo::tools::Rng;

// Every point's ball: all[first[y] ...] lists the points within R of y, nearest first, so the
// points within r < R are its first size[r] entries.
struct Balls {
    int points = 1;
    std::vector<int> all, first, size;
    Balls(int m, int radius) {
        for (int i = 0; i < m; ++i) points *= 3;
        std::vector<std::vector<int>> steps;  // differences of weight 0, 1, ..., R as digits
        for (int w = 0; w <= radius; ++w) {
            for (int e = 0; e < points; ++e) {
                int weight = 0;
                for (int v = e; v > 0; v /= 3) weight += v % 3 != 0;
                if (weight != w) continue;
                std::vector<int> d(m);
                for (int i = 0, v = e; i < m; ++i, v /= 3) d[i] = v % 3;
                steps.push_back(d);
            }
            size.push_back(static_cast<int>(steps.size()));
        }
        first.resize(points);
        std::vector<int> digits(m);
        for (int y = 0; y < points; ++y) {
            first[y] = static_cast<int>(all.size());
            for (int i = 0, v = y; i < m; ++i, v /= 3) digits[i] = v % 3;
            for (const auto& d : steps) {
                int v = 0;
                for (int i = m - 1; i >= 0; --i) v = v * 3 + (digits[i] + d[i]) % 3;
                all.push_back(v);
            }
        }
    }
    const int* of(int y) const { return &all[first[y]]; }
};

class Anneal {
  public:
    Anneal(int m, int radius, int words, const std::vector<int>& start, int unionWeight, Rng& rng)
        : r_(radius), unionWeight_(unionWeight), b_(m, radius), rng_(rng) {
        const int p = b_.points;
        part_.assign(p, -1), union_.assign(p, 0), seen_.assign(p, 0);
        for (auto& c : near_) c.assign(p, 0);
        for (auto& c : far_) c.assign(p, 0);
        for (int w : start)
            if (w >= 0 && w < p && part_[w] < 0 && static_cast<int>(g_.size()) < words)
                place(w, rng_.below(3), +1), g_.push_back(w);
        while (static_cast<int>(g_.size()) < words) {
            const int w = rng_.below(p);
            if (part_[w] < 0) place(w, rng_.below(3), +1), g_.push_back(w);
        }
        for (int y = 0; y < p; ++y) bad_ += broken(y);
    }

    int bad() const { return bad_; }
    const std::vector<int>& words() const { return g_; }
    int partOf(int w) const { return part_[w]; }

    // One move, kept by the Metropolis rule at temperature t.
    void step(double t) {
        const int i = rng_.below(g_.size()), p = g_[i], from = part_[p];
        int q = p, to = rng_.below(3);
        if (rng_.below(2) == 0) {  // to a point within R, in any part
            const int r = 1 + rng_.below(r_);
            q = b_.of(p)[rng_.below(b_.size[r])];
            if (part_[q] >= 0) return;
        } else if (to == from) {  // or the same place in another part
            to = (from + 1 + rng_.below(2)) % 3;
        }
        const int before = local(p, q);
        place(p, from, -1), place(q, to, +1);
        const int delta = local(p, q) - before;
        if (delta <= 0 || rng_.unit() < std::exp(-delta / t)) {
            g_[i] = q, bad_ += delta;
        } else {
            place(q, to, -1), place(p, from, +1);
        }
    }

  private:
    // Counts for word w entering (+1) or leaving (-1) part l.
    void place(int w, int l, int sign) {
        part_[w] = sign > 0 ? l : -1;
        const int* ball = b_.of(w);
        for (int j = 0; j < b_.size[r_]; ++j) far_[l][ball[j]] += sign;
        if (r_ >= 2)
            for (int j = 0; j < b_.size[r_ - 2]; ++j) near_[l][ball[j]] += sign;
        for (int j = 0; j < b_.size[r_ - 1]; ++j) union_[ball[j]] += sign;
    }
    // A point the union misses counts `unionWeight` times, so the search keeps G a cover.
    int broken(int y) const {
        int n = union_[y] == 0 ? unionWeight_ : 0;
        for (int l = 0; l < 3; ++l)
            n += far_[l][y] == 0 && (r_ < 2 || near_[(l + 1) % 3][y] + near_[(l + 2) % 3][y] == 0);
        return n;
    }
    // The broken rules at points within R of p or q, each point once.
    int local(int p, int q) {
        ++stamp_;
        int n = 0;
        for (int w : {p, q}) {
            const int* ball = b_.of(w);
            for (int j = 0; j < b_.size[r_]; ++j)
                if (seen_[ball[j]] != stamp_) seen_[ball[j]] = stamp_, n += broken(ball[j]);
        }
        return n;
    }

    int r_, unionWeight_;
    Balls b_;
    Rng& rng_;
    std::vector<int> g_, part_, union_, seen_;
    std::array<std::vector<int>, 3> near_, far_;
    int bad_ = 0, stamp_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const zuvo::tools::Args args(argc, argv);
    const int m = args.integer("--length", 0), radius = args.integer("--radius", 0),
              words = args.integer("--size", 0);
    const double seconds = args.real("--seconds", 600), hot = args.real("--temp", 2.0),
                 cool = args.real("--cool", 0.3);
    const long period = args.longer("--period", 1000000);
    const std::string out = args.text("--out", "plane-found.txt");
    if (m < 1 || m > 10 || radius < 1 || radius > m || words < 1 || period < 1) {
        std::fprintf(stderr, "need --length 1..10, --radius 1..m, --size |G|\n");
        return 2;
    }
    Rng rng{static_cast<std::uint64_t>(args.longer("--seed", 1)) * 0x9E3779B97F4A7C15ull | 1};
    Anneal a(m, radius, words, args.list("--words"), args.integer("--union-weight", 1), rng);
    const auto begin = std::chrono::steady_clock::now();
    auto elapsed = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    };
    int best = a.bad();
    double lastPrint = 0;
    for (long it = 1; elapsed() < seconds && a.bad() > 0; ++it) {
        // The temperature falls from hot to cool over each period, then starts again.
        const double phase = static_cast<double>(it % period) / static_cast<double>(period);
        a.step(hot * std::pow(cool / hot, phase));
        best = std::min(best, a.bad());
        if (it % 100000 == 0 && elapsed() - lastPrint > 10) {
            lastPrint = elapsed();
            std::printf("%.0f s: %d broken (best %d)\n", lastPrint, a.bad(), best);
            std::fflush(stdout);
        }
    }
    if (a.bad() > 0) return 1;
    // The code itself as syndromes of the identity: the plane value x in the first three digits.
    std::vector<int> columns, code;
    for (int i = 0, p = 1; i < m + 3; ++i, p *= 3) columns.push_back(p);
    for (int x = 0; x < 27; ++x) {
        const int x1 = x % 3, x2 = x / 3 % 3, x3 = x / 9;
        if ((x1 + x2 + x3) % 3 != 0) continue;
        for (int w : a.words())
            if (a.partOf(w) == (x1 - x2 + 3) % 3) code.push_back(x + 27 * w);
    }
    return zuvo::tools::reportConstruction(m + 3, radius, m + 3, columns, code, out) ? 0 : 1;
}
