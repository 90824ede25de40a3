// Stage 2 through its controls: structure counts, template availability, "Extra", "Dalej",
// "Wstecz" and the reminders.
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "window_fixture.h"

namespace {

// One position certain on 2, two certain on 0, ten three-way.
ForecastEntry fewZerosForecast() {
    ForecastEntry entry = uniformForecast();
    entry[0] = {0, 0};
    entry[1] = {0, 100};
    entry[2] = {0, 100};
    return entry;
}

// Outcome 2 is possible nowhere, so no template fits.
ForecastEntry noTwosForecast() {
    ForecastEntry entry{};
    entry.fill({50, 50});
    return entry;
}

}  // namespace

class Stage2Test : public WindowTest {
  protected:
    std::vector<int> enabledTemplates() const {
        std::vector<int> numbers;
        for (int i = 0; i < 30; ++i)
            if (window->stage2.templateBoxes[i]->isEnabled()) numbers.push_back(i + 1);
        return numbers;
    }
    std::vector<int> checkedTemplates() const {
        std::vector<int> numbers;
        for (int i = 0; i < 30; ++i)
            if (window->stage2.templateBoxes[i]->isChecked()) numbers.push_back(i + 1);
        return numbers;
    }
    std::array<QString, 4> structureTexts() const {
        const Stage2Area& s = window->stage2;
        return {s.Label9->text(), s.Label10->text(), s.Label11->text(), s.Label12->text()};
    }
    void clickBox(int number) { clickButton(window->stage2.templateBoxes[number - 1]); }
};

TEST_F(Stage2Test, ShowsTheStructureAndEveryTemplateForTheExample) {
    EXPECT_FALSE(window->stage2.Panel2->isVisible());
    goToStage2(exampleForecast());
    EXPECT_EQ(structureTexts(),
              (std::array<QString, 4>{QString::fromUtf8("Faworytów : 0"),
                                      QStringLiteral("Pozycji dwudrogowych : 1"),
                                      QStringLiteral("Pozycji trzydrogowych : 12"),
                                      QString::fromUtf8("Możliwych kombinacji : 1062882")}));
    EXPECT_EQ(enabledTemplates().size(), 30u);
    EXPECT_TRUE(checkedTemplates().empty());
    EXPECT_EQ(find<QCheckBox>("CheckBox1")->text(), QStringLiteral("7 5 1"));
    EXPECT_EQ(find<QCheckBox>("CheckBox30")->text(), QStringLiteral("8 1 4"));
    EXPECT_TRUE(window->stage2.Label94->isVisible());
    EXPECT_FALSE(window->stage2.Label13->isVisible());
    EXPECT_FALSE(window->stage2.Label95->isVisible());
    EXPECT_FALSE(window->stage2.Label18->isVisible());
}

TEST_F(Stage2Test, CertainZerosRuleOutTheTemplatesWithOneZero) {
    goToStage2(fewZerosForecast());
    EXPECT_EQ(structureTexts()[0], QString::fromUtf8("Faworytów : 3"));
    for (int number : {5, 11, 18, 26, 30})
        EXPECT_FALSE(window->stage2.templateBoxes[number - 1]->isEnabled()) << number;
    EXPECT_EQ(enabledTemplates().size(), 25u);
    EXPECT_TRUE(window->stage2.Button14->isEnabled());
    EXPECT_TRUE(window->stage2.Button36->isEnabled());
}

TEST_F(Stage2Test, NoFittingTemplateShowsTheNoticeAndBlocksTheCommands) {
    goToStage2(noTwosForecast());
    EXPECT_TRUE(enabledTemplates().empty());
    EXPECT_TRUE(window->stage2.Label13->isVisible());
    EXPECT_FALSE(window->stage2.Label94->isVisible());
    EXPECT_FALSE(window->stage2.Button14->isEnabled());
    EXPECT_FALSE(window->stage2.Button16->isEnabled());
    EXPECT_FALSE(window->stage2.Button36->isEnabled());
    EXPECT_TRUE(window->stage2.Button15->isEnabled());
}

TEST_F(Stage2Test, ExtraRefusesBeforeTheAnalysisAndKeepsTheMarks) {
    goToStage2(exampleForecast());
    clickBox(4);
    platform.expectMessage(QString::fromUtf8("Opcja dostępna po dokonaniu analizy !"));
    clickButton(window->stage2.Button16);
    EXPECT_EQ(checkedTemplates(), std::vector<int>{4});
}

TEST_F(Stage2Test, ExtraTicksExactlyTheSuggestedTemplates) {
    goToStage2(exampleForecast());
    clickBox(20);
    clickButton(window->stage2.Button36);
    clickButton(window->stage2.Button16);
    // 643, 733, 634, 742; the hand-made mark is gone.
    EXPECT_EQ(checkedTemplates(), (std::vector<int>{2, 3, 8, 9}));
}

