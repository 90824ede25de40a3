#include "model/result_check.h"

namespace zuvo {

namespace {

constexpr int kColumnLength = 13;
constexpr int kColumnsPerForm = 8;

}  // namespace

bool isResultKey(char c) {
    return c == '0' || c == '1' || c == '2';
}

int countHits(std::string_view entry, std::string_view results) {
    // Only the 13 positions count; a short entry (from a hand-edited file) misses where it ends,
    // and a position only hits on a real outcome digit.
    int hits = 0;
    for (size_t i = 0; i < static_cast<size_t>(kColumnLength); ++i) {
        if (i >= entry.size() || i >= results.size()) break;
        if (entry[i] == results[i] && isResultKey(results[i])) ++hits;
    }
    return hits;
}

std::string couponPlace(int index) {
    return std::to_string(index / kColumnsPerForm + 1) + "/" +
           std::to_string(index % kColumnsPerForm + 1);
}

ResultCheck checkResults(const std::vector<std::string>& list, std::string_view results) {
    ResultCheck check;
    for (size_t i = 0; i < list.size(); ++i) {
        const int hits = countHits(list[i], results);
        if (hits < 10) continue;
        const int cls = kColumnLength - hits;  // 13 -> 0, ..., 10 -> 3
        ++check.counts[cls];
        const int index = static_cast<int>(i);
        check.lists[cls].push_back(HitEntry{index + 1, couponPlace(index)});
    }
    return check;
}

}  // namespace zuvo
