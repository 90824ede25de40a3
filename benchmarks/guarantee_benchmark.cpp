// The guarantee searches under the real arrangement: one search per hardware thread, the best kept.
// Prints "a b R size best-known seconds verified" per case, then the preferred case.
//   guarantee_benchmark [--seconds S] [--write DIR] [--only a,b,R]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "guarantee_conditions.h"
#include "model/cover/known.h"
#include "model/cover/play.h"
#include "model/cover/search.h"
#include "model/cover/verify.h"

namespace {

using namespace zuvo;
using namespace zuvo::cover;
using Clock = std::chrono::steady_clock;

struct Case {
    int three;
    int two;
    int radius;
};

const std::vector<Case> kCases = {
    {3, 0, 1},  {4, 0, 1},  {5, 0, 1},  {6, 0, 1},  {7, 0, 1},  {8, 0, 1},  {9, 0, 1},
    {10, 0, 1}, {11, 0, 1}, {12, 0, 1}, {13, 0, 1}, {5, 0, 2},  {6, 0, 2},  {7, 0, 2},
    {8, 0, 2},  {9, 0, 2},  {10, 0, 2}, {11, 0, 2}, {12, 0, 2}, {13, 0, 2}, {6, 0, 3},
    {7, 0, 3},  {8, 0, 3},  {9, 0, 3},  {10, 0, 3}, {11, 0, 3}, {12, 0, 3}, {13, 0, 3},
    {2, 2, 1},  {3, 3, 1},  {4, 4, 1},  {5, 3, 1},  {7, 2, 1},  {6, 4, 1},  {4, 6, 1},
    {5, 5, 2},  {6, 6, 2},  {0, 8, 1},  {4, 4, 3},  {5, 5, 3},  {6, 6, 3},
};

// The best system of all threads, and when its size was first reached.
struct Best {
    std::mutex mutex;
    System system;
    double score = 0;  // covered chance for the preferred case
    double seconds = 0;
};

void save(const std::string& path, const Play& play, const System& system) {
    std::ofstream out(path, std::ios::binary);
    for (Point p : system) out << play.column(p) << "\r\n";
}

template <class Run>
void runThreads(Run run, double seconds) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    const SearchLimits limits{Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                 std::chrono::duration<double>(seconds)),
                              {}};
    std::vector<std::jthread> pool;
    for (unsigned i = 0; i < threads; ++i) pool.emplace_back([&, i] { run(i + 1, limits); });
}

void globalCase(const Case& c, double seconds, const std::string& dir) {
    const Space space{c.three, c.two};
    Best best;
    const auto start = Clock::now();
    runThreads(
        [&](std::uint64_t seed, const SearchLimits& limits) {
            const auto improved = [&](const System& s) {
                std::lock_guard lock(best.mutex);
                if (best.system.empty() || s.size() < best.system.size()) {
                    best.system = s;
                    best.seconds = std::chrono::duration<double>(Clock::now() - start).count();
                }
            };
            improved(searchGlobal(space, c.radius, seed, limits, improved));
        },
        seconds);
    const auto known = bestKnownSize(c.three, c.two, c.radius);
    const bool verified = covers(space, best.system, c.radius);
    std::printf("%d %d %d %zu %s %.2f %s\n", c.three, c.two, c.radius, best.system.size(),
                known ? std::to_string(*known).c_str() : "-", best.seconds,
                verified ? "yes" : "NO");
    std::fflush(stdout);
    if (!dir.empty())
        save(dir + "/" + std::to_string(c.three) + "-" + std::to_string(c.two) + "-" +
                 std::to_string(c.radius) + ".txt",
             structurePlay(c.three, c.two), best.system);
}

void preferredCase(double seconds, const std::string& dir) {
    const int percents[13][3] = {{50, 30, 20}, {100, 0, 0}, {60, 40, 0}, {40, 35, 25}, {70, 0, 30},
                                 {45, 30, 25}, {0, 0, 100}, {55, 45, 0}, {35, 35, 30}, {100, 0, 0},
                                 {65, 25, 10}, {0, 60, 40}, {40, 30, 30}};
    Forecast forecast;
    for (int i = 0; i < 13; ++i) {
        auto& p = forecast[static_cast<std::size_t>(i)];
        p.p1 = percents[i][0];
        p.p0 = percents[i][1];
        p.p2 = percents[i][2];
        p.certain = (p.p1 == 100 || p.p0 == 100 || p.p2 == 100) ? 1 : 0;
    }
    const Play play = playOf(forecast);
    const Space space = play.space();
    const auto chance = play.chances();
    constexpr std::size_t kBudget = 432;
    constexpr int kRadius = 1;
    Best best;
    const auto start = Clock::now();
    runThreads(
        [&](std::uint64_t seed, const SearchLimits& limits) {
            const auto improved = [&](const System& s) {
                const double covered = coveredChance(space, s, kRadius, chance);
                std::lock_guard lock(best.mutex);
                if (covered > best.score) {
                    best.system = s;
                    best.score = covered;
                    best.seconds = std::chrono::duration<double>(Clock::now() - start).count();
                }
            };
            improved(searchPreferred(space, kRadius, chance, kBudget, seed, limits, improved));
        },
        seconds);
    const bool inRange =
        best.system.size() <= kBudget && std::all_of(best.system.begin(), best.system.end(),
                                                     [&](Point p) { return p < space.size(); });
    std::printf("preferred %d %d %d chance %.2f%% size %zu seconds %.2f %s\n", space.three,
                space.two, kRadius, 100.0 * coveredChance(space, best.system, kRadius, chance),
                best.system.size(), best.seconds, inRange ? "yes" : "NO");
    std::fflush(stdout);
    if (!dir.empty()) save(dir + "/prefer-432.txt", play, best.system);
}

}  // namespace

int main(int argc, char** argv) {
    double seconds = 10;
    std::string dir;
    bool onlyOne = false;
    bool preferred = true;
    bool conditions = false;
    Case only{};
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--seconds" && i + 1 < argc) {
            seconds = std::atof(argv[++i]);
        } else if (arg == "--write" && i + 1 < argc) {
            dir = argv[++i];
        } else if (arg == "--only" && i + 1 < argc) {
            const std::string which = argv[++i];
            if (which == "conditions") {
                conditions = true;
            } else if (which == "prefer") {
                onlyOne = true;
                only.radius = -1;
            } else if (std::sscanf(which.c_str(), "%d,%d,%d", &only.three, &only.two,
                                   &only.radius) == 3) {
                onlyOne = true;
                preferred = false;
            } else {
                std::fprintf(stderr, "--only takes a,b,R, prefer or conditions\n");
                return 2;
            }
        } else {
            std::fprintf(stderr,
                         "usage: %s [--seconds S] [--write DIR] [--only a,b,R|prefer|conditions]\n",
                         argv[0]);
            return 2;
        }
    }
    if (conditions) return zuvo::bench::runConditions(seconds, dir);
    std::printf("a b R size best-known seconds verified (%u threads, %.0f s each)\n",
                std::max(1u, std::thread::hardware_concurrency()), seconds);
    if (onlyOne && only.radius >= 0) {
        globalCase(only, seconds, dir);
    } else if (!onlyOne) {
        for (const Case& c : kCases) globalCase(c, seconds, dir);
    }
    if (preferred) preferredCase(seconds, dir);
    return 0;
}
