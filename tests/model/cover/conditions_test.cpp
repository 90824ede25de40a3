#include <gtest/gtest.h>

#include <chrono>

#include "brute.h"
#include "model/cover/filter.h"
#include "model/cover/verify.h"

namespace zuvo::cover {
namespace {

Conditions ranges(CountRange ones, CountRange draws, CountRange twos, CountRange favourites) {
    return {ones, draws, twos, favourites};
}

TEST(CoverConditions, FilterAgreesWithTheColumnTextsOnRandomPlays) {
    const Conditions cases[] = {
        ranges({4, 9}, {}, {}, {}),
        ranges({}, {0, 2}, {}, {}),
        ranges({}, {}, {2, 13}, {}),
        ranges({}, {}, {}, {7, 10}),
        ranges({5, 8}, {1, 3}, {1, 4}, {6, 13}),
        ranges({13, 13}, {}, {}, {}),
        ranges({9, 4}, {}, {}, {}),  // nothing meets a range in the wrong order
    };
    std::mt19937 rng(11);
    for (int round = 0; round < 12; ++round) {
        const Play play = brute::randomPlay(rng, 7);
        for (const Conditions& k : cases) {
            const Filter filter(play, k);
            std::uint64_t admitted = 0;
            double chance = 0;
            for (const std::string& column : brute::allColumns(play)) {
                const bool meets = brute::meetsConditions(play, k, column);
                EXPECT_EQ(filter.admits(*play.point(column)), meets) << column;
                admitted += meets;
                if (meets) chance += brute::chanceOf(play, column);
            }
            EXPECT_EQ(filter.count(), admitted);
            EXPECT_NEAR(filter.chance(), chance, 1e-12);
            const ConditionsCount count = countConditions(play, k);
            EXPECT_EQ(count.admitted, admitted);
            EXPECT_EQ(count.total, play.space().size());
            EXPECT_DOUBLE_EQ(count.chance, filter.chance());
        }
    }
}

TEST(CoverConditions, WholeRangesAreNoConditionAtAll) {
    const Play play = structurePlay(5, 3);
    const Filter filter(play, Conditions{});
    EXPECT_FALSE(filter.active());
    EXPECT_EQ(filter.count(), play.space().size());
    EXPECT_EQ(filter.chance(), 1.0);
    EXPECT_EQ(countConditions(play, Conditions{}).chance, 1.0);
    // Ranges that admit everything but are not the whole ranges still count and filter.
    const Filter wide(play, ranges({0, 13}, {0, 13}, {0, 13}, {1, 13}));
    EXPECT_TRUE(wide.active());
    EXPECT_EQ(wide.count(), play.space().size());
    EXPECT_EQ(wide.chance(), 1.0);
}

TEST(CoverConditions, RangesAreValidOnlyWithinZeroToThirteenAndInOrder) {
    const struct {
        CountRange range;
        bool valid;
    } cases[] = {{{0, 13}, true},  {{5, 5}, true},   {{6, 5}, false},
                 {{-1, 4}, false}, {{0, 14}, false}, {{13, 13}, true}};
    for (const auto& c : cases) {
        EXPECT_EQ(c.range.valid(), c.valid) << c.range.low << ".." << c.range.high;
        EXPECT_EQ(ranges({}, c.range, {}, {}).valid(), c.valid);
    }
}

TEST(CoverConditions, CountingTheWholeSpaceIsQuick) {
    const Play play = structurePlay(13, 0);
    const Conditions k = ranges({3, 7}, {2, 6}, {2, 6}, {3, 9});
    const auto start = std::chrono::steady_clock::now();
    const ConditionsCount count = countConditions(play, k);
    const auto spent = std::chrono::steady_clock::now() - start;
    EXPECT_GT(count.admitted, 0u);
    EXPECT_LT(count.admitted, count.total);
#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
    EXPECT_LT(spent, std::chrono::milliseconds(100));
#else
    (void)spent;
#endif
}

}  // namespace
}  // namespace zuvo::cover
