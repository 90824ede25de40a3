#include "plane_nest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

namespace zuvo::tools {
namespace {

int digit(int v, int i) {
    return v / PlaneNest::pow3(i) % 3;
}

// The code of chosen (part, word) pairs straight from the shape: every plane takes its nine
// values of digit sum 0, read off the digits, and the keys name the part.
std::set<int> directCode(const std::string& keys, int inner, const std::vector<int>& chosen) {
    const int planes = static_cast<int>(keys.size()), innerPoints = PlaneNest::pow3(inner);
    std::set<int> code;
    for (int prefix = 0; prefix < PlaneNest::pow3(3 * planes); ++prefix) {
        int part = 0, scale = 1;
        bool onPlanes = true;
        for (int p = 0; p < planes; ++p) {
            const int a = digit(prefix, 3 * p), b = digit(prefix, 3 * p + 1);
            onPlanes = onPlanes && (a + b + digit(prefix, 3 * p + 2)) % 3 == 0;
            part += (keys[p] == 'L' ? (a - b + 3) % 3 : a + 3 * b) * scale;
            scale *= keys[p] == 'L' ? 3 : 9;
        }
        if (!onPlanes) continue;
        for (int s : chosen)
            if (s / innerPoints == part)
                code.insert(prefix + s % innerPoints * PlaneNest::pow3(3 * planes));
    }
    return code;
}

// The same pairs through the matrix: every word whose syndrome is one of theirs.
std::set<int> matrixCode(const PlaneNest& shape, const std::vector<int>& chosen) {
    std::set<int> syndromes, code;
    for (int s : chosen) syndromes.insert(shape.syndrome(s));
    const std::vector<int> cols = shape.columns();
    const int k = shape.rowsOfMatrix();
    for (int w = 0; w < PlaneNest::pow3(shape.length()); ++w) {
        int h = 0;
        for (int r = 0; r < k; ++r) {
            int sum = 0;
            for (int j = 0; j < shape.length(); ++j) sum += digit(w, j) * digit(cols[j], r);
            h += sum % 3 * PlaneNest::pow3(r);
        }
        if (syndromes.count(h)) code.insert(w);
    }
    return code;
}

// For random choices of pairs, on small shapes: the matrix builds the code the shape
// describes, and the constraint rows are all met exactly when that code has covering radius R
// (checked by a distance to every word).
TEST(PlaneNest, RowsHoldExactlyWhenTheCodeCoversAndTheMatrixBuildsIt) {
    struct Case {
        const char* keys;
        int inner, radius;
    };
    const Case cases[] = {{"L", 3, 2}, {"W", 2, 2}, {"L", 2, 1}, {"LL", 1, 3}, {"LW", 0, 2}};
    std::mt19937 rng(7);
    int covering = 0, failing = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        const PlaneNest shape(c.keys, c.inner, c.radius);
        ASSERT_TRUE(shape.ok);
        const auto rows = shape.rows();
        for (int trial = 0; trial < 24; ++trial) {
            std::vector<int> chosen;
            const double keep = 0.25 + 0.03 * trial;
            for (int s = 0; s < shape.sets(); ++s)
                if (std::uniform_real_distribution<>(0, 1)(rng) < keep) chosen.push_back(s);
            const std::set<int> code = directCode(c.keys, c.inner, chosen);
            ASSERT_EQ(matrixCode(shape, chosen), code);
            ASSERT_EQ(code.size(), chosen.size() * static_cast<std::size_t>(shape.factor()));
            const bool rowsMet = std::all_of(rows.begin(), rows.end(), [&](const auto& row) {
                return std::any_of(row.begin(), row.end(), [&](int s) {
                    return std::find(chosen.begin(), chosen.end(), s) != chosen.end();
                });
            });
            bool covers = !code.empty();
            for (int w = 0; covers && w < PlaneNest::pow3(shape.length()); ++w)
                covers = std::any_of(code.begin(), code.end(), [&](int x) {
                    return PlaneNest::distance(w, x, shape.length()) <= c.radius;
                });
            EXPECT_EQ(rowsMet, covers) << "trial " << trial;
            ++(covers ? covering : failing);
        }
    }
    // Both answers must have come up, or the comparison proved nothing.
    EXPECT_GT(covering, 10);
    EXPECT_GT(failing, 10);
}

TEST(PlaneNest, RefusesMalformedShapes) {
    for (const char* keys : {"", "LX", "LLLL"}) EXPECT_FALSE(PlaneNest(keys, 2, 2).ok) << keys;
    EXPECT_FALSE(PlaneNest("L", -1, 2).ok);
    EXPECT_FALSE(PlaneNest("L", 2, -1).ok);
}

}  // namespace
}  // namespace zuvo::tools
