#include "model/cover/filter.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace zuvo::cover {

namespace {

constexpr std::string_view kOutcomeOrder = "102";

// A column's counts packed into one number, so that a column's counts are the sum of its
// positions' packed counts: 4 bits each, none of them above 13.
constexpr int kOne = 1, kDraw = 1 << 4, kTwo = 1 << 8, kFavourite = 1 << 12;
constexpr int kPacked = 1 << 16;

ColumnCounts unpack(int packed) {
    return {packed & 15, (packed >> 4) & 15, (packed >> 8) & 15, (packed >> 12) & 15};
}

// Per position, the packed counts of each played outcome.
struct Position {
    std::string_view played;
    std::array<int, 3> packed{};
};

std::array<Position, 13> positions(const Play& play) {
    std::array<Position, 13> out;
    for (std::size_t i = 0; i < 13; ++i) {
        // A position without outcomes is a sure '1', as column() writes it.
        out[i].played =
            play.outcomes[i].empty() ? std::string_view("1") : std::string_view(play.outcomes[i]);
        int top = -1;
        for (char c : out[i].played) top = std::max(top, play.percent[i][kOutcomeOrder.find(c)]);
        for (std::size_t v = 0; v < out[i].played.size(); ++v) {
            const char c = out[i].played[v];
            const int pct = play.percent[i][kOutcomeOrder.find(c)];
            out[i].packed[v] = (c == '1'   ? kOne
                                : c == '0' ? kDraw
                                           : kTwo) +
                               (pct == top ? kFavourite : 0);
        }
    }
    return out;
}

// Calls f(point, packed counts of its column) for every point in order.
template <class F>
void walkCounts(const Play& play, F&& f) {
    const Space space = play.space();
    const auto pos = positions(play);
    int sure = 0;
    std::vector<std::array<int, 3>> value;
    for (const std::size_t ways : {std::size_t{3}, std::size_t{2}})
        for (const Position& p : pos)
            if (p.played.size() == ways) value.push_back(p.packed);
    for (const Position& p : pos)
        if (p.played.size() == 1) sure += p.packed[0];
    const int n = space.length();
    Odometer at(space);
    std::vector<int> above(static_cast<std::size_t>(n) + 1, sure);
    const auto rebuild = [&](int from) {
        for (int c = from; c >= 0; --c) {
            const auto k = static_cast<std::size_t>(c);
            above[k] = above[k + 1] + value[k][static_cast<std::size_t>(at.digit(c))];
        }
    };
    rebuild(n - 1);
    for (;;) {
        f(at.point(), above[0]);
        const int changed = at.next();
        if (changed < 0) break;
        rebuild(changed);
    }
}

std::vector<std::uint8_t> table(const Conditions& conditions) {
    std::vector<std::uint8_t> ok(kPacked);
    for (int packed = 0; packed < kPacked; ++packed) ok[packed] = meets(conditions, unpack(packed));
    return ok;
}

}  // namespace

bool meets(const Conditions& conditions, const ColumnCounts& counts) {
    return conditions.ones.holds(counts.ones) && conditions.draws.holds(counts.draws) &&
           conditions.twos.holds(counts.twos) && conditions.favourites.holds(counts.favourites);
}

namespace {

// The count and the exact weight of the columns meeting the conditions, by the columns' counts
// position by position: a few thousand sums of counts, whatever the size of the space.
std::pair<std::uint64_t, Weight> countByCounts(const Play& play, const Conditions& conditions) {
    struct Cell {
        std::uint64_t count = 0;
        Weight weight = 0;
    };
    std::vector<Cell> cells(kPacked), next(kPacked);
    std::vector<int> live{0}, nextLive;
    cells[0] = {1, 1};
    const auto pos = positions(play);
    for (std::size_t i = 0; i < 13; ++i) {
        const Position& p = pos[i];
        // Sure positions weigh nothing: the weights are those of the open positions.
        std::array<Weight, 3> w{1, 1, 1};
        if (p.played.size() > 1) {
            Weight sum = 0;
            for (std::size_t v = 0; v < p.played.size(); ++v)
                sum += w[v] = static_cast<Weight>(
                    std::max(0, play.percent[i][kOutcomeOrder.find(p.played[v])]));
            if (sum == 0) w = {1, 1, 1};
        }
        nextLive.clear();
        for (int at : live) {
            const Cell from = cells[static_cast<std::size_t>(at)];
            cells[static_cast<std::size_t>(at)] = {};
            for (std::size_t v = 0; v < p.played.size(); ++v) {
                Cell& to = next[static_cast<std::size_t>(at + p.packed[v])];
                if (to.count == 0) nextLive.push_back(at + p.packed[v]);
                to.count += from.count;
                to.weight += from.weight * w[v];
            }
        }
        std::swap(cells, next);
        std::swap(live, nextLive);
    }
    std::uint64_t count = 0;
    Weight weight = 0;
    for (int at : live)
        if (meets(conditions, unpack(at))) {
            count += cells[static_cast<std::size_t>(at)].count;
            weight += cells[static_cast<std::size_t>(at)].weight;
        }
    return {count, weight};
}

}  // namespace

ConditionsCount countConditions(const Play& play, const Conditions& conditions) {
    ConditionsCount out;
    out.total = play.space().size();
    if (conditions.none()) {
        out.admitted = out.total;
        out.chance = 1;
        return out;
    }
    const auto [count, weight] = countByCounts(play, conditions);
    out.admitted = count;
    out.chance = share(weight, ExactChances(play).total());
    return out;
}

Filter::Filter(const Space& space) : space_(space) {}

Filter::Filter(const Play& play, const Conditions& conditions)
    : space_(play.space()), active_(!conditions.none()) {
    const ExactChances exact(play);
    if (!active_) {
        weight_ = exact.total();
        return;
    }
    const auto ok = table(conditions);
    place_.assign(space_.size(), kOut);
    walkCounts(play, [&](Point p, int packed) {
        if (!ok[static_cast<std::size_t>(packed)]) return;
        place_[p] = static_cast<Point>(points_.size());
        points_.push_back(p);
    });
    weight_ = countByCounts(play, conditions).second;
    chance_ = share(weight_, exact.total());
}

}  // namespace zuvo::cover
