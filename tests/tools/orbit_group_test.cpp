#include "orbit_group.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <vector>

namespace zuvo::tools::orbit {
namespace {

// Every monomial map of a short length against the words themselves: a map that keeps the
// kernel of H (checked word by word) must induce a syndrome map with T(Hx) = H(Mx) for every
// word x and keep every ball, and one that does not must be refused. The orbits of all kept maps
// must be closed under each of them and as coarse as a union-find over the same maps.
TEST(OrbitGroup, SyndromeMapsAgreeWithTheWordsAndOrbitsAreClosed) {
    const int n = 4, k = 2, words = 81;
    const Space g(k);
    const std::vector<std::vector<int>> matrices = {{1, 3, 4, 7}, {1, 3, 4, 1}, {1, 3, 0, 2}};
    auto syndrome = [&](const std::vector<int>& h, const std::vector<int>& x) {
        int s = 0;
        for (int j = 0; j < n; ++j) s = g.add(s, h[j], x[j]);
        return s;
    };
    auto word = [&](int v) {
        std::vector<int> x(n);
        for (int j = 0; j < n; ++j, v /= 3) x[j] = v % 3;
        return x;
    };
    for (const auto& h : matrices) {
        SCOPED_TRACE(h[3]);
        std::vector<int> perm(n);
        std::iota(perm.begin(), perm.end(), 0);
        std::vector<std::vector<int>> kept;
        int refused = 0;
        do {
            for (int signs = 0; signs < 16; ++signs) {
                PositionMap map{perm, {}, {}};
                for (int j = 0; j < n; ++j) map.m.push_back((signs >> j & 1) + 1);
                auto moved = [&](const std::vector<int>& x) {
                    std::vector<int> y(n);
                    for (int j = 0; j < n; ++j) y[j] = map.m[j] * x[map.p[j]] % 3;
                    return y;
                };
                bool keeps = true;
                for (int v = 0; v < words && keeps; ++v)
                    if (syndrome(h, word(v)) == 0) keeps = syndrome(h, moved(word(v))) == 0;
                if (!keeps) {
                    EXPECT_THROW(syndromeAction(g, h, map), std::invalid_argument);
                    ++refused;
                    continue;
                }
                const std::vector<int> act = syndromeAction(g, h, map);
                for (int v = 0; v < words; ++v)
                    ASSERT_EQ(act[syndrome(h, word(v))], syndrome(h, moved(word(v))));
                // With a translation b the words go to Mx + b and the syndromes along.
                PositionMap shifted = map;
                shifted.b = word(signs * 5 % words);
                const std::vector<int> affine = syndromeAction(g, h, shifted);
                for (int v = 0; v < words; ++v) {
                    auto y = moved(word(v));
                    for (int j = 0; j < n; ++j) y[j] = (y[j] + shifted.b[j]) % 3;
                    ASSERT_EQ(affine[syndrome(h, word(v))], syndrome(h, y));
                }
                // The search counts an orbit reached once one point is, which needs T to keep
                // the ball of every radius: the syndromes of the words of weight at most R.
                for (int radius = 1; radius <= 2; ++radius) {
                    std::vector<char> inBall(g.points, 0);
                    for (int v = 0; v < words; ++v) {
                        const auto x = word(v);
                        if (n - std::count(x.begin(), x.end(), 0) <= radius)
                            inBall[syndrome(h, x)] = 1;
                    }
                    for (int s = 0; s < g.points; ++s) ASSERT_EQ(inBall[act[s]], inBall[s]);
                }
                kept.push_back(act);
            }
        } while (std::next_permutation(perm.begin(), perm.end()));
        EXPECT_GT(kept.size(), 1u);
        EXPECT_GT(refused, 0);

        const std::vector<int> orbit = orbitsOf(g.points, kept);
        std::vector<int> root(g.points);
        std::iota(root.begin(), root.end(), 0);
        auto find = [&](int v) {
            while (root[v] != v) v = root[v] = root[root[v]];
            return v;
        };
        for (const auto& act : kept)
            for (int v = 0; v < g.points; ++v) {
                ASSERT_EQ(orbit[act[v]], orbit[v]);
                root[find(v)] = find(act[v]);
            }
        for (int a = 0; a < g.points; ++a)
            for (int b = 0; b < g.points; ++b) ASSERT_EQ(orbit[a] == orbit[b], find(a) == find(b));
    }
}

TEST(OrbitGroup, MapsThatAreNotAffineMonomialAreRefused) {
    const auto maps = parseMaps("1,0,2/1,2,1;0,1,2/2,2,2/0,2,1", 3);
    ASSERT_EQ(maps.size(), 2u);
    EXPECT_EQ(maps[0].b, std::vector<int>(3, 0));
    EXPECT_EQ(maps[1].b, (std::vector<int>{0, 2, 1}));
    for (const char* bad : {"0,0,2/1,1,1", "0,1,3/1,1,1", "0,1/1,1", "0,1,2/1,0,1", "0,1,2/1,1,3",
                            "0,1,2", "0,x,2/1,1,1", "0,1,2/1,1,1/0,3,0", "0,1,2/1,1,1/0,1"})
        EXPECT_THROW(parseMaps(bad, 3), std::invalid_argument) << bad;
}

}  // namespace
}  // namespace zuvo::tools::orbit
