#include "ui/guarantee_search.h"

#include <algorithm>

#include "model/cover/search.h"
#include "model/cover/verify.h"

namespace cover = zuvo::cover;

namespace {

// All searches of one request together stay under about half a gigabyte on any machine.
constexpr std::uint64_t kMemory = std::uint64_t{400} << 20;

}  // namespace

int GuaranteeSearch::threadsFor(const Request& request, const cover::Filter& filter, int cores) {
    const std::uint64_t each =
        std::max<std::uint64_t>(1, cover::searchMemory(filter, request.radius, request.preferred));
    const auto fit = static_cast<int>(std::min<std::uint64_t>(kMemory / each, 1024));
    return std::max(1, std::min(cores, fit));
}

void GuaranteeSearch::start(Request request) {
    stop();
    request_ = std::move(request);
    filter_ = std::make_shared<const cover::Filter>(request_.play, request_.conditions);
    chance_.clear();
    if (request_.preferred) chance_ = request_.play.chances();
    {
        const std::lock_guard lock(mutex_);
        best_.clear();
        bestChance_ = -1;
        bestHits_ = 0;
    }
    int cores = request_.threads;
    if (cores <= 0) cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    threads_ = threadsFor(request_, *filter_, cores);
    const auto deadline = std::chrono::steady_clock::now() + request_.limit;
    alive_ = threads_;
    for (int i = 0; i < threads_; ++i) {
        const std::uint64_t seed = request_.seed * 1000003u + static_cast<std::uint64_t>(i);
        workers_.emplace_back(
            [this, seed, deadline](std::stop_token stop) { work(stop, seed, deadline); });
    }
}

void GuaranteeSearch::stop() {
    for (std::jthread& worker : workers_) worker.request_stop();
    workers_.clear();  // joins
    alive_ = 0;
}

void GuaranteeSearch::work(std::stop_token stop, std::uint64_t seed,
                           std::chrono::steady_clock::time_point deadline) {
    const cover::SearchLimits limits{deadline, stop};
    const auto improved = [this](const cover::System& system) { offer(system); };
    const cover::Filter& filter = *filter_;
    const cover::System found =
        request_.preferred ? cover::searchPreferred(filter, request_.radius, chance_,
                                                    request_.budget, seed, limits, improved)
                           : cover::searchGlobal(filter, request_.radius, seed, limits, improved);
    offer(found);
    --alive_;
}

// Every system is checked over every combination that meets the conditions (its columns too)
// before it may become the best: one that fails is never shown.
void GuaranteeSearch::offer(const cover::System& system) {
    if (system.empty()) return;
    const cover::Filter& filter = *filter_;
    const bool preferred = request_.preferred;
    double chance = 0;
    if (preferred) {
        if (system.size() > request_.budget || !cover::columnsAdmitted(filter, system)) return;
        chance = cover::coveredChance(request_.play, filter, system, request_.radius);
        const std::lock_guard lock(mutex_);
        if (chance <= bestChance_) return;
    } else {
        {
            const std::lock_guard lock(mutex_);
            if (!best_.empty() && system.size() >= best_.size()) return;
        }
        if (!cover::covers(filter, system, request_.radius)) return;
        chance = filter.chance();
    }
    const int hits = cover::leastHits(filter, system);
    const std::lock_guard lock(mutex_);
    const bool better =
        preferred ? chance > bestChance_ : (best_.empty() || system.size() < best_.size());
    if (!better) return;
    best_ = system;
    bestChance_ = chance;
    bestHits_ = hits;
}

GuaranteeSearch::Progress GuaranteeSearch::progress() const {
    const std::lock_guard lock(mutex_);
    return {!best_.empty(), best_.size(), std::max(bestChance_, 0.0),
            bestHits_,      alive_ > 0,   threads_};
}

cover::System GuaranteeSearch::best() const {
    const std::lock_guard lock(mutex_);
    return best_;
}
