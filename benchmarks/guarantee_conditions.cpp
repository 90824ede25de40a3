#include "guarantee_conditions.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

#include "model/cover/filter.h"
#include "model/cover/play.h"
#include "model/cover/search.h"
#include "model/cover/verify.h"

namespace zuvo::bench {

namespace {

using namespace zuvo::cover;
using Clock = std::chrono::steady_clock;

struct ConditionedCase {
    const char* file;
    int three;
    int two;
    Conditions conditions;
};

// A plain greedy cover: the admitted column that covers the most uncovered admitted points, the
// lowest of a tie, until all are covered.
std::size_t plainGreedy(const Filter& filter, int radius) {
    const Space& space = filter.space();
    const auto& points = filter.points();
    const auto distance = [&](Point x, Point y) {
        int d = 0;
        for (int c = 0; c < space.length(); ++c) d += space.digit(x, c) != space.digit(y, c);
        return d;
    };
    std::vector<std::vector<std::uint32_t>> ball(points.size());
    for (std::size_t i = 0; i < points.size(); ++i)
        for (std::size_t j = 0; j < points.size(); ++j)
            if (distance(points[i], points[j]) <= radius)
                ball[i].push_back(static_cast<std::uint32_t>(j));
    std::vector<std::uint8_t> covered(points.size(), 0);
    std::size_t left = points.size(), columns = 0;
    while (left > 0) {
        std::size_t best = 0, bestGain = 0;
        for (std::size_t i = 0; i < points.size(); ++i) {
            std::size_t gain = 0;
            for (auto j : ball[i]) gain += !covered[j];
            if (gain > bestGain) {
                bestGain = gain;
                best = i;
            }
        }
        for (auto j : ball[best]) {
            left -= !covered[j];
            covered[j] = 1;
        }
        ++columns;
    }
    return columns;
}

bool runCase(const ConditionedCase& c, double seconds, const std::string& dir) {
    constexpr int kRadius = 1;
    const Play play = structurePlay(c.three, c.two);
    const Filter filter(play, c.conditions);
    std::mutex mutex;
    System best;
    double at = 0;
    const auto start = Clock::now();
    const SearchLimits limits{
        start + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds)),
        {}};
    {
        const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
        std::vector<std::jthread> pool;
        for (unsigned i = 0; i < threads; ++i)
            pool.emplace_back([&, i] {
                const auto improved = [&](const System& s) {
                    const std::lock_guard lock(mutex);
                    if (best.empty() || s.size() < best.size()) {
                        best = s;
                        at = std::chrono::duration<double>(Clock::now() - start).count();
                    }
                };
                improved(searchGlobal(filter, kRadius, i + 1, limits, improved));
            });
    }
    const bool verified = covers(filter, best, kRadius);
    std::printf(
        "%s: %d three-way, %d two-way, 12 hits, %llu of %u combinations; %zu columns "
        "(%.2f s), plain greedy %zu, %s\n",
        c.file, c.three, c.two, static_cast<unsigned long long>(filter.count()),
        filter.space().size(), best.size(), at, plainGreedy(filter, kRadius),
        verified ? "verified" : "NOT VERIFIED");
    std::fflush(stdout);
    if (!dir.empty()) {
        std::ofstream out(dir + "/" + c.file, std::ios::binary);
        for (Point p : best) out << play.column(p) << "\r\n";
    }
    return verified;
}

}  // namespace

int runConditions(double seconds, const std::string& dir) {
    const ConditionedCase cases[] = {
        {"cond-8-0-1.txt", 8, 0, {{7, 10}, {1, 3}, {1, 3}, {}}},
        {"cond-6-4-1.txt", 6, 4, {{7, 10}, {2, 4}, {0, 2}, {}}},
    };
    bool all = true;
    for (const ConditionedCase& c : cases) all = runCase(c, seconds, dir) && all;
    return all ? 0 : 1;
}

}  // namespace zuvo::bench
