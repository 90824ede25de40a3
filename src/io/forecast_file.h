#pragma once
// The forecast file: the Stage-1 forecast and the guarantee choice as plain UTF-8 text that a
// person can read and edit. It lives beside the system file, which it does not replace.
//
//   # Zuvo 2001 - prognoza
//   rodzaj: preferencyjny      symulacyjny, globalny or preferencyjny; the first line
//   1: 45 35 20                position 1: percentages of 1, 0 and 2, summing to 100
//   2: -                       a position never entered
//   ...                        all 13 positions, in order
//   gwarancja: 12              the guaranteed kinds only, each key at most once, all optional
//   kolumn: 432                "preferencyjny" only
//   limit: 10                  seconds
//   jedynki: 7-10              ranges of the conditions, written only when not whole
//   remisy: 1-3
//   dwójki: 1-3
//   faworyci: 8-13
//
// '#' starts a comment up to the end of its line; blank lines, CR LF and a UTF-8 BOM are allowed.
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "model/forecast.h"
#include "model/guarantee_setup.h"
#include "model/program_state.h"

namespace zuvo {

struct StoredForecast {
    SystemMode mode = SystemMode::Simulation;
    Forecast forecast{};
    VisitedFlags visited{};  // an unvisited position has the all-zero record
    // Guaranteed kinds only, and only when the file names any of its keys.
    std::optional<GuaranteeSetup> setup;
    bool operator==(const StoredForecast&) const;
};

struct ForecastTextError {
    int line = 0;        // 1-based; the last line when something is missing at the end
    bool atEnd = false;  // the file ended before what `reason` names
    std::string reason;  // Polish, UTF-8
};

// The whole text or nothing: on failure `record` is left untouched.
bool parseForecastText(std::string_view bytes, StoredForecast& record, ForecastTextError& error);
// Visited positions must hold three percentages summing to 100; a budget is written for
// "preferencyjny" only and a whole range not at all, as the reader would take them.
std::string formatForecastText(const StoredForecast& record);

// A forecast file is a few hundred bytes; anything far bigger is not one.
constexpr qint64 kMaxForecastFileBytes = 64 * 1024;

// On failure `error` names the file (and the line, or the system's reason) and `record` is left
// untouched.
bool readForecastFile(const QString& path, StoredForecast& record, QString& error);
// Writes through a temporary file, so a failed save never destroys the previous file.
bool writeForecastFile(const QString& path, const StoredForecast& record, QString& error);

}  // namespace zuvo
