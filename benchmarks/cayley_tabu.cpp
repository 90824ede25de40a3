// Offline search for 12-hit matrix-method codes as dominating sets: the syndromes S of a k x n
// matrix H over Z3 must reach all of Z3^k with S + {0, +-h_1, ..., +-h_n}. For a fixed number of
// syndromes a tabu search swaps one syndrome for a neighbour of an unreached point (the swap that
// leaves fewest unreached, evaluated exactly in O(n) through each point's single owner); around
// it a walk replaces one column of H at a time and keeps the change unless it does worse. Each
// cover is verified over the whole space, appended to the output as a line the records table
// takes, and then one syndrome is dropped.
//   cayley_tabu --length n --rows k --start m [--target m] [--seconds S] [--seed X]
//               [--iters I] [--tenure T] [--temp T] [--matrix c1,...,cn] [--fixed 1] [--out FILE]
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "search_tool.h"

namespace {

using namespace zuvo::cover;
using zuvo::tools::Rng;

int digitSum(int a, int b, int k) {
    int r = 0;
    for (int i = 0, p = 1; i < k; ++i, p *= 3) r += ((a / p % 3 + b / p % 3) % 3) * p;
    return r;
}

// The closed neighbourhoods of Cay(Z3^k, {0, +-h_i}), one row of d entries per point.
struct Graph {
    int points = 0, d = 0;
    std::vector<int> next;
    Graph(int k, const std::vector<int>& columns) : points(1), d(1 + 2 * int(columns.size())) {
        for (int i = 0; i < k; ++i) points *= 3;
        std::vector<int> steps{0};
        for (int c : columns) steps.push_back(c), steps.push_back(digitSum(c, c, k));
        next.resize(static_cast<std::size_t>(points) * d);
        for (int v = 0; v < points; ++v)
            for (int g = 0; g < d; ++g)
                next[static_cast<std::size_t>(v) * d + g] = digitSum(v, steps[g], k);
    }
    const int* of(int v) const { return &next[static_cast<std::size_t>(v) * d]; }
};

// Tabu over swaps at a fixed |S|; returns the fewest unreached points seen, `s` holds that set.
int tabu(const Graph& g, std::vector<int>& s, long iterations, int tenure, Rng& rng) {
    const int m = static_cast<int>(s.size()), d = g.d;
    std::vector<int> count(g.points, 0), slot(g.points, -1), at(g.points, -1), open;
    std::vector<long> owners(g.points, 0), tabuUntil(g.points, 0);
    for (int i = 0; i < m; ++i) {
        slot[s[i]] = i;
        for (int h = 0; h < d; ++h) ++count[g.of(s[i])[h]], owners[g.of(s[i])[h]] += s[i];
    }
    for (int v = 0; v < g.points; ++v)
        if (count[v] == 0) at[v] = static_cast<int>(open.size()), open.push_back(v);
    int best = static_cast<int>(open.size());
    std::vector<int> bestSet = s, loss(m), credit(m, 0), touched;
    for (long it = 1; it <= iterations && !open.empty(); ++it) {
        for (int i = 0; i < m; ++i) {
            loss[i] = 0;
            for (int h = 0; h < d; ++h) loss[i] += count[g.of(s[i])[h]] == 1;
        }
        const int u = open[rng.below(open.size())];
        int bestDelta = 1 << 30, add = -1, drop = -1, ties = 0;
        for (int a = 0; a < d; ++a) {
            const int v = g.of(u)[a];
            if (slot[v] >= 0) continue;
            // Points v reaches that only one syndrome reaches stay reached if that one goes.
            int gain = 0;
            touched.clear();
            for (int h = 0; h < d; ++h) {
                const int w = g.of(v)[h];
                if (count[w] == 0) ++gain;
                if (count[w] == 1 && credit[slot[owners[w]]]++ == 0)
                    touched.push_back(slot[owners[w]]);
            }
            for (int i = 0; i < m; ++i) {
                const int delta = loss[i] - credit[i] - gain;
                const bool aspire = static_cast<int>(open.size()) + delta < best;
                if ((tabuUntil[v] > it || tabuUntil[s[i]] > it) && !aspire) continue;
                if (delta < bestDelta)
                    bestDelta = delta, add = v, drop = i, ties = 1;
                else if (delta == bestDelta && rng.below(++ties) == 0)
                    add = v, drop = i;
            }
            for (int i : touched) credit[i] = 0;
        }
        if (add < 0) continue;
        const int gone = s[drop];
        for (int h = 0; h < d; ++h) {
            const int w = g.of(gone)[h];
            owners[w] -= gone;
            if (--count[w] == 0) at[w] = static_cast<int>(open.size()), open.push_back(w);
        }
        slot[gone] = -1, s[drop] = add, slot[add] = drop;
        for (int h = 0; h < d; ++h) {
            const int w = g.of(add)[h];
            owners[w] += add;
            if (count[w]++ == 0) {
                open[at[w]] = open.back(), at[open.back()] = at[w];
                open.pop_back(), at[w] = -1;
            }
        }
        tabuUntil[gone] = it + tenure, tabuUntil[add] = it + tenure / 2;
        if (static_cast<int>(open.size()) < best) best = static_cast<int>(open.size()), bestSet = s;
    }
    s = bestSet;
    return best;
}

struct Options {
    int n = 0, k = 0, start = 0, target = 1, tenure = 10;
    long iterations = 5000;
    double seconds = 600, temp = 0.5;
    std::uint64_t seed = 1;
    bool fixed = false;
    std::vector<int> matrix;
    std::string out = "cayley-found.txt";
};

}  // namespace

