#include "model/cover/group.h"

namespace zuvo::cover {

namespace {

// The digit-wise sums of every pair of points of the coordinates first..last-1 of `space`.
std::vector<Point> sumTable(const Space& space, int first, int last, Point size) {
    std::vector<int> radix;
    for (int c = first; c < last; ++c) radix.push_back(space.radix(c));
    std::vector<Point> table(static_cast<std::size_t>(size) * size);
    for (Point x = 0; x < size; ++x)
        for (Point y = 0; y < size; ++y) {
            Point a = x, b = y, sum = 0, weight = 1;
            for (int r : radix) {
                const auto rr = static_cast<Point>(r);
                sum += ((a % rr + b % rr) % rr) * weight;
                a /= rr;
                b /= rr;
                weight *= rr;
            }
            table[static_cast<std::size_t>(x) * size + y] = sum;
        }
    return table;
}

}  // namespace

Group::Group(const Space& space) : space_(space), size_(space.size()) {
    // Split where the two halves are closest in size, so both tables stay small.
    int split = 0;
    double best = 1e300;
    for (int c = 0; c <= space.length(); ++c) {
        const double low = space.stride(c);
        const double cost = low * low + (size_ / low) * (size_ / low);
        if (cost < best) {
            best = cost;
            split = c;
        }
    }
    lowSize_ = space.stride(split);
    highSize_ = size_ / lowSize_;
    low_ = sumTable(space, 0, split, lowSize_);
    high_ = sumTable(space, split, space.length(), highSize_);
}

std::vector<Point> stepBall(const Group& group, const Matrix& h, int radius) {
    std::vector<std::uint8_t> seen(group.size(), 0);
    std::vector<Point> ball{0};
    seen[0] = 1;
    const int n = static_cast<int>(h.column.size());
    // The steps of each coordinate: the column, and twice it for a three-way one.
    std::vector<std::vector<Point>> steps(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const Point c = h.column[static_cast<std::size_t>(i)];
        steps[static_cast<std::size_t>(i)].push_back(c);
        const Point twice = group.add(c, c);
        if (twice != 0) steps[static_cast<std::size_t>(i)].push_back(twice);
    }
    const auto walk = [&](auto&& self, int from, int left, Point sum) -> void {
        if (ball.size() == group.size()) return;
        for (int i = from; i < n; ++i)
            for (Point s : steps[static_cast<std::size_t>(i)]) {
                const Point next = group.add(sum, s);
                if (!seen[next]) {
                    seen[next] = 1;
                    ball.push_back(next);
                }
                if (left > 1) self(self, i + 1, left - 1, next);
            }
    };
    if (radius > 0) walk(walk, 0, radius, 0);
    return ball;
}

System systemOf(const Space& space, const Group& group, const Matrix& h,
                const std::vector<std::uint8_t>& chosen, const std::function<bool()>& cancel) {
    // Moving to the next point raises coordinate c by one and takes every lower one from its top
    // value back to 0, which adds one more of its column too: the syndrome grows by the sum of the
    // columns 0..c.
    const int n = space.length();
    std::vector<Point> prefix(static_cast<std::size_t>(n));
    Point sum = 0;
    for (int c = 0; c < n; ++c)
        prefix[static_cast<std::size_t>(c)] = sum =
            group.add(sum, h.column[static_cast<std::size_t>(c)]);
    System system;
    Odometer at(space);
    Point syndrome = 0;
    for (;;) {
        if (chosen[syndrome]) system.push_back(at.point());
        if ((at.point() & 0xFFFF) == 0xFFFF && cancel && cancel()) return {};
        const int c = at.next();
        if (c < 0) break;
        syndrome = group.add(syndrome, prefix[static_cast<std::size_t>(c)]);
    }
    return system;
}

int matrixRank(const Group& group, const Matrix& h) {
    const Space& g = group.space();
    int rank = 0;
    // Gaussian elimination on digit vectors, separately over Z3 and Z2.
    for (int part = 0; part < 2; ++part) {
        const int first = part == 0 ? 0 : g.three;
        const int rows = part == 0 ? g.three : g.two;
        const int mod = part == 0 ? 3 : 2;
        std::vector<std::vector<int>> vectors;
        for (Point c : h.column) {
            std::vector<int> v(static_cast<std::size_t>(rows));
            bool any = false;
            for (int r = 0; r < rows; ++r) {
                v[static_cast<std::size_t>(r)] = g.digit(c, first + r);
                any = any || v[static_cast<std::size_t>(r)] != 0;
            }
            if (any) vectors.push_back(v);
        }
        for (int r = 0; r < rows; ++r) {
            std::size_t found = vectors.size();
            for (std::size_t i = 0; i < vectors.size(); ++i)
                if (vectors[i][static_cast<std::size_t>(r)] != 0) {
                    found = i;
                    break;
                }
            if (found == vectors.size()) continue;
            std::vector<int> p = vectors[found];
            vectors.erase(vectors.begin() + static_cast<std::ptrdiff_t>(found));
            const int inv = p[static_cast<std::size_t>(r)];  // 1 and 2 are their own inverses mod 3
            for (int& x : p) x = (x * inv) % mod;
            for (auto& v : vectors) {
                const int f = v[static_cast<std::size_t>(r)];
                if (f == 0) continue;
                for (int k = 0; k < rows; ++k)
                    v[static_cast<std::size_t>(k)] =
                        ((v[static_cast<std::size_t>(k)] - f * p[static_cast<std::size_t>(k)]) %
                             mod +
                         mod) %
                        mod;
            }
            ++rank;
        }
    }
    return rank;
}

}  // namespace zuvo::cover
