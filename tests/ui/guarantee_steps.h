#pragma once
// Steps shared by the window tests of the guaranteed modes.
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "model/cover/play.h"
#include "ui/TZuvoform.h"
#include "ui/guarantee_panel.h"
#include "ui/window_fixture.h"

// `three` three-way positions first, then `two` between 1 and 0, the rest sure.
inline ForecastEntry structureEntry(int three, int two) {
    ForecastEntry entry{};
    for (int k = 0; k < 13; ++k)
        entry[k] = k < three         ? PositionEntry{34, 33}
                   : k < three + two ? PositionEntry{50, 50}
                                     : PositionEntry{100, 0};
    return entry;
}

// Polls the search as its timer does until the panel has finished.
inline bool waitForSystem(GuaranteePanel& panel, int limitMs = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (panel.searching() && clock.elapsed() < limitMs) {
        QTest::qWait(20);
        panel.pollSearch();
    }
    return !panel.searching();
}

// The hits of the best listed column for one result.
inline int bestHits(const std::vector<std::string>& list, const std::string& result) {
    int best = 0;
    for (const std::string& column : list) {
        int hits = 0;
        for (std::size_t k = 0; k < 13; ++k) hits += column[k] == result[k];
        best = std::max(best, hits);
    }
    return best;
}

// The chance under the forecast that the best listed column has at least `hits` hits, summed
// result by result from the percentages.
inline double bruteForceChance(const TZuvoform& w, int hits) {
    const zuvo::cover::Play play = zuvo::cover::playOf(w.state.forecast);
    double sum = 0;
    for (zuvo::cover::Point p = 0; p < play.space().size(); ++p) {
        const std::string result = play.column(p);
        if (bestHits(w.state.systemList, result) < hits) continue;
        double chance = 1;
        for (std::size_t k = 0; k < 13; ++k)
            chance *= w.state.forecast[k].p1 * (result[k] == '1') / 100.0 +
                      w.state.forecast[k].p0 * (result[k] == '0') / 100.0 +
                      w.state.forecast[k].p2 * (result[k] == '2') / 100.0;
        sum += chance;
    }
    return sum;
}

// The least, over every combination the forecast plays, of the hits of the best listed column:
// worked out by comparing the texts, apart from the program's own distance search.
inline int bruteForceGuarantee(const TZuvoform& w) {
    const zuvo::cover::Play play = zuvo::cover::playOf(w.state.forecast);
    int least = 13;
    for (zuvo::cover::Point p = 0; p < play.space().size(); ++p) {
        least = std::min(least, bestHits(w.state.systemList, play.column(p)));
    }
    return least;
}
