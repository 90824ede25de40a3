#pragma once
// Anytime searches for small systems; the caller runs one per core with different seeds and keeps
// the best. Nothing here starts threads or timers: the deadline and the stop token end a search.
#include <chrono>
#include <cstdint>
#include <functional>
#include <stop_token>
#include <vector>

#include "model/cover/filter.h"
#include "model/cover/space.h"

namespace zuvo::cover {

struct SearchLimits {
    std::chrono::steady_clock::time_point deadline;
    std::stop_token stop;  // a stop request ends the search as the deadline does, within ~20 ms
};

// Called on the searching thread with each better verified system (may be an empty function).
using Improved = std::function<void(const System&)>;

// The smallest system of covering radius <= radius found; never empty. Returns early when the
// size reaches the sphere-covering bound or the best size known.
System searchGlobal(const Space& space, int radius, std::uint64_t seed, const SearchLimits& limits,
                    const Improved& improved);

// At most `budget` columns with the greatest covered chance (the chance of the combinations within
// `radius` of a column); `chance` holds one value per point. Improved is called with each system of
// greater covered chance: the first, at least as good as adding the column that adds the most
// chance one by one, comes within about a second; a stop returns the best so far.
System searchPreferred(const Space& space, int radius, const std::vector<double>& chance,
                       std::size_t budget, std::uint64_t seed, const SearchLimits& limits,
                       const Improved& improved);

// The same under conditions: every column admitted by `filter`, and only the admitted
// combinations to cover (or to count in the chance). An inactive filter runs the searches above.
// The global search returns an empty system when the filter admits nothing.
System searchGlobal(const Filter& filter, int radius, std::uint64_t seed,
                    const SearchLimits& limits, const Improved& improved);
System searchPreferred(const Filter& filter, int radius, const std::vector<double>& chance,
                       std::size_t budget, std::uint64_t seed, const SearchLimits& limits,
                       const Improved& improved);

// About the most memory one search takes (bytes), beside the tables the searches share (the
// chances, the filter); the caller runs as many at once as fit its memory.
std::uint64_t searchMemory(const Filter& filter, int radius, bool preferred);

}  // namespace zuvo::cover
