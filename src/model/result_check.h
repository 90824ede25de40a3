#pragma once
// Check of a system against the 13 real results.
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace zuvo {

struct HitEntry {
    int number = 0;           // 1-based place in the list
    std::string couponPlace;  // "2/3": form / place on the form
};

// Index 0 is the 13-hit class, then 12, 11 and 10.
struct ResultCheck {
    std::array<int, 4> counts{};
    std::array<std::vector<HitEntry>, 4> lists;
    int total() const { return counts[0] + counts[1] + counts[2] + counts[3]; }
};

bool isResultKey(char c);  // '0', '1', '2'
// Positions beyond the end of a short entry count as misses.
int countHits(std::string_view entry, std::string_view results);
std::string couponPlace(int index);  // index from 0: "form/place"
ResultCheck checkResults(const std::vector<std::string>& list, std::string_view results);

}  // namespace zuvo
