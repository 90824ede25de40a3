#include "model/forecast.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace zuvo {

namespace {

// The display texts are only ever written by formatPercent, but a stray or empty field must not
// leave the editor in a state whose three values no longer add up: anything unreadable is 0.
int readPercentText(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int value = 0;
    const auto* first = text.data();
    const auto* last = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(first, last, value);
    if (ec != std::errc() || ptr != last) return 0;
    return clampGauge(value);
}

}  // namespace

int clampGauge(int v) {
    return std::clamp(v, 0, 100);
}

void moveBar1(PositionEditor& editor, int v) {
    editor.bar1 = clampGauge(v);
    editor.bar2Max = 100;
    editor.gauge1 = clampGauge(editor.bar1);
    editor.gauge0 = clampGauge(100 - editor.gauge1);
    editor.gauge2 = 0;
    // Bar 1 hands the whole remainder to outcome 0, so bar 2 follows it there.
    editor.bar2 = editor.gauge0;
}

void moveBar2(PositionEditor& editor, int w) {
    editor.bar2Max = std::max(0, 100 - editor.bar1);
    editor.bar2 = std::clamp(w, 0, editor.bar2Max);
    editor.gauge0 = clampGauge(editor.bar2);
    editor.gauge2 = clampGauge(100 - editor.gauge1 - editor.gauge0);
}

std::string formatPercent(int v) {
    std::string text = std::to_string(v);
    if (text.size() < 3) text.insert(0, 3 - text.size(), ' ');
    return text;
}

void loadEditor(PositionEditor& editor, const PercentTexts& texts) {
    if (texts.t1.empty()) {
        editor.bar1 = 100;
        editor.gauge1 = 100;
        editor.bar2Max = 100;
        editor.bar2 = 0;
        editor.gauge0 = 0;
        editor.gauge2 = 0;
        return;
    }
    editor.bar1 = readPercentText(texts.t1);
    editor.gauge1 = editor.bar1;
    editor.bar2Max = 100 - editor.bar1;
    const int zero = readPercentText(texts.t0);
    editor.bar2 = std::min(zero, editor.bar2Max);
    editor.gauge0 = zero;
    editor.gauge2 = readPercentText(texts.t2);
}

PercentTexts editorTexts(const PositionEditor& editor) {
    return PercentTexts{formatPercent(editor.gauge1), formatPercent(editor.gauge0),
                        formatPercent(editor.gauge2)};
}

PositionForecast editorRecord(const PositionEditor& editor) {
    PositionForecast record;
    record.p1 = editor.gauge1;
    record.p0 = editor.gauge0;
    record.p2 = editor.gauge2;
    record.certain = (editor.gauge1 == 100 || editor.gauge0 == 100 || editor.gauge2 == 100) ? 1 : 0;
    return record;
}

void resetForecast(Forecast& forecast, VisitedFlags& visited) {
    forecast.fill(PositionForecast{});
    visited.fill(0);
}

}  // namespace zuvo
