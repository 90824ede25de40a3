#include "model/cover/exact.h"

#include <algorithm>
#include <limits>
#include <string_view>

namespace zuvo::cover {

namespace {

constexpr std::string_view kOutcomeOrder = "102";

}  // namespace

double share(Weight part, Weight whole) {
    if (whole == 0) return 0;
    if (part >= whole) return 1;
    const double ratio = static_cast<double>(part) / static_cast<double>(whole);
    // Rounding may reach 1 for a part just short of the whole; such a chance is not certain.
    return std::min(ratio, 1.0 - std::numeric_limits<double>::epsilon() / 2);
}

ExactChances::ExactChances(const Play& play) : space_(play.space()) {
    value_.resize(static_cast<std::size_t>(space_.length()));
    // Three-way positions are the first coordinates, then the two-way ones, each in position order.
    std::size_t next = 0;
    for (const std::size_t ways : {std::size_t{3}, std::size_t{2}})
        for (std::size_t i = 0; i < 13; ++i) {
            const std::string& played = play.outcomes[i];
            if (played.size() != ways) continue;
            auto& value = value_[next++];
            Weight sum = 0;
            for (std::size_t v = 0; v < ways; ++v) {
                const int pct = play.percent[i][kOutcomeOrder.find(played[v])];
                value[v] = static_cast<Weight>(pct > 0 ? pct : 0);
                sum += value[v];
            }
            // A position whose played outcomes have no percentage shares evenly, as chances() does.
            if (sum == 0) {
                for (std::size_t v = 0; v < ways; ++v) value[v] = 1;
                sum = ways;
            }
            total_ *= sum;
        }
}

Weight ExactChances::weight(Point p) const {
    Weight w = 1;
    for (int c = 0; c < space_.length(); ++c) {
        const auto r = static_cast<Point>(space_.radix(c));
        w *= value_[static_cast<std::size_t>(c)][p % r];
        p /= r;
    }
    return w;
}

}  // namespace zuvo::cover
