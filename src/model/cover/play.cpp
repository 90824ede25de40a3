#include "model/cover/play.h"

namespace zuvo::cover {

namespace {

constexpr std::string_view kOutcomeOrder = "102";

int outcomeIndex(char c) {
    const auto i = kOutcomeOrder.find(c);
    return i == std::string_view::npos ? -1 : static_cast<int>(i);
}

// The coordinate of every position (-1 for a sure one), three-way positions first.
std::array<int, 13> coordinates(const Play& play) {
    std::array<int, 13> coordinate{};
    int next = 0;
    for (std::size_t i = 0; i < 13; ++i) coordinate[i] = play.outcomes[i].size() == 3 ? next++ : -1;
    for (std::size_t i = 0; i < 13; ++i)
        if (play.outcomes[i].size() == 2) coordinate[i] = next++;
    return coordinate;
}

}  // namespace

Space Play::space() const {
    Space s;
    for (const auto& o : outcomes) {
        if (o.size() == 3) ++s.three;
        if (o.size() == 2) ++s.two;
    }
    return s;
}

std::string Play::column(Point p) const {
    const Space s = space();
    const auto coordinate = coordinates(*this);
    std::string text(13, '1');
    for (std::size_t i = 0; i < 13; ++i) {
        if (outcomes[i].empty()) continue;
        const int c = coordinate[i];
        text[i] = outcomes[i][c < 0 ? 0 : static_cast<std::size_t>(s.digit(p, c))];
    }
    return text;
}

std::optional<Point> Play::point(std::string_view column) const {
    if (column.size() != 13) return std::nullopt;
    const Space s = space();
    const auto coordinate = coordinates(*this);
    Point p = 0;
    for (std::size_t i = 0; i < 13; ++i) {
        // A position without outcomes reads as '1', as column() writes it.
        const std::string_view played =
            outcomes[i].empty() ? std::string_view("1") : std::string_view(outcomes[i]);
        const auto at = played.find(column[i]);
        if (at == std::string_view::npos) return std::nullopt;
        if (coordinate[i] >= 0) p += static_cast<Point>(at) * s.stride(coordinate[i]);
    }
    return p;
}

std::vector<double> Play::chances() const {
    const Space s = space();
    const auto coordinate = coordinates(*this);
    // The share of each value of each coordinate; a position whose played percentages do not add
    // up to 100 is scaled so that the chances still sum to 1.
    std::vector<std::array<double, 3>> share(static_cast<std::size_t>(s.length()));
    for (std::size_t i = 0; i < 13; ++i) {
        if (coordinate[i] < 0) continue;
        double sum = 0;
        for (char c : outcomes[i]) sum += percent[i][static_cast<std::size_t>(outcomeIndex(c))];
        auto& out = share[static_cast<std::size_t>(coordinate[i])];
        for (std::size_t v = 0; v < outcomes[i].size(); ++v) {
            const int pct = percent[i][static_cast<std::size_t>(outcomeIndex(outcomes[i][v]))];
            out[v] = sum > 0 ? pct / sum : 1.0 / static_cast<double>(outcomes[i].size());
        }
    }
    // Built coordinate by coordinate: the chances of the first c coordinates, then extended.
    std::vector<double> chance{1.0};
    chance.reserve(s.size());
    for (int c = 0; c < s.length(); ++c) {
        const std::size_t before = chance.size();
        const int radix = s.radix(c);
        chance.resize(before * static_cast<std::size_t>(radix));
        for (int v = radix - 1; v >= 0; --v)
            for (std::size_t q = 0; q < before; ++q)
                chance[static_cast<std::size_t>(v) * before + q] =
                    chance[q] * share[static_cast<std::size_t>(c)][static_cast<std::size_t>(v)];
    }
    return chance;
}

// Assigned as strings, not literals: GCC 12 at -O3 warns falsely (-Wrestrict) on the latter.
const std::string kSure = "1";
const std::string kTwoWay = "10";
const std::string kThreeWay = "102";

Play playOf(const Forecast& f) {
    Play play;
    for (std::size_t i = 0; i < 13; ++i) {
        play.percent[i] = {f[i].p1, f[i].p0, f[i].p2};
        for (std::size_t k = 0; k < 3; ++k)
            if (play.percent[i][k] > 0) play.outcomes[i] += kOutcomeOrder[k];
        if (play.outcomes[i].empty()) {
            play.outcomes[i] = kSure;
            play.percent[i] = {100, 0, 0};
        }
    }
    return play;
}

Play structurePlay(int three, int two) {
    Play play;
    for (int i = 0; i < 13; ++i) {
        const auto k = static_cast<std::size_t>(i);
        if (i < three) {
            play.outcomes[k] = kThreeWay;
            play.percent[k] = {34, 33, 33};
        } else if (i < three + two) {
            play.outcomes[k] = kTwoWay;
            play.percent[k] = {50, 50, 0};
        } else {
            play.outcomes[k] = kSure;
            play.percent[k] = {100, 0, 0};
        }
    }
    return play;
}

}  // namespace zuvo::cover
