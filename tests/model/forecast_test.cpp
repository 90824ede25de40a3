#include <gtest/gtest.h>

#include "model/forecast.h"

namespace zuvo {
namespace {

void expectGauges(const PositionEditor& e, int g1, int g0, int g2) {
    EXPECT_EQ(e.gauge1, g1);
    EXPECT_EQ(e.gauge0, g0);
    EXPECT_EQ(e.gauge2, g2);
}

TEST(ForecastEditor, EmptyPositionIsStoredAsCertainHomeWin) {
    PositionEditor editor;
    moveBar1(editor, 30);
    moveBar2(editor, 40);
    loadEditor(editor, PercentTexts{});  // a position never stored before
    EXPECT_EQ(editor.bar1, 100);
    EXPECT_EQ(editor.bar2, 0);
    EXPECT_EQ(editor.bar2Max, 100);
    const PositionForecast record = editorRecord(editor);
    EXPECT_EQ(record.p1, 100);
    EXPECT_EQ(record.p0, 0);
    EXPECT_EQ(record.p2, 0);
    EXPECT_EQ(record.certain, 1);
    const PercentTexts texts = editorTexts(editor);
    EXPECT_EQ(texts.t1, "100");
    EXPECT_EQ(texts.t0, "  0");
    EXPECT_EQ(texts.t2, "  0");
}

TEST(ForecastEditor, BarOneGivesTheRemainderToDrawAndBarTwoSplitsIt) {
    PositionEditor editor;
    moveBar1(editor, 45);
    expectGauges(editor, 45, 55, 0);
    EXPECT_EQ(editor.bar2, 55);
    EXPECT_EQ(editor.bar2Max, 100);

    moveBar2(editor, 35);
    expectGauges(editor, 45, 35, 20);
    EXPECT_EQ(editor.bar2Max, 55);

    moveBar1(editor, 50);  // outcome 2 is lost
    expectGauges(editor, 50, 50, 0);
    EXPECT_EQ(editor.bar2, 50);
}

TEST(ForecastEditor, BarTwoIsClampedToWhatBarOneLeaves) {
    PositionEditor editor;  // bar 1 at 100, bar 2 maximum still 100
    moveBar2(editor, 30);
    EXPECT_EQ(editor.bar2Max, 0);
    EXPECT_EQ(editor.bar2, 0);
    expectGauges(editor, 100, 0, 0);

    moveBar1(editor, 60);
    moveBar2(editor, 70);  // beyond the 40 that is left
    EXPECT_EQ(editor.bar2Max, 40);
    EXPECT_EQ(editor.bar2, 40);
    expectGauges(editor, 60, 40, 0);
    EXPECT_EQ(editor.gauge1 + editor.gauge0 + editor.gauge2, 100);
}

TEST(ForecastEditor, ReselectingAStoredPositionRestoresBarsAndGauges) {
    PositionEditor editor;
    moveBar1(editor, 45);
    moveBar2(editor, 35);
    const PercentTexts stored = editorTexts(editor);
    EXPECT_EQ(stored.t1, " 45");
    EXPECT_EQ(stored.t0, " 35");
    EXPECT_EQ(stored.t2, " 20");

    PositionEditor other;
    moveBar1(other, 5);
    loadEditor(other, stored);
    EXPECT_EQ(other.bar1, 45);
    EXPECT_EQ(other.bar2Max, 55);
    EXPECT_EQ(other.bar2, 35);
    expectGauges(other, 45, 35, 20);

    // Leaving it again without moving a bar keeps it unchanged.
    const PositionForecast record = editorRecord(other);
    EXPECT_EQ(record.p1, 45);
    EXPECT_EQ(record.p0, 35);
    EXPECT_EQ(record.p2, 20);
    EXPECT_EQ(record.certain, 0);
}

TEST(ForecastEditor, CertainWhenAnyOutcomeIsExactlyHundred) {
    PositionEditor editor;
    moveBar1(editor, 0);
    moveBar2(editor, 100);
    expectGauges(editor, 0, 100, 0);
    EXPECT_EQ(editorRecord(editor).certain, 1);

    moveBar2(editor, 0);
    expectGauges(editor, 0, 0, 100);
    EXPECT_EQ(editorRecord(editor).certain, 1);

    moveBar1(editor, 99);
    expectGauges(editor, 99, 1, 0);
    EXPECT_EQ(editorRecord(editor).certain, 0);
}

TEST(ForecastEditor, GaugesStayWithinZeroToHundred) {
    EXPECT_EQ(clampGauge(-5), 0);
    EXPECT_EQ(clampGauge(150), 100);
    EXPECT_EQ(clampGauge(37), 37);
    PositionEditor editor;
    moveBar1(editor, 130);
    expectGauges(editor, 100, 0, 0);
    moveBar1(editor, -20);
    expectGauges(editor, 0, 100, 0);
}

TEST(FormatPercent, RightAlignedInThreeCharacters) {
    EXPECT_EQ(formatPercent(0), "  0");
    EXPECT_EQ(formatPercent(5), "  5");
    EXPECT_EQ(formatPercent(9), "  9");
    EXPECT_EQ(formatPercent(10), " 10");
    EXPECT_EQ(formatPercent(45), " 45");
    EXPECT_EQ(formatPercent(99), " 99");
    EXPECT_EQ(formatPercent(100), "100");
}

TEST(ResetForecast, ClearsRecordsAndVisitedFlags) {
    Forecast forecast{};
    VisitedFlags visited{};
    forecast[3] = PositionForecast{100, 0, 0, 1};
    forecast[12] = PositionForecast{40, 30, 30, 0};
    visited[3] = 1;
    visited[12] = 1;
    resetForecast(forecast, visited);
    for (int i = 0; i < kPositionCount; ++i) {
        EXPECT_EQ(forecast[i].p1, 0);
        EXPECT_EQ(forecast[i].p0, 0);
        EXPECT_EQ(forecast[i].p2, 0);
        EXPECT_EQ(forecast[i].certain, 0);
        EXPECT_EQ(visited[i], 0);
    }
}

}  // namespace
}  // namespace zuvo
