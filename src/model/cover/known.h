#pragma once
// The sizes of the best systems known, and systems built at once from known codes.
#include <cstdint>
#include <optional>

#include "model/cover/space.h"

namespace zuvo::cover {

// The best size known for `three` three-way and `two` two-way positions and covering radius
// `radius`; nullopt when the table has none.
std::optional<std::uint64_t> bestKnownSize(int three, int two, int radius);
// What the global search gives at least: the table's size, else the size of the quick system.
std::uint64_t expectedGlobalSize(int three, int two, int radius);
// A good system at once, from known codes, direct sums and added coordinates (no search); verified.
System quickSystem(const Space& space, int radius);

}  // namespace zuvo::cover
