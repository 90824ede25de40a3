#include <gtest/gtest.h>

#include "model/settings.h"

namespace zuvo {
namespace {

SettingsEntry defaultEntry() {
    SettingsEntry e;
    e.solutionText = "   40";
    e.timeText = "  120";
    e.solutionType = 2;
    return e;
}

// Settings as a previous "Dalej" left them, so that unchanged fields are recognisable.
GeneratorSettings previous() {
    GeneratorSettings s;
    s.solutionCount = 11;
    s.timeLimit = 22;
    s.solutionType = 0;
    s.maskChosen[5] = true;
    s.rangeFixed = true;
    s.rangeLow = 33;
    s.rangeHigh = 44;
    return s;
}

TEST(ConfirmSettings, StoresEverythingWhenValid) {
    SettingsEntry e = defaultEntry();
    e.masks[0] = e.masks[2] = true;
    GeneratorSettings s = previous();
    const SettingsCheck check = confirmSettings(e, 81, s);
    EXPECT_TRUE(check.ok);
    EXPECT_EQ(s.solutionCount, 40);
    EXPECT_EQ(s.timeLimit, 120);
    EXPECT_EQ(s.solutionType, 2);
    EXPECT_EQ(minDifference(s), 3);
    EXPECT_EQ(s.maskChosen, (std::array<bool, 6>{true, false, true, false, false, false}));
    EXPECT_FALSE(s.rangeFixed);
    // "Dowolna": the range keeps its earlier values.
    EXPECT_EQ(s.rangeLow, 33);
    EXPECT_EQ(s.rangeHigh, 44);
}

TEST(ConfirmSettings, FixedRangeIsRead) {
    SettingsEntry e = defaultEntry();
    e.rangeFixed = true;
    e.lowText = "30";
    e.highText = "60";
    GeneratorSettings s = previous();
    ASSERT_TRUE(confirmSettings(e, 81, s).ok);
    EXPECT_TRUE(s.rangeFixed);
    EXPECT_EQ(s.rangeLow, 30);
    EXPECT_EQ(s.rangeHigh, 60);
}

TEST(ConfirmSettings, EmptyNumberOfSolutionsChangesNothing) {
    SettingsEntry e = defaultEntry();
    e.solutionText = "     ";
    GeneratorSettings s = previous();
    const SettingsCheck check = confirmSettings(e, 81, s);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, "Nie podałeś ilości rozwiązań !");
    EXPECT_FALSE(check.clearSolutionField);
    EXPECT_EQ(s.solutionCount, 11);
    EXPECT_EQ(s.timeLimit, 22);
}

TEST(ConfirmSettings, MoreSolutionsThanCombinationsEmptiesTheField) {
    GeneratorSettings s = previous();
    const SettingsCheck check = confirmSettings(defaultEntry(), 32, s);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, "Wprowadzone dane dopuszczają max. : 32 rozwiązań !!!");
    EXPECT_TRUE(check.clearSolutionField);
    EXPECT_EQ(s.solutionCount, 11);
    // Exactly as many as possible is fine.
    EXPECT_TRUE(confirmSettings(defaultEntry(), 40, s).ok);
    EXPECT_EQ(s.solutionCount, 40);
}

TEST(ConfirmSettings, TimeFailuresKeepTheStoredNumberOfSolutions) {
    SettingsEntry e = defaultEntry();
    e.timeText = "     ";
    GeneratorSettings s = previous();
    SettingsCheck check = confirmSettings(e, 81, s);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, "Nie podałeś limitu czasu !");
    EXPECT_EQ(s.solutionCount, 40);
    EXPECT_EQ(s.timeLimit, 22);
    EXPECT_EQ(s.solutionType, 0);

    e.timeText = " 1 2 ";
    s = previous();
    check = confirmSettings(e, 81, s);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, "'1 2' is not a valid integer value");
    EXPECT_FALSE(check.clearSolutionField);
    EXPECT_EQ(s.solutionCount, 40);
    EXPECT_EQ(s.timeLimit, 22);
    EXPECT_EQ(s.solutionType, 0);
    EXPECT_TRUE(s.maskChosen[5]);
}

TEST(ConfirmSettings, GarbledNumberOfSolutionsIsRefused) {
    SettingsEntry e = defaultEntry();
    e.solutionText = " 4 0 ";
    GeneratorSettings s = previous();
    const SettingsCheck check = confirmSettings(e, 81, s);
    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, "'4 0' is not a valid integer value");
    EXPECT_EQ(s.solutionCount, 11);
}

TEST(ConfirmSettings, ZeroSolutionsAndZeroTimeAreAccepted) {
    SettingsEntry e = defaultEntry();
    e.solutionText = "    0";
    e.timeText = "    0";
    GeneratorSettings s = previous();
    EXPECT_TRUE(confirmSettings(e, 1, s).ok);
    EXPECT_EQ(s.solutionCount, 0);
    EXPECT_EQ(s.timeLimit, 0);
}

TEST(RangeSpinners, LowStaysBelowHigh) {
    // Up on UpDown1 at 45 with UpDown2 at 46: the spinner moved to 46 and is put back.
    EXPECT_EQ(stepRangeLow(46, 46), 45);
    EXPECT_EQ(stepRangeLow(30, 60), 30);
    EXPECT_EQ(stepRangeLow(61, 60), 59);
}

TEST(RangeSpinners, HighStaysAboveLow) {
    EXPECT_EQ(stepRangeHigh(45, 45), 46);
    EXPECT_EQ(stepRangeHigh(30, 60), 60);
    EXPECT_EQ(stepRangeHigh(50, 49), 51);
}

}  // namespace
}  // namespace zuvo
