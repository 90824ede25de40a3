#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "brute.h"
#include "model/cover/filter.h"
#include "model/cover/search.h"

namespace zuvo::cover {
namespace {

using Clock = std::chrono::steady_clock;

SearchLimits within(std::chrono::milliseconds ms, std::stop_token stop = {}) {
    return SearchLimits{Clock::now() + ms, std::move(stop)};
}

// The brute force's view of a play: its column texts, who meets the conditions, the chances,
// and which columns lie within the radius of each other.
struct Texts {
    Texts(const Play& p, const Conditions& k, int radius) : play(p), columns(brute::allColumns(p)) {
        for (const auto& c : columns) {
            meets.push_back(brute::meetsConditions(p, k, c));
            chance.push_back(brute::chanceOf(p, c));
        }
        near.resize(columns.size());
        for (std::size_t i = 0; i < columns.size(); ++i)
            for (std::size_t j = 0; j < columns.size(); ++j)
                if (13 - brute::hits(columns[i], columns[j]) <= radius) near[i].push_back(j);
    }
    std::size_t index(Point p) const {
        return static_cast<std::size_t>(std::find(columns.begin(), columns.end(), play.column(p)) -
                                        columns.begin());
    }
    // The chance of the admitted results within the radius of a column, or -1 when a column is
    // not admitted.
    double covered(const System& system) const {
        std::vector<char> hit(columns.size(), 0);
        for (Point p : system) {
            const std::size_t i = index(p);
            if (!meets[i]) return -1;
            for (auto j : near[i]) hit[j] = 1;
        }
        double sum = 0;
        for (std::size_t j = 0; j < columns.size(); ++j)
            if (hit[j] && meets[j]) sum += chance[j];
        return sum;
    }
    // Greedy over the admitted columns by the chance (or the count) each adds.
    std::pair<std::size_t, double> greedy(std::size_t budget, bool byCount) const {
        std::vector<char> hit(columns.size(), 0);
        std::size_t taken = 0;
        double sum = 0;
        for (; taken < budget; ++taken) {
            std::size_t best = 0;
            double bestGain = 0;
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (!meets[i]) continue;
                double gain = 0;
                for (auto j : near[i])
                    if (!hit[j] && meets[j]) gain += byCount ? 1 : chance[j];
                if (gain > bestGain) bestGain = gain, best = i;
            }
            if (bestGain == 0) break;
            sum += bestGain;
            for (auto j : near[best]) hit[j] = 1;
        }
        return {taken, sum};
    }
    Play play;
    std::vector<std::string> columns;
    std::vector<char> meets;
    std::vector<double> chance;
    std::vector<std::vector<std::size_t>> near;
};

// Percentages that differ at every position, so that the greedy choice is one choice.
Play unevenPlay(int three, int two) {
    static const std::array<int, 3> kThree[] = {{47, 31, 22}, {38, 41, 21}, {26, 33, 41},
                                                {55, 27, 18}, {36, 22, 42}, {24, 45, 31},
                                                {51, 19, 30}, {33, 28, 39}};
    static const std::array<int, 3> kTwo[] = {{63, 37, 0}, {44, 56, 0}, {71, 29, 0}};
    Play play = structurePlay(three, two);
    for (int i = 0; i < three + two; ++i)
        play.percent[static_cast<std::size_t>(i)] = i < three ? kThree[i] : kTwo[i - three];
    return play;
}

TEST(CoverConditionedSearch, GlobalCoversEveryAdmittedResultWithAdmittedColumns) {
    const struct {
        int three, two, radius;
        Conditions k;
    } cases[] = {
        {6, 0, 1, {{8, 11}, {0, 3}, {0, 3}, {}}},
        {4, 3, 1, {{}, {1, 4}, {}, {9, 13}}},
        {5, 2, 2, {{8, 11}, {}, {0, 2}, {}}},
    };
    for (const auto& c : cases) {
        const Play play = unevenPlay(c.three, c.two);
        const Texts texts(play, c.k, c.radius);
        const Filter filter(play, c.k);
        const System found =
            searchGlobal(filter, c.radius, 3, within(std::chrono::milliseconds(400)), {});
        ASSERT_FALSE(found.empty());
        double admitted = 0;
        for (std::size_t j = 0; j < texts.columns.size(); ++j)
            if (texts.meets[j]) admitted += texts.chance[j];
        EXPECT_NEAR(texts.covered(found), admitted, 1e-12) << c.three << " " << c.two;
        EXPECT_LE(found.size(), texts.greedy(texts.columns.size(), true).first);
    }
}

TEST(CoverConditionedSearch, PreferredBeatsTheGreedyChoiceWithinTheBudget) {
    const struct {
        int three, two;
        Conditions k;
        std::size_t budget;
    } cases[] = {
        {6, 0, Conditions{}, 20},
        {5, 2, Conditions{}, 35},
        {6, 0, {{9, 12}, {0, 2}, {}, {}}, 12},
        {4, 3, {{}, {1, 4}, {}, {8, 13}}, 9},
    };
    for (const auto& c : cases) {
        const Play play = unevenPlay(c.three, c.two);
        const Texts texts(play, c.k, 1);
        const Filter filter(play, c.k);
        double first = -1;
        Clock::duration firstAt{};
        const auto start = Clock::now();
        const System found =
            searchPreferred(filter, 1, play.chances(), c.budget, 5,
                            within(std::chrono::milliseconds(600)), [&](const System& s) {
                                if (first < 0)
                                    first = texts.covered(s), firstAt = Clock::now() - start;
                            });
        ASSERT_FALSE(found.empty());
        EXPECT_LE(found.size(), c.budget);
        const double greedy = texts.greedy(c.budget, false).second;
        EXPECT_GE(first, greedy - 1e-12) << c.three << " " << c.two << " " << c.budget;
        EXPECT_GE(texts.covered(found), first - 1e-12);
        EXPECT_LT(firstAt, std::chrono::milliseconds(300));
    }
}

TEST(CoverConditionedSearch, StopReturnsTheBestSoFarAtOnce) {
    const Play play = unevenPlay(8, 2);
    const Filter filter(play, Conditions{});
    const auto chance = play.chances();
    std::stop_source stop;
    std::vector<System> reports;
    const auto start = Clock::now();
    const System found =
        searchPreferred(filter, 1, chance, 200, 9,
                        within(std::chrono::seconds(30), stop.get_token()), [&](const System& s) {
                            reports.push_back(s);
                            stop.request_stop();
                        });
    EXPECT_LT(Clock::now() - start, std::chrono::seconds(5));
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(found, reports.back());
    EXPECT_EQ(found.size(), 200u);
}

TEST(CoverConditionedSearch, NothingAdmittedFindsNothing) {
    const Play play = structurePlay(4, 0);
    const Filter filter(play, Conditions{{0, 3}, {}, {}, {}});  // nine sure '1's already
    EXPECT_EQ(filter.count(), 0u);
    const auto limits = within(std::chrono::milliseconds(200));
    EXPECT_TRUE(searchGlobal(filter, 1, 1, limits, {}).empty());
    EXPECT_TRUE(searchPreferred(filter, 1, play.chances(), 5, 1, limits, {}).empty());
}

}  // namespace
}  // namespace zuvo::cover
