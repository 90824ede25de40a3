#pragma once
// The shape behind plane_nest: P planes on the first 3P positions, each the nine values with
// digit sum 0, then an inner block of m positions. Each plane is keyed by its label (digit 1
// minus digit 2: three keys) or by its value (nine keys); the keys of all planes pick a part,
// and the code is every (a_1, ..., a_P, y) with y in the part of a's keys. A choice of parts is
// then a set cover: the sets are the pairs (part, inner word), and each (prefix x, inner point y)
// asks for some pair within R of it through some plane value a, that is a part keyed by a
// holding a word within R - d(x, a) of y.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace zuvo::tools {

class PlaneNest {
  public:
    // keys: one letter per plane, 'L' (label) or 'W' (value); false in `ok` when malformed.
    PlaneNest(const std::string& keys, int inner, int radius) : keys_(keys), m_(inner), r_(radius) {
        ok = !keys.empty() && keys.size() <= 3 && inner >= 0 && inner <= 9 && radius >= 0 &&
             std::all_of(keys.begin(), keys.end(), [](char c) { return c == 'L' || c == 'W'; });
        if (!ok) return;
        for (int i = 0; i < m_; ++i) innerPoints_ *= 3;
        for (int a = 0; a < 27; ++a)
            if ((a % 3 + a / 3 % 3 + a / 9) % 3 == 0) plane_.push_back(a);
        parts_ = 1;
        for (char c : keys_) parts_ *= c == 'L' ? 3 : 9;
    }

    bool ok = false;
    int planes() const { return static_cast<int>(keys_.size()); }
    int length() const { return 3 * planes() + m_; }
    int parts() const { return parts_; }
    int innerPoints() const { return innerPoints_; }
    int sets() const { return parts_ * innerPoints_; }
    // Columns of the code per word of a part: 3 for each plane keyed by its label.
    int factor() const {
        return pow3(static_cast<int>(std::count(keys_.begin(), keys_.end(), 'L')));
    }

    // Every distinct constraint: the sets (part * innerPoints + word) any one of which reaches
    // some (x, y). Prefixes with the same radius per part give the same rows, so they are
    // listed once.
    std::vector<std::vector<int>> rows() const {
        std::vector<std::vector<int>> reach;  // radius per part, for each distinct prefix kind
        const int prefixes = pow3(3 * planes());
        for (int x = 0; x < prefixes; ++x) {
            std::vector<int> r(static_cast<std::size_t>(parts_), -1);
            forEachValue([&](const std::vector<int>& a, int part) {
                int d = 0;
                for (int p = 0; p < planes(); ++p) d += distance(x / pow3(3 * p) % 27, a[p], 3);
                r[part] = std::max(r[part], r_ - d);
            });
            if (std::find(reach.begin(), reach.end(), r) == reach.end()) reach.push_back(r);
        }
        std::vector<std::vector<int>> out;
        for (const auto& r : reach)
            for (int y = 0; y < innerPoints_; ++y) {
                std::vector<int> row;
                for (int part = 0; part < parts_; ++part)
                    for (int g : within(y, r[part])) row.push_back(part * innerPoints_ + g);
                out.push_back(std::move(row));
            }
        return out;
    }

    // The inner words within `radius` of inner point y, in increasing order (none below 0).
    std::vector<int> within(int y, int radius) const {
        std::vector<int> near;
        for (int g = 0; radius >= 0 && g < innerPoints_; ++g)
            if (distance(y, g, m_) <= radius) near.push_back(g);
        return near;
    }

    // The same code as a matrix-method construction: per plane a row of its digit sum, then its
    // label row or its first two digits; the inner positions as they are. A set (part, g) is the
    // syndrome with zero sums, the part's keys and g.
    int rowsOfMatrix() const {
        int k = m_;
        for (char c : keys_) k += c == 'L' ? 2 : 3;
        return k;
    }
    std::vector<int> columns() const {
        std::vector<int> cols;
        int row = 0;
        for (char c : keys_) {
            const int sum = pow3(row), key = pow3(row + 1);
            if (c == 'L')
                cols.insert(cols.end(), {sum + key, sum + 2 * key, sum});
            else
                cols.insert(cols.end(), {sum + key, sum + 3 * key, sum});
            row += c == 'L' ? 2 : 3;
        }
        for (int i = 0; i < m_; ++i) cols.push_back(pow3(row + i));
        return cols;
    }
    int syndrome(int set) const {
        int part = set / innerPoints_, s = 0, row = 0;
        for (char c : keys_) {
            const int keys = c == 'L' ? 3 : 9;
            s += part % keys * pow3(row + 1);  // a value's key is digit 1 + 3 * digit 2
            part /= keys, row += c == 'L' ? 2 : 3;
        }
        return s + set % innerPoints_ * pow3(row);
    }

    static int pow3(int e) {
        int p = 1;
        while (e-- > 0) p *= 3;
        return p;
    }
    static int distance(int a, int b, int digits) {
        int d = 0;
        for (int i = 0; i < digits; ++i, a /= 3, b /= 3) d += a % 3 != b % 3;
        return d;
    }

  private:
    // Calls f(values, part) for every choice of one plane value per plane.
    template <class F>
    void forEachValue(F f) const {
        std::vector<int> a(static_cast<std::size_t>(planes()));
        const int choices = pow3(2 * planes());
        for (int c = 0; c < choices; ++c) {
            int part = 0, scale = 1;
            for (int p = 0; p < planes(); ++p) {
                const int v = plane_[static_cast<std::size_t>(c / pow3(2 * p) % 9)];
                a[static_cast<std::size_t>(p)] = v;
                const int label = (v % 3 - v / 3 % 3 + 3) % 3;
                const int key = keys_[static_cast<std::size_t>(p)] == 'L' ? label : v % 9;
                part += key * scale, scale *= keys_[static_cast<std::size_t>(p)] == 'L' ? 3 : 9;
            }
            f(a, part);
        }
    }

    std::string keys_;
    int m_ = 0, r_ = 0, innerPoints_ = 1, parts_ = 1;
    std::vector<int> plane_;
};

}  // namespace zuvo::tools
