#pragma once
// Runs the guarantee searches on worker threads, one independent search per core, and keeps the
// best verified system any of them found. The window only starts it, polls it and takes the
// result; a stop request ends every worker within a moment.
#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "model/cover/space.h"

class GuaranteeSearch {
  public:
    struct Request {
        zuvo::cover::Space space;
        int radius = 1;
        std::vector<double> chance;  // per point; empty for the smallest covering system
        std::size_t budget = 0;      // most columns of a preferred system
        std::chrono::milliseconds limit{10000};
        int threads = 0;  // 0: one per core
        std::uint64_t seed = 1;
    };
    // What the window shows while the search runs.
    struct Progress {
        bool found = false;
        std::size_t size = 0;
        double chance = 0;  // covered chance of the best preferred system
        bool running = false;
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

  private:
    void offer(const zuvo::cover::System& system);
    void work(std::stop_token stop, std::uint64_t seed,
              std::chrono::steady_clock::time_point deadline);

    Request request_;
    std::vector<std::jthread> workers_;
    std::atomic<int> alive_ = 0;
    mutable std::mutex mutex_;
    zuvo::cover::System best_;
    double bestChance_ = -1;
};
