#pragma once
// What the offline construction searches share: a small fast random source, their command
// lines, and the verified line they append for the records table.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "model/cover/records.h"
#include "model/cover/verify.h"

namespace zuvo::tools {

struct Rng {
    std::uint64_t s;
    std::uint64_t next() {
        s ^= s << 13;
        s ^= s >> 7;
        s ^= s << 17;
        return s;
    }
    int below(std::size_t n) { return static_cast<int>(next() % n); }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
};

// "--key value" pairs; a value is read when asked for, with the default when the key is absent.
class Args {
  public:
    Args(int argc, char** argv) {
        for (int i = 1; i + 1 < argc; i += 2) values_[argv[i]] = argv[i + 1];
    }
    int integer(const std::string& key, int fallback) const {
        const auto it = values_.find(key);
        return it == values_.end() ? fallback : std::stoi(it->second);
    }
    long longer(const std::string& key, long fallback) const {
        const auto it = values_.find(key);
        return it == values_.end() ? fallback : std::stol(it->second);
    }
    double real(const std::string& key, double fallback) const {
        const auto it = values_.find(key);
        return it == values_.end() ? fallback : std::stod(it->second);
    }
    std::string text(const std::string& key, const std::string& fallback) const {
        const auto it = values_.find(key);
        return it == values_.end() ? fallback : it->second;
    }
    // A comma-separated list of numbers; empty when the key is absent.
    std::vector<int> list(const std::string& key) const {
        std::vector<int> out;
        const auto it = values_.find(key);
        if (it == values_.end()) return out;
        std::stringstream in(it->second);
        for (std::string item; std::getline(in, item, ',');) out.push_back(std::stoi(item));
        return out;
    }

  private:
    std::map<std::string, std::string> values_;
};

// Matrix columns must be nonzero points of Z3^k and syndromes points of it; says which is not.
inline bool pointsFit(const std::vector<int>& columns, const std::vector<int>& syndromes, int k) {
    int points = 1;
    for (int i = 0; i < k; ++i) points *= 3;
    for (int c : columns)
        if (c <= 0 || c >= points) {
            std::fprintf(stderr, "matrix column %d is not a nonzero syndrome of Z3^%d\n", c, k);
            return false;
        }
    for (int v : syndromes)
        if (v < 0 || v >= points) {
            std::fprintf(stderr, "syndrome %d is not in Z3^%d\n", v, k);
            return false;
        }
    return true;
}

// The given syndromes, then distinct random points until there are `size` of them.
inline std::vector<int> startingSet(std::vector<int> given, int size, int points, Rng& rng) {
    std::vector<char> taken(static_cast<std::size_t>(points), 0);
    for (int v : given) taken[static_cast<std::size_t>(v)] = 1;
    while (static_cast<int>(given.size()) < std::min(size, points)) {
        const int v = rng.below(static_cast<std::size_t>(points));
        if (!taken[static_cast<std::size_t>(v)])
            taken[static_cast<std::size_t>(v)] = 1, given.push_back(v);
    }
    return given;
}

// The syndromes of a search and what they reach through a ball of steps: how many syndromes
// reach each point, the sum of those that do (so the one syndrome when only one does), and the
// unreached points in a list with constant-time removal.
class Reach {
  public:
    std::vector<int> s, slot, count, at, open;
    std::vector<long> owners;

    void start(int points, const std::vector<int>& syndromes) {
        s.clear(), slot.assign(points, -1);
        for (int v : syndromes)
            if (slot[v] < 0) slot[v] = static_cast<int>(s.size()), s.push_back(v);
    }
    // Counts everything again, for a new ball.
    template <class Sum>
    void recount(const std::vector<int>& ball, Sum sum) {
        const std::size_t points = slot.size();
        count.assign(points, 0), owners.assign(points, 0), at.assign(points, -1), open.clear();
        for (int v : s)
            for (int t : ball) ++count[sum(v, t)], owners[sum(v, t)] += v;
        for (std::size_t v = 0; v < points; ++v)
            if (count[v] == 0) at[v] = static_cast<int>(open.size()), open.push_back(int(v));
    }
    // What each syndrome alone reaches: the weight and the number of those points.
    template <class Sum>
    void alone(const std::vector<int>& ball, Sum sum, const std::vector<long>& weight,
               std::vector<long>& lost, std::vector<int>& plain) const {
        lost.assign(s.size(), 0), plain.assign(s.size(), 0);
        for (std::size_t i = 0; i < s.size(); ++i)
            for (int t : ball) {
                const int w = sum(s[i], t);
                if (count[w] == 1) lost[i] += weight[w], ++plain[i];
            }
    }
    template <class Sum>
    void remove(int i, const std::vector<int>& ball, Sum sum) {
        const int gone = s[i];
        for (int t : ball) {
            const int w = sum(gone, t);
            owners[w] -= gone;
            if (--count[w] == 0) at[w] = static_cast<int>(open.size()), open.push_back(w);
        }
        s[i] = s.back(), slot[s[i]] = i, s.pop_back();
        slot[gone] = -1;
    }
    template <class Sum>
    void add(int v, const std::vector<int>& ball, Sum sum) {
        slot[v] = static_cast<int>(s.size()), s.push_back(v);
        for (int t : ball) {
            const int w = sum(v, t);
            owners[w] += v;
            if (count[w]++ == 0) {
                open[at[w]] = open.back(), at[open.back()] = at[w];
                open.pop_back(), at[w] = -1;
            }
        }
    }
};

// The best-scored move of a tabu step, ties broken at random. A tabu move counts only when it
// would leave fewer points unreached than the best seen (aspiration).
template <class Move>
struct Chooser {
    long bestDelta = kNone;
    int ties = 0;
    Move chosen{};
    static constexpr long kNone = 1L << 60;

    bool any() const { return bestDelta != kNone; }
    void consider(long delta, int plain, const Move& move, bool tabu, int unreached, int best,
                  Rng& rng) {
        if (tabu && unreached + plain >= best) return;
        if (delta < bestDelta)
            bestDelta = delta, chosen = move, ties = 1;
        else if (delta == bestDelta && rng.below(++ties) == 0)
            chosen = move;
    }
};

// Rebuilds the three-way construction and walks the whole space before the line is written,
// so a faulty search can never put an unverified line into the table; false when it fails.
inline bool reportConstruction(int n, int radius, int k, const std::vector<int>& columns,
                               std::vector<int> syndromes, const std::string& out) {
    using namespace zuvo::cover;
    std::sort(syndromes.begin(), syndromes.end());
    Construction c{
        n, 0, radius, k, 0, {columns.begin(), columns.end()}, {syndromes.begin(), syndromes.end()}};
    const System system = rebuild(c);
    const bool ok =
        !system.empty() && system.size() == c.size() && covers(c.space(), system, radius);
    std::ostringstream line;
    line << "{" << n << ", 0, " << radius << ", " << k << ", 0, {";
    for (std::size_t j = 0; j < columns.size(); ++j) line << (j ? ", " : "") << columns[j];
    line << "}, {";
    for (std::size_t j = 0; j < syndromes.size(); ++j) line << (j ? ", " : "") << syndromes[j];
    line << "}},  // " << system.size() << " columns" << (ok ? "" : " NOT A COVER");
    std::printf("%s\n", line.str().c_str());
    std::fflush(stdout);
    std::ofstream(out, std::ios::app) << line.str() << "\n";
    return ok;
}

}  // namespace zuvo::tools
