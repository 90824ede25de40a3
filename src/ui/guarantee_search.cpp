#include "ui/guarantee_search.h"

#include <algorithm>

#include "model/cover/search.h"
#include "model/cover/verify.h"

namespace cover = zuvo::cover;

void GuaranteeSearch::start(Request request) {
    stop();
    request_ = std::move(request);
    {
        const std::lock_guard lock(mutex_);
        best_.clear();
        bestChance_ = -1;
    }
    int threads = request_.threads;
    if (threads <= 0) threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto deadline = std::chrono::steady_clock::now() + request_.limit;
    alive_ = threads;
    for (int i = 0; i < threads; ++i) {
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
    const cover::System found =
        request_.chance.empty()
            ? cover::searchGlobal(request_.space, request_.radius, seed, limits, improved)
            : cover::searchPreferred(request_.space, request_.radius, request_.chance,
                                     request_.budget, seed, limits, improved);
    offer(found);
    --alive_;
}

// Every system is checked over the whole space before it may become the best: one that fails
// is never shown.
void GuaranteeSearch::offer(const cover::System& system) {
    if (system.empty()) return;
    const bool preferred = !request_.chance.empty();
    double chance = 1;
    if (preferred) {
        if (system.size() > request_.budget) return;
        chance = cover::coveredChance(request_.space, system, request_.radius, request_.chance);
        const std::lock_guard lock(mutex_);
        if (chance <= bestChance_) return;
    } else {
        {
            const std::lock_guard lock(mutex_);
            if (!best_.empty() && system.size() >= best_.size()) return;
        }
        if (!cover::covers(request_.space, system, request_.radius)) return;
    }
    const std::lock_guard lock(mutex_);
    const bool better =
        preferred ? chance > bestChance_ : (best_.empty() || system.size() < best_.size());
    if (!better) return;
    best_ = system;
    bestChance_ = chance;
}

GuaranteeSearch::Progress GuaranteeSearch::progress() const {
    const std::lock_guard lock(mutex_);
    return {!best_.empty(), best_.size(), bestChance_, alive_ > 0};
}

cover::System GuaranteeSearch::best() const {
    const std::lock_guard lock(mutex_);
    return best_;
}
