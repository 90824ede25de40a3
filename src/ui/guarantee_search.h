#pragma once
// Runs the guarantee searches on worker threads, one independent search per core (fewer when the
// space is too big for that many in memory), and keeps the best verified system any of them
// found. The window only starts it, polls it and takes the result; a stop request ends every
// worker within a moment.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "model/cover/conditions.h"
#include "model/cover/filter.h"
#include "model/cover/play.h"
#include "model/cover/space.h"

class GuaranteeSearch {
  public:
    struct Request {
        zuvo::cover::Play play;              // the space, the chances, the favourites
        zuvo::cover::Conditions conditions;  // none: every played combination
        int radius = 1;
        bool preferred = false;  // the greatest chance within `budget`, else the fewest columns
        std::size_t budget = 0;  // most columns of a preferred system
        std::chrono::milliseconds limit{10000};
        int threads = 0;  // 0: one per core; either way no more than fit in memory
        std::uint64_t seed = 1;
    };
    // What the window shows while the search runs, and about the result.
    struct Progress {
        bool found = false;
        std::size_t size = 0;
        // Exact chance that the result meets the conditions and lies within the radius of a
        // column: 1 for a global system without conditions, the conditions' chance with them.
        double chance = 0;
        // Least hits of the best column over the combinations that meet the conditions (every
        // combination without them): what the system guarantees.
        int leastHits = 0;
        bool running = false;
        int threads = 0;  // searches run at once
    };

    GuaranteeSearch() = default;
    GuaranteeSearch(const GuaranteeSearch&) = delete;
    GuaranteeSearch& operator=(const GuaranteeSearch&) = delete;
    ~GuaranteeSearch() { stop(); }

    void start(Request request);
    // Ends every worker (within about 100 ms) and waits for them; the best system stays.
    void stop();
    Progress progress() const;
    bool running() const { return alive_ > 0; }
    // The best verified system found, as points of the request's space.
    zuvo::cover::System best() const;
    // The filter of the last request (inactive without conditions).
    const zuvo::cover::Filter& filter() const { return *filter_; }

    // How many searches run at once for `request` on a machine of `cores` hardware threads.
    static int threadsFor(const Request& request, const zuvo::cover::Filter& filter, int cores);

  private:
    void offer(const zuvo::cover::System& system);
    void work(std::stop_token stop, std::uint64_t seed,
              std::chrono::steady_clock::time_point deadline);

    Request request_;
    std::shared_ptr<const zuvo::cover::Filter> filter_ =
        std::make_shared<const zuvo::cover::Filter>();
    std::vector<double> chance_;  // per point, shared by the workers of a preferred search
    std::vector<std::jthread> workers_;
    std::atomic<int> alive_ = 0;
    int threads_ = 0;
    mutable std::mutex mutex_;
    zuvo::cover::System best_;
    double bestChance_ = -1;
    int bestHits_ = 0;
};
