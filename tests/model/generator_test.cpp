#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "model/forecast_builders.h"
#include "model/generator.h"

namespace zuvo {
namespace {

using testing::pos;

Forecast uniformForecast() {
    Forecast f;
    f.fill(pos(50, 30, 20));
    return f;
}

// Draws that make the 50/30/20 forecast yield the given column: 1 below 50, 0 below 80, else 2.
Draws drawsFor(const std::string& column) {
    Draws d{};
    for (int p = 0; p < kPositionCount; ++p)
        d[p] = column[p] == '1' ? 0 : column[p] == '0' ? 60 : 90;
    return d;
}

ChosenTemplates only(std::initializer_list<int> numbers) {
    ChosenTemplates chosen{};
    for (int n : numbers) chosen[n - 1] = 1;
    return chosen;
}

// Columns of the template "7 5 1" (number 1) unless said otherwise.
const std::string kBase = "1111111000002";

struct GeneratorFixture : ::testing::Test {
    Forecast forecast = uniformForecast();
    ChosenTemplates chosen = only({1});
    GeneratorSettings settings;
    GeneratorRun run;
    SystemList list;

    void SetUp() override {
        settings.solutionType = 0;
        run.remainingColumns = 10;
        run.timeLeft = 60;
    }
    StepOutcome step(const std::string& column) {
        run.draws = drawsFor(column);
        return generatorStep(run, StepContext{forecast, chosen, settings}, list);
    }
};

TEST(DrawCandidate, ThresholdsFollowTheCumulativePercentages) {
    Forecast f = uniformForecast();
    f[1] = pos(0, 100, 0);
    f[2] = pos(100, 0, 0);
    f[3] = pos(50, 49, 1);
    Draws d{};
    d.fill(0);
    d[0] = 49;  // 50 > 49: '1'
    d[1] = 0;   // p1 = 0 is never drawn: '0'
    d[2] = 98;  // p1 = 100 covers every draw
    d[3] = 98;  // p2 = 1 never comes out: 99 > 98 gives '0'
    d[4] = 50;  // first value of the zeros
    d[5] = 79;  // last value of the zeros
    d[6] = 80;  // first value of the twos
    const Candidate c = drawCandidate(f, d);
    EXPECT_EQ(c.text, "1010002111111");
    EXPECT_EQ(c.ones, 8);
    EXPECT_EQ(c.zeros, 4);
    EXPECT_EQ(c.twos, 1);
    // 50 + 100 + 100 + 49 + 30 + 30 + 20 + 6 * 50 = 679; 679 / 13 = 52.23 -> 52
    EXPECT_EQ(c.meanProbability, 52);
}

TEST_F(GeneratorFixture, FinishesBeforeDrawingWhenNothingRemains) {
    run.remainingColumns = 0;
    EXPECT_EQ(step(kBase), StepOutcome::Finished);
    run.remainingColumns = 5;
    run.timeLeft = 0;
    EXPECT_EQ(step(kBase), StepOutcome::Finished);
    run.timeLeft = -1;
    EXPECT_EQ(step(kBase), StepOutcome::Finished);
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(run.remainingColumns, 5);
    EXPECT_TRUE(run.stepReady);
}

TEST_F(GeneratorFixture, AcceptedColumnIsAppendedAndCounted) {
    run.stepReady = false;  // a step always leaves itself ready for the next tick
    EXPECT_EQ(step(kBase), StepOutcome::Appended);
    EXPECT_EQ(list, SystemList{kBase});
    EXPECT_EQ(run.remainingColumns, 9);
    EXPECT_TRUE(run.stepReady);
}

TEST_F(GeneratorFixture, TemplateTestRejectsOtherCounts) {
    EXPECT_EQ(step("1111110000022"), StepOutcome::Rejected);  // 6 5 2
    EXPECT_TRUE(list.empty());
    chosen = {};
    EXPECT_EQ(step(kBase), StepOutcome::Rejected);
    EXPECT_EQ(run.remainingColumns, 10);
    EXPECT_TRUE(run.stepReady);
}

TEST_F(GeneratorFixture, RangeBoundsAreInclusive) {
    // kBase: 7 * 50 + 5 * 30 + 20 = 520, mean 40.
    settings.rangeFixed = true;
    settings.rangeLow = 41;
    settings.rangeHigh = 70;
    EXPECT_EQ(step(kBase), StepOutcome::Rejected);
    settings.rangeLow = 20;
    settings.rangeHigh = 39;
    EXPECT_EQ(step(kBase), StepOutcome::Rejected);
    settings.rangeFixed = false;  // "Dowolna" ignores the stored bounds
    EXPECT_EQ(step(kBase), StepOutcome::Appended);
    list.clear();
    settings.rangeFixed = true;
    settings.rangeLow = 40;
    settings.rangeHigh = 40;
    EXPECT_EQ(step(kBase), StepOutcome::Appended);
}

TEST_F(GeneratorFixture, AnyChosenMaskLetsTheColumnPass) {
    settings.maskChosen[0] = true;  // 1 0 2
    settings.maskChosen[2] = true;  // 0 1 2
    EXPECT_EQ(step(kBase), StepOutcome::Rejected);
    EXPECT_EQ(step("1111110000102"), StepOutcome::Appended);
    EXPECT_EQ(step("1111110000012"), StepOutcome::Appended);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_FALSE(containsChosenMask(kBase, settings.maskChosen));
    EXPECT_TRUE(containsChosenMask(kBase, {}));
}

TEST_F(GeneratorFixture, DuplicatesAreRefusedEvenAtDistanceOne) {
    ASSERT_EQ(step(kBase), StepOutcome::Appended);
    EXPECT_EQ(step(kBase), StepOutcome::Rejected);
    chosen = only({1, 27});                                   // 7 5 1 and 8 4 1
    EXPECT_EQ(step("1111111100002"), StepOutcome::Appended);  // one position apart
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(run.remainingColumns, 8);
}

TEST_F(GeneratorFixture, DuplicateFailingTheTemplateIsRejected) {
    list = {"1111110000022"};  // e.g. left there from elsewhere; it is no 7 5 1 column
    EXPECT_EQ(step("1111110000022"), StepOutcome::Rejected);
    EXPECT_EQ(list.size(), 1u);
}

TEST_F(GeneratorFixture, DifferByTwoNeedsTwoPositions) {
    settings.solutionType = 1;
    chosen = only({1, 27});
    ASSERT_EQ(step(kBase), StepOutcome::Appended);
    EXPECT_EQ(step("1111111100002"), StepOutcome::Rejected);  // 1 difference
    EXPECT_EQ(step("1111110100002"), StepOutcome::Appended);  // 2 differences
}

TEST_F(GeneratorFixture, DifferByThreeChecksEveryEntry) {
    settings.solutionType = 2;
    list = {"0000011111112", kBase};                          // the close one is not the first
    EXPECT_EQ(step("1111110100002"), StepOutcome::Rejected);  // 2 from kBase
    EXPECT_EQ(step("1111110200001"), StepOutcome::Appended);  // 3 from kBase
    EXPECT_EQ(countDifferences(kBase, "1111110200001"), 3);
    EXPECT_FALSE(keepsDistance("1111110100002", list, 3));
    EXPECT_TRUE(keepsDistance("1111110100002", list, 2));
}

TEST(Generator, DifferencesOfShortTexts) {
    EXPECT_EQ(countDifferences("1111111111111", "111"), 10);
    EXPECT_EQ(countDifferences("", ""), 0);
    EXPECT_EQ(countDifferences("1111111111111", "11111111111112222"), 0);
}

// A whole run driven by a fixed sequence of clock readings.
TEST(GeneratorRunProperty, ColumnsKeepEveryRule) {
    Forecast forecast;
    forecast.fill(pos(40, 35, 25));
    forecast[0] = pos(100, 0, 0);
    forecast[4] = pos(0, 0, 100);
    ChosenTemplates chosen{};
    const auto& catalogue = templateCatalogue();
    for (int k = 0; k < kTemplateCount; ++k)
        chosen[k] = catalogue[k].ones == 5 || catalogue[k].ones == 6;
    GeneratorSettings settings;
    settings.solutionType = 2;
    settings.rangeFixed = true;
    settings.rangeLow = 38;
    settings.rangeHigh = 45;
    GeneratorRun run;
    run.remainingColumns = 25;
    run.timeLeft = 1;
    SystemList list;
    RandomSource random;

    StepOutcome outcome = StepOutcome::Rejected;
    for (uint32_t tick = 0; tick < 200000 && outcome != StepOutcome::Finished; ++tick) {
        drawNumbers(random, tick * 7919u % 86400000u, run.draws);
        outcome = generatorStep(run, StepContext{forecast, chosen, settings}, list);
    }
    ASSERT_EQ(outcome, StepOutcome::Finished);
    ASSERT_EQ(list.size(), 25u);

    const int weight[3] = {35, 40, 25};  // percentage of '0', '1', '2' on the open positions
    for (size_t i = 0; i < list.size(); ++i) {
        const std::string& c = list[i];
        ASSERT_EQ(c.size(), 13u);
        EXPECT_EQ(c[0], '1');
        EXPECT_EQ(c[4], '2');
        const auto ones = std::count(c.begin(), c.end(), '1');
        const auto zeros = std::count(c.begin(), c.end(), '0');
        EXPECT_TRUE(ones == 5 || ones == 6) << c;
        EXPECT_GE(zeros, 1) << c;
        EXPECT_GE(13 - ones - zeros, 1) << c;
        int sum = 200;
        for (int p = 1; p < 13; ++p)
            if (p != 4) sum += weight[c[p] - '0'];
        EXPECT_GE(sum / 13, 38) << c;
        EXPECT_LE(sum / 13, 45) << c;
        for (size_t j = 0; j < i; ++j) {
            int differ = 0;
            for (int p = 0; p < 13; ++p) differ += c[p] != list[j][p];
            EXPECT_GE(differ, 3) << c << " vs " << list[j];
        }
    }
}

}  // namespace
}  // namespace zuvo
