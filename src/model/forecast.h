#pragma once
// The forecast of the 13 positions and the two-bar editor that sets one position at a time.
#include <array>
#include <cstdint>
#include <string>

namespace zuvo {

constexpr int kPositionCount = 13;

struct PositionForecast {
    int32_t p1 = 0;
    int32_t p0 = 0;
    int32_t p2 = 0;
    int32_t certain = 0;  // 1 when one of the three is exactly 100
};

// Index 0 holds position 1.
using Forecast = std::array<PositionForecast, kPositionCount>;
using VisitedFlags = std::array<uint8_t, kPositionCount>;

// Bars and gauges of the editor; every position is edited through this one device.
struct PositionEditor {
    int bar1 = 100;
    int bar2 = 0;
    int bar2Max = 100;
    int gauge1 = 100;
    int gauge0 = 0;
    int gauge2 = 0;
};

// The three display texts of a position, in the order 1, 0, 2 ("" before the first store).
struct PercentTexts {
    std::string t1;
    std::string t0;
    std::string t2;
};

int clampGauge(int v);
void moveBar1(PositionEditor& editor, int v);
void moveBar2(PositionEditor& editor, int w);
// "  5", " 45", "100": right-aligned in three characters.
std::string formatPercent(int v);
// Loads the editor from a position's display texts (not from its record).
void loadEditor(PositionEditor& editor, const PercentTexts& texts);
PercentTexts editorTexts(const PositionEditor& editor);
PositionForecast editorRecord(const PositionEditor& editor);
void resetForecast(Forecast& forecast, VisitedFlags& visited);

}  // namespace zuvo
