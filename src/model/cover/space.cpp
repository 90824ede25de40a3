#include "model/cover/space.h"

namespace zuvo::cover {

namespace {

std::uint64_t binomial(int n, int k) {
    if (k < 0 || k > n) return 0;
    std::uint64_t r = 1;
    for (int i = 1; i <= k; ++i)
        r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
    return r;
}

}  // namespace

Point Space::size() const {
    Point s = 1;
    for (int i = 0; i < three; ++i) s *= 3;
    for (int i = 0; i < two; ++i) s *= 2;
    return s;
}

Point Space::stride(int coordinate) const {
    Point s = 1;
    for (int i = 0; i < coordinate; ++i) s *= static_cast<Point>(radix(i));
    return s;
}

bool Space::valid() const {
    return three >= 0 && two >= 0 && three + two <= 13;
}

std::uint64_t ballSize(const Space& space, int radius) {
    std::uint64_t total = 0;
    for (int i = 0; i <= space.three && i <= radius; ++i)
        for (int j = 0; j <= space.two && i + j <= radius; ++j)
            total += binomial(space.three, i) * (std::uint64_t{1} << i) * binomial(space.two, j);
    return total;
}

std::uint64_t sphereBound(const Space& space, int radius) {
    if (radius < 0) return space.size();
    const std::uint64_t ball = ballSize(space, radius);
    return (space.size() + ball - 1) / ball;
}

Odometer::Odometer(const Space& space)
    : space_(space), digits_(static_cast<std::size_t>(space.length()), 0) {}

int Odometer::next() {
    ++point_;
    for (int c = 0; c < space_.length(); ++c) {
        int& d = digits_[static_cast<std::size_t>(c)];
        if (++d < space_.radix(c)) return c;
        d = 0;
    }
    return -1;
}

}  // namespace zuvo::cover
