#include "ui/guarantee_search.h"

#include <gtest/gtest.h>

#include <thread>

#include "model/cover/brute.h"
#include "model/cover/search.h"

namespace cover = zuvo::cover;

namespace {

GuaranteeSearch::Progress waitFor(GuaranteeSearch& search) {
    while (search.progress().running) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    search.stop();
    return search.progress();
}

// Conditioned searches through the workers: what they offer is checked against the column texts.
TEST(GuaranteeSearch, ConditionedSystemsHoldOverEveryCombinationThatMeetsThem) {
    const struct {
        bool preferred;
        std::size_t budget;
    } cases[] = {{false, 0}, {true, 15}};
    for (const auto& c : cases) {
        GuaranteeSearch::Request request;
        request.play = cover::structurePlay(5, 2);
        request.play.percent[0] = {60, 30, 10};
        request.conditions.draws = {1, 3};
        request.conditions.favourites = {8, 12};
        request.radius = 1;
        request.preferred = c.preferred;
        request.budget = c.budget;
        request.limit = std::chrono::milliseconds(500);
        request.threads = 2;
        GuaranteeSearch search;
        search.start(request);
        const auto progress = waitFor(search);
        const cover::System best = search.best();
        ASSERT_TRUE(progress.found);
        ASSERT_EQ(best.size(), progress.size);
        int least = 13;
        double covered = 0, meets = 0;
        for (const std::string& text : cover::brute::allColumns(request.play)) {
            if (!cover::brute::meetsConditions(request.play, request.conditions, text)) continue;
            int hits = 0;
            for (cover::Point p : best)
                hits = std::max(hits, cover::brute::hits(text, request.play.column(p)));
            least = std::min(least, hits);
            meets += cover::brute::chanceOf(request.play, text);
            if (hits >= 12) covered += cover::brute::chanceOf(request.play, text);
        }
        for (cover::Point p : best)
            EXPECT_TRUE(cover::brute::meetsConditions(request.play, request.conditions,
                                                      request.play.column(p)));
        EXPECT_EQ(progress.leastHits, least);
        EXPECT_NEAR(progress.chance, covered, 1e-12);
        if (c.preferred) {
            EXPECT_LE(best.size(), c.budget);
        } else {
            EXPECT_EQ(least, 12);
            EXPECT_NEAR(covered, meets, 1e-12);
        }
    }
}

// All searches together stay under about half a gigabyte, however many cores the machine has.
TEST(GuaranteeSearch, BigSpacesRunFewerSearchesAtOnce) {
    GuaranteeSearch::Request request;
    request.play = cover::structurePlay(13, 0);
    for (const bool preferred : {false, true})
        for (int radius = 1; radius <= 3; ++radius) {
            request.preferred = preferred;
            request.radius = radius;
            const cover::Filter filter(request.play, request.conditions);
            const int threads = GuaranteeSearch::threadsFor(request, filter, 16);
            EXPECT_GE(threads, 1);
            EXPECT_LE(threads * cover::searchMemory(filter, radius, preferred),
                      std::uint64_t{500} << 20);
        }
    request.play = cover::structurePlay(6, 0);
    EXPECT_EQ(GuaranteeSearch::threadsFor(request, cover::Filter(request.play, {}), 16), 16);
}

}  // namespace
