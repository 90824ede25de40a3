#pragma once
// What must hold for any bytes given to the forecast file parser. Shared by the fuzz target and
// by the test that runs the fuzz corpus.
#include <string>
#include <string_view>

#include "io/forecast_file.h"

namespace fuzzcheck {

// Empty when the parsed record is one the window can take, else what is wrong with it.
inline std::string checkForecastRecord(const zuvo::StoredForecast& r) {
    for (size_t i = 0; i < r.forecast.size(); ++i) {
        const zuvo::PositionForecast& p = r.forecast[i];
        if (r.visited[i] > 1) return "a visited flag other than 0 or 1";
        if (r.visited[i] == 0) {
            if (p.p1 != 0 || p.p0 != 0 || p.p2 != 0 || p.certain != 0)
                return "an unvisited position holds percentages";
            continue;
        }
        for (int v : {p.p1, p.p0, p.p2})
            if (v < 0 || v > 100) return "a percentage out of 0..100";
        if (p.p1 + p.p0 + p.p2 != 100) return "a position does not sum to 100";
        if (p.certain != ((p.p1 == 100 || p.p0 == 100 || p.p2 == 100) ? 1 : 0))
            return "the sure mark disagrees with the percentages";
    }
    if (!r.setup) return {};
    if (r.mode == zuvo::SystemMode::Simulation) return "a simulation with a guarantee";
    const zuvo::GuaranteeSetup& s = *r.setup;
    if (s.hits < 10 || s.hits > 13) return "a guarantee out of 10..13";
    if (s.seconds < 1 || s.seconds > 600) return "a time limit out of 1..600";
    if (s.budget != 0 && r.mode != zuvo::SystemMode::Preferred) return "a budget outside Preferred";
    for (const zuvo::cover::CountRange& range :
         {s.conditions.ones, s.conditions.draws, s.conditions.twos, s.conditions.favourites})
        if (range.low < 0 || range.low > range.high || range.high > 13) return "a bad range";
    return {};
}

inline std::string checkForecastBytes(std::string_view bytes) {
    zuvo::StoredForecast record;
    record.forecast[0].p1 = -7;  // a marker: a failed parse must leave the record alone
    zuvo::ForecastTextError error;
    if (!zuvo::parseForecastText(bytes, record, error)) {
        if (record.forecast[0].p1 != -7) return "a failed parse changed the record";
        if (error.reason.empty() || error.reason.size() > 300) return "no short reason";
        if (error.line < 0 || error.line > static_cast<int>(bytes.size()) + 1)
            return "a line number outside the file";
        return {};
    }
    if (std::string broken = checkForecastRecord(record); !broken.empty()) return broken;
    // What the writer makes of a record, the parser reads back unchanged.
    zuvo::StoredForecast again;
    if (!zuvo::parseForecastText(zuvo::formatForecastText(record), again, error))
        return "the written forecast does not parse: " + error.reason;
    if (!(again == record)) return "the written forecast reads back different";
    return {};
}

}  // namespace fuzzcheck