int main(int argc, char** argv) {
    Options o;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--length")
            o.n = std::stoi(value);
        else if (key == "--rows")
            o.k = std::stoi(value);
        else if (key == "--start")
            o.start = std::stoi(value);
        else if (key == "--target")
            o.target = std::stoi(value);
        else if (key == "--seconds")
            o.seconds = std::stod(value);
        else if (key == "--seed")
            o.seed = std::stoull(value);
        else if (key == "--iters")
            o.iterations = std::stol(value);
        else if (key == "--tenure")
            o.tenure = std::stoi(value);
        else if (key == "--temp")
            o.temp = std::stod(value);
        else if (key == "--fixed")
            o.fixed = value == "1";
        else if (key == "--out")
            o.out = value;
        else if (key == "--matrix") {
            std::stringstream in(value);
            for (std::string item; std::getline(in, item, ',');)
                o.matrix.push_back(std::stoi(item));
        }
    }
    if (o.n < 1 || o.n > 13 || o.k < 1 || o.k > o.n || o.k > 9 || o.start < 1 ||
        (!o.matrix.empty() && static_cast<int>(o.matrix.size()) != o.n)) {
        std::fprintf(stderr, "need --length 1..13, --rows 1..min(n,9), --start m, n columns\n");
        return 2;
    }
    Rng rng{o.seed * 0x9E3779B97F4A7C15ull | 1};
    int points = 1;
    for (int i = 0; i < o.k; ++i) points *= 3;
    // A column outside Z3^k would index past the neighbourhood table.
    for (int c : o.matrix)
        if (c < 0 || c >= points) {
            std::fprintf(stderr, "matrix column %d is not a syndrome of Z3^%d\n", c, o.k);
            return 2;
        }
    // H = [I | A] loses nothing for a matrix of full rank; only A's columns move.
    std::vector<int> columns = o.matrix;
    if (columns.empty())
        for (int i = 0, p = 1; i < o.k; ++i, p *= 3) columns.push_back(p);
    while (static_cast<int>(columns.size()) < o.n) columns.push_back(1 + rng.below(points - 1));
    int m = std::min(o.start, points);
    std::vector<int> s;
    std::vector<char> used(points, 0);
    while (static_cast<int>(s.size()) < m) {
        const int v = rng.below(points);
        if (!used[v]) used[v] = 1, s.push_back(v);
    }
    Graph graph(o.k, columns);
    int cost = tabu(graph, s, o.iterations, o.tenure, rng);
    const auto begin = std::chrono::steady_clock::now();
    for (long round = 1; m >= o.target; ++round) {
        if (std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count() >
            o.seconds)
            break;
        if (cost == 0) {
            if (!zuvo::tools::reportConstruction(o.n, 1, o.k, columns, s, o.out)) break;
            if (--m < o.target) break;
            s.erase(s.begin() + rng.below(s.size()));
            cost = tabu(graph, s, o.iterations, o.tenure, rng);
            continue;
        }
        std::vector<int> trial = columns;
        if (!o.fixed && o.n > o.k) trial[o.k + rng.below(o.n - o.k)] = 1 + rng.below(points - 1);
        Graph next(o.k, trial);
        std::vector<int> moved = s;
        const int c = tabu(next, moved, o.iterations, o.tenure, rng);
        if (c <= cost || (!o.fixed && rng.unit() < std::exp((cost - c) / o.temp)))
            columns = trial, graph = std::move(next), s = moved, cost = c;
        if (round % 100 == 0) std::printf("round %ld syndromes %d unreached %d\n", round, m, cost);
        std::fflush(stdout);
    }
    return 0;
}
