#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "model/cover/known.h"
#include "model/cover/records.h"

namespace zuvo::cover {
namespace {

// Marks every point within `radius` of `word` by changing up to `radius` digits, one coordinate
// after another: a walk of its own, apart from the searches' and the verification's.
void markBall(const Space& space, std::vector<int>& word, int from, int radius,
              std::vector<std::uint8_t>& covered) {
    Point p = 0;
    for (int c = space.length() - 1; c >= 0; --c)
        p = p * static_cast<Point>(space.radix(c)) + static_cast<Point>(word[c]);
    covered[p] = 1;
    if (radius == 0) return;
    for (int c = from; c < space.length(); ++c) {
        const int kept = word[static_cast<std::size_t>(c)];
        for (int v = 0; v < space.radix(c); ++v) {
            if (v == kept) continue;
            word[static_cast<std::size_t>(c)] = v;
            markBall(space, word, c + 1, radius - 1, covered);
        }
        word[static_cast<std::size_t>(c)] = kept;
    }
}

TEST(CoverRecords, EveryStoredConstructionRebuildsToItsSizeAndCovers) {
    ASSERT_FALSE(storedConstructions().empty());
    for (const Construction& c : storedConstructions()) {
        const Space space = c.space();
        SCOPED_TRACE(testing::Message() << c.three << "," << c.two << " R" << c.radius);
        System system = rebuild(c);
        std::sort(system.begin(), system.end());
        ASSERT_TRUE(std::adjacent_find(system.begin(), system.end()) == system.end());
        ASSERT_TRUE(system.empty() || system.back() < space.size());
        EXPECT_EQ(system.size(), c.size());
        // Never below the size the table and the panel give (the record); what a player's
        // search starts from.
        const auto known = bestKnownSize(c.three, c.two, c.radius);
        ASSERT_TRUE(known);
        EXPECT_LE(*known, system.size());
        EXPECT_EQ(quickSystem(space, c.radius).size(), system.size());
        std::vector<std::uint8_t> covered(space.size(), 0);
        for (Point p : system) {
            std::vector<int> word(static_cast<std::size_t>(space.length()));
            for (int i = 0; i < space.length(); ++i)
                word[static_cast<std::size_t>(i)] = space.digit(p, i);
            markBall(space, word, 0, c.radius, covered);
        }
        EXPECT_EQ(std::count(covered.begin(), covered.end(), 0), 0);
        // A count below the sphere bound would mean the walk above missed points.
        EXPECT_GE(system.size(), sphereBound(space, c.radius));
    }
}

}  // namespace
}  // namespace zuvo::cover