TEST_F(Stage2Test, DalejWithoutMarksRefusesAndStopsTheReminders) {
    goToStage2(exampleForecast());
    for (int i = 0; i < 4; ++i) window->Timer5Timer();
    ASSERT_TRUE(window->stage2.Label95->isVisible());
    platform.expectMessage(QString::fromUtf8("Nie wybrałeś żadnego schematu !!!"));
    clickButton(window->stage2.Button14);
    EXPECT_FALSE(window->Timer5->isActive());
    EXPECT_FALSE(window->stage2.Label95->isVisible());
    EXPECT_EQ(window->state.hintTick, 0);
    EXPECT_TRUE(window->stage2.Panel2->isEnabled());
    EXPECT_TRUE(window->stage2.Button14->isEnabled());
    for (uint8_t flag : window->state.chosenTemplates) EXPECT_EQ(flag, 0);
}

TEST_F(Stage2Test, DalejHandsTheTickedAvailableTemplatesToStage3) {
    goToStage2(fewZerosForecast());
    window->stage2.templateBoxes[4]->setChecked(true);  // unavailable: not handed over
    clickBox(3);
    clickBox(27);
    clickButton(window->stage2.Button14);
    zuvo::ChosenTemplates expected{};
    expected[2] = 1;
    expected[26] = 1;
    EXPECT_EQ(window->state.chosenTemplates, expected);
    EXPECT_FALSE(window->stage2.Panel2->isEnabled());
    for (QPushButton* b : {window->stage2.Button14, window->stage2.Button15,
                           window->stage2.Button16, window->stage2.Button36})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(window->Timer5->isActive());
    ASSERT_NE(window->stage3.Panel3, nullptr);
    EXPECT_TRUE(window->stage3.Panel3->isVisible());
    EXPECT_TRUE(window->stage2.Panel2->isVisible());
}

TEST_F(Stage2Test, WsteczReturnsToStage1AndANewDalejCountsAfresh) {
    goToStage2(exampleForecast());
    clickButton(window->stage2.Button36);
    clickBox(12);
    clickButton(window->stage2.Button15);

    EXPECT_EQ(structureTexts(),
              (std::array<QString, 4>{QString::fromUtf8("Faworytów : "),
                                      QStringLiteral("Pozycji dwudrogowych : "),
                                      QStringLiteral("Pozycji trzydrogowych : "),
                                      QString::fromUtf8("Możliwych kombinacji : ")}));
    EXPECT_FALSE(window->stage2.Panel2->isVisible());
    EXPECT_TRUE(window->stage1.Panel1->isVisible());
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(window->analysis.Panel41->isVisible());
    EXPECT_TRUE(window->stage1.Button22->isEnabled());
    EXPECT_TRUE(window->stage1.positionButtons[6]->isEnabled());
    EXPECT_TRUE(window->stage2.Button36->isEnabled());
    EXPECT_FALSE(window->state.analysisDone);
    EXPECT_FALSE(window->Timer5->isActive());
    // The forecast survives the trip.
    EXPECT_EQ(positionTexts(1), (std::array<QString, 3>{" 60", " 30", " 10"}));

    // Make position 1 certain and go on again.
    selectPosition(1);
    setBars(100, 0);
    clickButton(window->stage1.Button22);
    EXPECT_EQ(structureTexts(),
              (std::array<QString, 4>{QString::fromUtf8("Faworytów : 1"),
                                      QStringLiteral("Pozycji dwudrogowych : 1"),
                                      QStringLiteral("Pozycji trzydrogowych : 11"),
                                      QString::fromUtf8("Możliwych kombinacji : 354294")}));
    EXPECT_TRUE(checkedTemplates().empty()) << "earlier marks do not survive";
    EXPECT_TRUE(window->Timer5->isActive());
    platform.expectMessage(QString::fromUtf8("Opcja dostępna po dokonaniu analizy !"));
    clickButton(window->stage2.Button16);
}

TEST_F(Stage2Test, RemindersCycleEveryTenTicks) {
    goToStage2(exampleForecast());
    QLabel* first = window->stage2.Label95;
    QLabel* second = window->stage2.Label18;
    EXPECT_EQ(first->text(),
              QString::fromUtf8("Wybór  szablonów  jest  jednym  z  najważniejszych  etapów  "
                                "całego  systemu !"));
    EXPECT_EQ(second->text(),
              QString::fromUtf8("Jeżeli  masz  jakieś  wątpliwości  zobacz  do  opisu  systemu  "
                                "w  Menu  Pomoc"));
    for (int cycle = 0; cycle < 2; ++cycle) {
        SCOPED_TRACE(cycle);
        for (int tick = 1; tick <= 10; ++tick) {
            window->Timer5Timer();
            EXPECT_EQ(first->isVisible(), tick >= 3 && tick < 10) << tick;
            EXPECT_EQ(second->isVisible(), tick >= 6 && tick < 10) << tick;
        }
        EXPECT_EQ(window->state.hintTick, 0);
    }
}
