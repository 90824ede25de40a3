#pragma once
// The conditioned cases of the guarantee benchmark.
#include <string>

namespace zuvo::bench {

// Runs both conditioned cases at 12 hits for `seconds` each, one search per hardware thread,
// prints each size beside a plain greedy cover of the same set, and writes the systems into `dir`
// when it is not empty. Returns 0 when every system is verified.
int runConditions(double seconds, const std::string& dir);

}  // namespace zuvo::bench
