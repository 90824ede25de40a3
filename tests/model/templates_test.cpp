#include <gtest/gtest.h>

#include <set>

#include "model/forecast_builders.h"
#include "model/templates.h"

namespace zuvo {
namespace {

using testing::filled;
using testing::pos;

int numberOf(const std::string& code) {
    for (int n = 1; n <= kTemplateCount; ++n) {
        if (templateCode(n) == code) return n;
    }
    return 0;
}

TEST(TemplateCatalogue, NumbersCaptionsAndCodesFollowTheBoxes) {
    const char* codes[kTemplateCount] = {"751", "742", "733", "724", "715", "661", "652", "643",
                                         "634", "625", "616", "571", "562", "553", "544", "535",
                                         "526", "517", "481", "472", "463", "454", "445", "436",
                                         "427", "418", "841", "832", "823", "814"};
    for (int n = 1; n <= kTemplateCount; ++n) {
        const std::string code = codes[n - 1];
        EXPECT_EQ(templateCode(n), code) << n;
        EXPECT_EQ(templateCaption(n), (std::string{code[0], ' ', code[1], ' ', code[2]})) << n;
    }
    EXPECT_EQ(templateCaption(1), "7 5 1");
    EXPECT_EQ(templateCaption(30), "8 1 4");
}

TEST(TemplateAvailability, ThreeWayForecastAllowsEverything) {
    const TemplateFlags flags =
        templateAvailability(computeStructureCounts(filled(pos(40, 30, 30))));
    for (int i = 0; i < kTemplateCount; ++i) EXPECT_TRUE(flags[i]) << i + 1;
}

TEST(TemplateAvailability, TwoCertainDrawsRuleOutSingleZeroTemplates) {
    Forecast f = filled(pos(40, 30, 30));
    f[0] = pos(0, 0, 100);
    f[1] = pos(0, 100, 0);
    f[2] = pos(0, 100, 0);
    const TemplateFlags flags = templateAvailability(computeStructureCounts(f));
    const std::set<std::string> oneZero = {"814", "715", "616", "517", "418"};
    for (int n = 1; n <= kTemplateCount; ++n) {
        EXPECT_EQ(flags[n - 1], oneZero.count(templateCode(n)) == 0) << templateCode(n);
    }
    EXPECT_TRUE(flags[numberOf("733") - 1]);
    EXPECT_TRUE(flags[numberOf("841") - 1]);
}

TEST(TemplateAvailability, NoPossibleAwayWinRulesOutEverything) {
    Forecast f = filled(pos(50, 50, 0));
    for (int i = 0; i < 6; ++i) f[i] = pos(100, 0, 0);
    const StructureCounts counts = computeStructureCounts(f);
    EXPECT_EQ(counts.possible2, 0);
    const TemplateFlags flags = templateAvailability(counts);
    for (int i = 0; i < kTemplateCount; ++i) EXPECT_FALSE(flags[i]) << i + 1;
}

TEST(TemplateAvailability, EachBoundIsInclusiveAndChecked) {
    const Template t{7, 5, 1};
    const StructureCounts open{0, 0, 0, 13, 13, 13, 0, 0, 13, 1594323};
    ASSERT_TRUE(isTemplateAvailable(t, open));
    // One field at a time: its value at the template's count passes, one step further fails.
    struct Case {
        int32_t StructureCounts::*field;
        int32_t passes;
        int32_t fails;
    };
    const Case cases[] = {
        {&StructureCounts::possible1, 7, 6}, {&StructureCounts::certain1, 7, 8},
        {&StructureCounts::possible0, 5, 4}, {&StructureCounts::certain0, 5, 6},
        {&StructureCounts::possible2, 1, 0}, {&StructureCounts::certain2, 1, 2},
    };
    for (const Case& c : cases) {
        StructureCounts counts = open;
        counts.*c.field = c.passes;
        EXPECT_TRUE(isTemplateAvailable(t, counts)) << c.passes;
        counts.*c.field = c.fails;
        EXPECT_FALSE(isTemplateAvailable(t, counts)) << c.fails;
    }
}

TEST(SuggestedChecks, OnlyUsedSlotsWithCatalogueNumbersTick) {
    TemplateSuggestions s{};
    s[0] = {1, 8};
    s[1] = {0, 3};  // left over from an earlier analysis
    s[2] = {1, 31};
    s[3] = {1, 0};
    const TemplateFlags checked = suggestedTemplateChecks(s);
    for (int i = 0; i < kTemplateCount; ++i) EXPECT_EQ(checked[i], i == 7) << i + 1;
}

TEST(SuggestedChecks, RepeatedNumberGivesOneMark) {
    TemplateSuggestions s{};
    s[0] = {1, 30};
    s[1] = {1, 30};
    s[2] = {1, 1};
    const TemplateFlags checked = suggestedTemplateChecks(s);
    int marks = 0;
    for (bool c : checked) marks += c ? 1 : 0;
    EXPECT_EQ(marks, 2);
    EXPECT_TRUE(checked[0]);
    EXPECT_TRUE(checked[29]);
}

TEST(ChosenTemplates, NeedBothAvailabilityAndCheckMark) {
    TemplateFlags available{};
    TemplateFlags checked{};
    available[0] = available[4] = available[9] = true;
    checked[4] = checked[9] = checked[20] = true;  // 21 is ticked but unavailable
    const ChosenTemplates chosen = chooseTemplates(available, checked);
    for (int i = 0; i < kTemplateCount; ++i) EXPECT_EQ(chosen[i], (i == 4 || i == 9) ? 1 : 0);
    EXPECT_EQ(countChosen(chosen), 2);
    EXPECT_EQ(countChosen(chooseTemplates(available, TemplateFlags{})), 0);
}

}  // namespace
}  // namespace zuvo
