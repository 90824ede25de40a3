#pragma once
// The syndrome side of a prescribed symmetry for the orbit search: Z3^k with points as base-3
// numbers (digit r is row r), position maps read from the command line, the linear map each one
// induces on the syndromes, and the orbits of the group they generate.
#include <algorithm>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace zuvo::tools::orbit {

struct Space {
    int k = 0, points = 1;
    std::vector<int> pow;
    explicit Space(int rows) : k(rows) {
        for (int r = 0; r < k; ++r) pow.push_back(points), points *= 3;
    }
    int digit(int v, int r) const { return v / pow[r] % 3; }
    int add(int a, int b, int times = 1) const {
        int s = 0;
        for (int r = 0; r < k; ++r) s += (digit(a, r) + times * digit(b, r)) % 3 * pow[r];
        return s;
    }
};

// A position map x -> y, y_j = m_j * x_{p_j} + b_j, read from "p0,p1,.../m0,m1,..." with an
// optional "/b0,b1,..." (a translation; without it the map is linear).
struct PositionMap {
    std::vector<int> p, m, b;
};

inline std::vector<int> numbers(const std::string& text) {
    std::vector<int> out;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ',');)
        if (!item.empty()) out.push_back(std::stoi(item));
    return out;
}

inline std::vector<PositionMap> parseMaps(const std::string& text, int n) {
    std::vector<PositionMap> maps;
    std::stringstream in(text);
    for (std::string item; std::getline(in, item, ';');) {
        if (item.empty()) continue;
        std::vector<std::string> fields;
        std::stringstream parts(item);
        for (std::string field; std::getline(parts, field, '/');) fields.push_back(field);
        PositionMap map;
        try {
            if (fields.size() != 2 && fields.size() != 3) throw std::invalid_argument("fields");
            map.p = numbers(fields[0]);
            map.m = numbers(fields[1]);
            map.b = fields.size() == 3 ? numbers(fields[2]) : std::vector<int>(n, 0);
        } catch (const std::exception&) {
            throw std::invalid_argument("bad map " + item);
        }
        std::vector<int> sorted = map.p;
        std::sort(sorted.begin(), sorted.end());
        bool ok = static_cast<int>(map.p.size()) == n && static_cast<int>(map.m.size()) == n &&
                  static_cast<int>(map.b.size()) == n;
        for (int j = 0; ok && j < n; ++j)
            ok =
                sorted[j] == j && (map.m[j] == 1 || map.m[j] == 2) && map.b[j] >= 0 && map.b[j] < 3;
        if (!ok) throw std::invalid_argument("bad map " + item);
        maps.push_back(map);
    }
    return maps;
}

// The map on Z3^k that the position map induces: s -> Ts + Hb, where T h_i = h'_i for H' the
// columns after the position map; it exists only when the map keeps the kernel of H. Returned
// as the images of every point.
inline std::vector<int> syndromeAction(const Space& g, const std::vector<int>& h,
                                       const PositionMap& map) {
    const int n = static_cast<int>(h.size());
    // Hy = sum_j m_j x_{p_j} h_j, so position i = p_j carries the column m_j h_j.
    std::vector<int> moved(n);
    for (int j = 0; j < n; ++j) moved[map.p[j]] = map.m[j] == 1 ? h[j] : g.add(0, h[j], 2);
    // Every point as some combination of H's columns, found breadth-first; T takes it to the
    // same combination of the moved columns.
    std::vector<std::vector<int>> combo(g.points);
    std::vector<char> known(g.points, 0);
    known[0] = 1, combo[0].assign(n, 0);
    std::vector<int> frontier{0};
    while (!frontier.empty()) {
        std::vector<int> next;
        for (int v : frontier)
            for (int j = 0; j < n; ++j) {
                const int w = g.add(v, h[j]);
                if (known[w]) continue;
                known[w] = 1, combo[w] = combo[v], combo[w][j] = (combo[w][j] + 1) % 3;
                next.push_back(w);
            }
        frontier = std::move(next);
    }
    std::vector<int> act(g.points, -1);
    for (int v = 0; v < g.points; ++v) {
        if (!known[v]) throw std::invalid_argument("H does not have full rank");
        int w = 0;
        for (int j = 0; j < n; ++j) w = g.add(w, moved[j], combo[v][j]);
        act[v] = w;
    }
    // Well defined only if every kernel word maps into the kernel, that is if T is additive.
    for (int a = 0; a < g.points; ++a)
        for (int j = 0; j < n; ++j)
            if (act[g.add(a, h[j])] != g.add(act[a], moved[j]))
                throw std::invalid_argument("a map does not keep the kernel of H");
    if (!map.b.empty()) {  // a map built in code may leave the translation out
        int shift = 0;
        for (int j = 0; j < n; ++j) shift = g.add(shift, h[j], map.b[j]);
        for (int& w : act) w = g.add(w, shift);
    }
    return act;
}

// Orbit number of every point under the group the actions generate, numbered in order of each
// orbit's smallest point.
inline std::vector<int> orbitsOf(int points, const std::vector<std::vector<int>>& actions) {
    std::vector<int> orbit(points, -1);
    int count = 0;
    for (int v = 0; v < points; ++v) {
        if (orbit[v] >= 0) continue;
        std::vector<int> members{v};
        orbit[v] = count;
        for (std::size_t q = 0; q < members.size(); ++q)
            for (const auto& act : actions) {
                const int w = act[members[q]];
                if (orbit[w] < 0) orbit[w] = count, members.push_back(w);
            }
        ++count;
    }
    return orbit;
}

}  // namespace zuvo::tools::orbit
