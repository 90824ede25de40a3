#include "model/cover/verify.h"

#include <algorithm>

namespace zuvo::cover {

bool boundedDistances(const Space& space, const System& system, int limit,
                      std::vector<std::uint8_t>& dist, const std::function<bool()>& cancel) {
    const Point n = space.size();
    dist.assign(n, kUncovered);
    std::vector<Point> frontier, next;
    for (Point p : system) {
        if (p < n && dist[p] == kUncovered) {
            dist[p] = 0;
            frontier.push_back(p);
        }
    }
    Point reached = static_cast<Point>(frontier.size());
    const int length = space.length();
    std::vector<Point> stride(static_cast<std::size_t>(length));
    for (int c = 0; c < length; ++c) stride[static_cast<std::size_t>(c)] = space.stride(c);
    limit = std::min(limit, length);
    for (int level = 0; level < limit && reached < n && !frontier.empty(); ++level) {
        const auto mark = static_cast<std::uint8_t>(level + 1);
        const bool last = level + 1 == limit;  // the points it reaches need no list
        Point found = 0;
        next.clear();
        const auto expand = [&](Point p, const auto& digitOf) {
            for (int c = 0; c < length; ++c) {
                const Point s = stride[static_cast<std::size_t>(c)];
                const Point base = p - static_cast<Point>(digitOf(c)) * s;
                for (int v = 0; v < space.radix(c); ++v) {
                    const Point q = base + static_cast<Point>(v) * s;
                    if (dist[q] == kUncovered) {
                        dist[q] = mark;
                        ++found;
                        if (!last) next.push_back(q);
                    }
                }
            }
        };
        if (frontier.size() * static_cast<std::size_t>(length) < n) {
            // A small level: each point's digits by division.
            int digit[16];
            for (std::size_t i = 0; i < frontier.size(); ++i) {
                if ((i & 0xFFF) == 0 && cancel && cancel()) return false;
                const Point p = frontier[i];
                Point rest = p;
                for (int c = 0; c < length; ++c) {
                    const auto r = static_cast<Point>(space.radix(c));
                    digit[c] = static_cast<int>(rest % r);
                    rest /= r;
                }
                expand(p, [&](int c) { return digit[c]; });
            }
        } else {
            // A large one: a pass over all points in order, where the digits come for free.
            Odometer at(space);
            do {
                const Point p = at.point();
                if ((p & 0xFFFF) == 0 && cancel && cancel()) return false;
                if (dist[p] == level) expand(p, [&](int c) { return at.digit(c); });
            } while (at.next() >= 0);
        }
        reached += found;
        std::swap(frontier, next);
    }
    return true;
}

std::vector<std::uint8_t> distances(const Space& space, const System& system) {
    std::vector<std::uint8_t> dist;
    boundedDistances(space, system, space.length(), dist);
    return dist;
}

int coveringRadius(const Space& space, const System& system) {
    const auto dist = distances(space, system);
    const auto worst = *std::max_element(dist.begin(), dist.end());
    return worst == kUncovered ? -1 : worst;
}

bool covers(const Space& space, const System& system, int radius) {
    if (system.empty() || radius < 0) return false;
    const Point n = space.size();
    if (std::any_of(system.begin(), system.end(), [n](Point p) { return p >= n; })) return false;
    std::vector<std::uint8_t> dist;
    boundedDistances(space, system, radius, dist);
    return std::none_of(dist.begin(), dist.end(), [](std::uint8_t d) { return d == kUncovered; });
}

double coveredChance(const Space& space, const System& system, int radius,
                     const std::vector<double>& chance) {
    if (radius < 0) return 0;
    std::vector<std::uint8_t> dist;
    boundedDistances(space, system, radius, dist);
    double sum = 0;
    for (std::size_t p = 0; p < dist.size() && p < chance.size(); ++p)
        if (dist[p] != kUncovered) sum += chance[p];
    return sum;
}

double HitChances::atLeast(int hits) const {
    if (hits > 13) return 0;
    return atLeastChance[static_cast<std::size_t>(std::max(hits, 0))];
}

namespace {

bool sameSpace(const Space& a, const Space& b) {
    return a.three == b.three && a.two == b.two;
}

bool inSpace(const Space& space, const System& system) {
    const Point n = space.size();
    return std::all_of(system.begin(), system.end(), [n](Point p) { return p < n; });
}

}  // namespace

HitChances hitChances(const Play& play, const System& system, const Filter& filter) {
    HitChances result;
    const Space space = play.space();
    if (system.empty() || !inSpace(space, system)) return result;
    const bool conditioned = filter.active() && sameSpace(filter.space(), space);
    const auto dist = distances(space, system);
    const ExactChances exact(play);
    std::array<Weight, 14> sum{};
    int worst = 0;
    int worstMeeting = 0;
    exact.forEach([&](Point p, Weight w) {
        worst = std::max<int>(worst, dist[p]);
        if (conditioned && filter.admits(p)) worstMeeting = std::max<int>(worstMeeting, dist[p]);
        sum[static_cast<std::size_t>(13 - dist[p])] += w;
    });
    Weight above = 0;
    for (int h = 13; h >= 0; --h) {
        const auto k = static_cast<std::size_t>(h);
        above += sum[k];
        result.exactly[k] = share(sum[k], exact.total());
        result.atLeastChance[k] = share(above, exact.total());
    }
    result.guarantee = 13 - worst;
    result.meetsChance = conditioned ? filter.chance() : 1;
    result.guaranteeMeeting = conditioned ? 13 - worstMeeting : result.guarantee;
    return result;
}

bool columnsAdmitted(const Filter& filter, const System& system) {
    return std::all_of(system.begin(), system.end(), [&](Point p) { return filter.admits(p); });
}

bool covers(const Filter& filter, const System& system, int radius) {
    if (!filter.active()) return covers(filter.space(), system, radius);
    if (system.empty() || radius < 0 || !columnsAdmitted(filter, system)) return false;
    std::vector<std::uint8_t> dist;
    boundedDistances(filter.space(), system, radius, dist);
    return std::none_of(filter.points().begin(), filter.points().end(),
                        [&](Point p) { return dist[p] == kUncovered; });
}

double coveredChance(const Play& play, const Filter& filter, const System& system, int radius) {
    const Space space = play.space();
    if (radius < 0 || system.empty() || !inSpace(space, system)) return 0;
    const bool conditioned = filter.active() && sameSpace(filter.space(), space);
    std::vector<std::uint8_t> dist;
    boundedDistances(space, system, radius, dist);
    const ExactChances exact(play);
    Weight sum = 0;
    exact.forEach([&](Point p, Weight w) {
        if (dist[p] != kUncovered && (!conditioned || filter.admits(p))) sum += w;
    });
    return share(sum, exact.total());
}

int leastHits(const Filter& filter, const System& system) {
    if (system.empty() || !inSpace(filter.space(), system)) return -1;
    const auto dist = distances(filter.space(), system);
    int worst = 0;
    if (filter.active()) {
        for (Point p : filter.points()) worst = std::max<int>(worst, dist[p]);
    } else {
        worst = *std::max_element(dist.begin(), dist.end());
    }
    return 13 - worst;
}

}  // namespace zuvo::cover
