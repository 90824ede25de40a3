// Peak memory of the guarantee searches as the window runs them, with the machine's cores given:
//   guarantee_memory THREE TWO RADIUS global|preferred SECONDS CORES [BUDGET]
// Prints the searches run at once, the first and last result with their times, and the peak RSS.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "model/cover/known.h"
#include "ui/guarantee_search.h"

int main(int argc, char** argv) {
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s THREE TWO RADIUS global|preferred SECONDS CORES [BUDGET]\n",
                     argv[0]);
        return 2;
    }
    GuaranteeSearch::Request request;
    const int three = std::atoi(argv[1]), two = std::atoi(argv[2]);
    request.play = zuvo::cover::structurePlay(three, two);
    request.radius = std::atoi(argv[3]);
    request.preferred = std::string(argv[4]) == "preferred";
    request.limit = std::chrono::milliseconds(static_cast<long>(std::atof(argv[5]) * 1000));
    request.threads = std::atoi(argv[6]);
    request.budget = argc > 7 ? std::strtoull(argv[7], nullptr, 10)
                              : zuvo::cover::expectedGlobalSize(three, two, request.radius) / 2;
    GuaranteeSearch search;
    const auto start = std::chrono::steady_clock::now();
    search.start(request);
    double first = -1;
    GuaranteeSearch::Progress p;
    while ((p = search.progress()).running) {
        if (first < 0 && p.found)
            first = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    search.stop();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%d %d R=%d %s budget %zu: %d searches, first after %.2f s, %zu columns, chance "
        "%.4f, least hits %d, peak %ld MB\n",
        three, two, request.radius, argv[4], request.budget, p.threads, first, p.size, p.chance,
        p.leastHits, usage.ru_maxrss / 1024);
    return 0;
}
