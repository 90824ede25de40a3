// The generator screen through its controls: whole runs on the fake clock, the activity bars,
// the list and its selection, and the ways back to Stage 3.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "model/generator.h"
#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "window_fixture.h"

namespace {

int differences(const QString& a, const QString& b) {
    int count = 0;
    for (int i = 0; i < 13; ++i) count += a.at(i) != b.at(i) ? 1 : 0;
    return count;
}

// Position 1 is certain on 1; every other position is open to all three outcomes.
ForecastEntry firstCertainForecast() {
    ForecastEntry entry = uniformForecast();
    entry[0] = {100, 0};
    return entry;
}

}  // namespace

class GeneratorTest : public WindowTest {
  protected:
    // Stage 3 with the given count, time and type, then its "Dalej".
    void openGeneratorScreen(const QString& count, const QString& time, int type) {
        goToStage3(firstCertainForecast());
        Stage3Area& s = window->stage3;
        s.MaskEdit1->setText(count);
        s.MaskEdit2->setText(time);
        clickButton(s.typeItems[type]);
        clickButton(s.Button18);
        ASSERT_TRUE(window->gen.GroupBox2->isVisible());
    }
    void startRun() {
        clickButton(window->gen.Button20);
        ASSERT_TRUE(window->state.run.generatorRunning);
    }
    // One step tick a few milliseconds after the last one, as the real timer delivers them.
    void stepTick() {
        platform.clockMs += 3;
        window->Timer2Timer();
    }
    // Steps until the run ends; false when it did not end within `limit` ticks.
    bool stepUntilFinished(int limit = 20000) {
        for (int i = 0; i < limit && window->state.run.generatorRunning; ++i) stepTick();
        return !window->state.run.generatorRunning;
    }
    QStringList shownColumns() const { return rowTexts(window->gen.ListBox1); }
    QColor barColour(int i) const { return ui::backgroundColor(window->gen.indicatorBars[i]); }
};

TEST_F(GeneratorTest, RunEndsWhenTheCountIsReached) {
    openGeneratorScreen(QStringLiteral("   12"), QStringLiteral("  120"), 2);
    platform.clockMs = 5 * 3600 * 1000;
    startRun();
    EXPECT_EQ(window->gen.Label35->text(), QStringLiteral("0"));
    EXPECT_EQ(ui::backgroundColor(window->gen.Panel29), ui::kTeal);
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(window->Timer2->isActive());
    EXPECT_FALSE(window->gen.Button20->isEnabled());
    EXPECT_FALSE(window->shell.Symulacja1->isEnabled());
    EXPECT_FALSE(window->shell.Otworz1->isEnabled());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());
    EXPECT_FALSE(window->shell.Gwarancyjny1->menuAction()->isEnabled());

    window->Timer1Timer();
    window->Timer1Timer();
    EXPECT_EQ(window->gen.Label37->text(), QStringLiteral("118 sek."));

    // The run goes on for one step after the twelfth column, and only then finishes.
    while (window->state.systemList.size() < 12) {
        ASSERT_TRUE(window->state.run.generatorRunning);
        stepTick();
    }
    EXPECT_TRUE(window->state.run.generatorRunning);
    stepTick();
    ASSERT_FALSE(window->state.run.generatorRunning);

    const QStringList columns = shownColumns();
    ASSERT_EQ(columns.size(), 12);
    EXPECT_EQ(window->gen.Label35->text(), QStringLiteral("12"));
    EXPECT_EQ(window->gen.ProgressBar1->value(), 12);
    EXPECT_EQ(window->gen.ProgressBar1->maximum(), 12);
    for (int i = 0; i < columns.size(); ++i) {
        EXPECT_EQ(columns[i], QString::fromStdString(window->state.systemList[i]));
        EXPECT_EQ(columns[i].size(), 13);
        EXPECT_EQ(columns[i].at(0), QLatin1Char('1')) << "certain position";
        for (int j = 0; j < i; ++j)
            EXPECT_GE(differences(columns[i], columns[j]), 3) << i << " " << j;
    }

    // The time label keeps its countdown text; everything of the finished state is set.
    EXPECT_EQ(window->gen.Label37->text(), QStringLiteral("118 sek."));
    EXPECT_EQ(ui::backgroundColor(window->gen.Panel29), ui::kTeal);
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_TRUE(window->state.resultsUnsaved);
    for (QWidget* on :
         {static_cast<QWidget*>(window->gen.Button23), static_cast<QWidget*>(window->gen.Edit1),
          static_cast<QWidget*>(window->gen.Button33), static_cast<QWidget*>(window->gen.Button24)})
        EXPECT_TRUE(on->isEnabled()) << on->objectName().toStdString();
    EXPECT_TRUE(window->shell.Symulacja1->isEnabled());
    EXPECT_TRUE(window->shell.Otworz1->isEnabled());
    EXPECT_TRUE(window->shell.Zapisz1->isEnabled());
    EXPECT_TRUE(window->shell.Gwarancyjny1->menuAction()->isEnabled());
    for (int i = 0; i < 6; ++i) EXPECT_EQ(barColour(i), ui::kFace) << i;
}

TEST_F(GeneratorTest, RunEndsWhenTheTimeIsUp) {
    openGeneratorScreen(QStringLiteral("   99"), QStringLiteral("    2"), 1);
    startRun();
    for (int i = 0; i < 30; ++i) stepTick();
    window->Timer1Timer();
    EXPECT_EQ(window->gen.Label37->text(), QStringLiteral("1 sek."));
    window->Timer1Timer();
    EXPECT_EQ(window->gen.Label37->text(), QString::fromUtf8("Czas minął !!!"));
    EXPECT_EQ(ui::backgroundColor(window->gen.Panel29), ui::kRed);
    EXPECT_FALSE(window->Timer1->isActive());
    // The step timer ends the run at its next tick.
    EXPECT_TRUE(window->state.run.generatorRunning);
    stepTick();
    ASSERT_FALSE(window->state.run.generatorRunning);

    const int found = rowCount(window->gen.ListBox1);
    EXPECT_GT(found, 0);
    EXPECT_LE(found, 30);
    EXPECT_EQ(window->gen.Label35->text(), QString::number(found));
    EXPECT_EQ(window->gen.Label37->text(), QString::fromUtf8("Czas minął !!!"));
    EXPECT_EQ(ui::backgroundColor(window->gen.Panel29), ui::kRed);
    EXPECT_TRUE(window->gen.Button23->isEnabled());
}

TEST_F(GeneratorTest, ZeroCountEndsAtTheFirstStepWithAnEmptyList) {
    openGeneratorScreen(QStringLiteral("    0"), QStringLiteral("  120"), 1);
    startRun();
    stepTick();
    EXPECT_FALSE(window->state.run.generatorRunning);
    EXPECT_EQ(rowCount(window->gen.ListBox1), 0);
    EXPECT_TRUE(window->state.resultsUnsaved);
}

TEST_F(GeneratorTest, ActivityBarsFollowTheFirstDrawOfEveryTick) {
    openGeneratorScreen(QStringLiteral("   99"), QStringLiteral("  120"), 1);
    startRun();
    const std::array<QColor, 6> odd{ui::kBlue, ui::kFuchsia, ui::kYellow,
                                    ui::kAqua, ui::kRed,     ui::kLime};
    const std::array<QColor, 6> even{ui::kLime, ui::kAqua,   ui::kBlue,
                                     ui::kRed,  ui::kYellow, ui::kFuchsia};
    bool sawOdd = false;
    bool sawEven = false;
    for (int tick = 0; tick < 40; ++tick) {
        stepTick();
        // The draws come from the clock of this tick.
        zuvo::RandomSource source;
        zuvo::Draws draws{};
        zuvo::drawNumbers(source, platform.clockMs, draws);
        ASSERT_EQ(window->state.run.draws, draws);
        const bool isOdd = (draws[0] & 1) != 0;
        (isOdd ? sawOdd : sawEven) = true;
        for (int i = 0; i < 6; ++i) EXPECT_EQ(barColour(i), isOdd ? odd[i] : even[i]) << tick;
    }
    EXPECT_TRUE(sawOdd && sawEven);
}

TEST_F(GeneratorTest, SelectingTheNinthRowNamesIt) {
    openGeneratorScreen(QStringLiteral("   10"), QStringLiteral("  120"), 0);
    startRun();
    ASSERT_TRUE(stepUntilFinished());
    TSystemListView* list = window->gen.ListBox1;
    ASSERT_EQ(rowCount(list), 10);
    // Eight rows fill the box: one coupon form at a time.
    EXPECT_EQ(list->visualRect(list->model()->index(0, 0)).height() * 8,
              list->viewport()->height());
    // A white list and results box, not the face colour of the screen around them.
    EXPECT_EQ(list->palette().color(QPalette::Base), ui::kWindow);
    EXPECT_EQ(window->gen.Edit1->palette().color(QPalette::Base), ui::kWindow);
    list->scrollTo(list->model()->index(8, 0));
    const QRect row = list->visualRect(list->model()->index(8, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_EQ(window->gen.Label39->text(), QString::fromUtf8("Wybrałeś nr.9"));
}

TEST_F(GeneratorTest, TabIntoTheListChoosesNoRowUntilAnArrowKey) {
    openGeneratorScreen(QStringLiteral("   10"), QStringLiteral("  120"), 0);
    startRun();
    ASSERT_TRUE(stepUntilFinished());
    TSystemListView* list = window->gen.ListBox1;
    list->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(window->gen.Label39->text().isEmpty());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->gen.Label39->text(), QString::fromUtf8("Wybrałeś nr.1"));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(window->gen.Label39->text(), QString::fromUtf8("Wybrałeś nr.2"));
}

TEST_F(GeneratorTest, WsteczDuringARunAnsweredNoLetsItGoOn) {
    openGeneratorScreen(QStringLiteral("   99"), QStringLiteral("  120"), 1);
    startRun();
    for (int i = 0; i < 20; ++i) stepTick();
    const int found = rowCount(window->gen.ListBox1);
    platform.expectQuestion(QString::fromUtf8("Generator jest obecnie w trakcie obliczeń ! Czy "
                                              "rzeczywiście chcesz teraz edytować dane ?"),
                            QuestionKind::Warning, false);
    clickButton(window->gen.Button19);
    EXPECT_TRUE(window->state.run.generatorRunning);
    EXPECT_TRUE(window->Timer2->isActive());
    EXPECT_TRUE(window->gen.GroupBox2->isVisible());
    EXPECT_EQ(rowCount(window->gen.ListBox1), found);
}

TEST_F(GeneratorTest, WsteczDuringARunAnsweredYesStopsItWithoutSaving) {
    openGeneratorScreen(QStringLiteral("   77"), QStringLiteral("  120"), 1);
    startRun();
    for (int i = 0; i < 20; ++i) stepTick();
    ASSERT_GT(rowCount(window->gen.ListBox1), 0);
    platform.expectQuestion(QString::fromUtf8("Generator jest obecnie w trakcie obliczeń ! Czy "
                                              "rzeczywiście chcesz teraz edytować dane ?"),
                            QuestionKind::Warning, true);
    clickButton(window->gen.Button19);

    EXPECT_FALSE(window->state.run.generatorRunning);
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_TRUE(window->state.systemList.empty());
    EXPECT_EQ(rowCount(window->gen.ListBox1), 0);
    EXPECT_TRUE(window->gen.Label35->text().isEmpty());
    EXPECT_EQ(window->gen.ProgressBar1->value(), 0);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(barColour(i), ui::kFace) << i;
    EXPECT_EQ(ui::backgroundColor(window->gen.Panel29), ui::kFace);
    EXPECT_FALSE(window->gen.GroupBox2->isVisible());
    EXPECT_FALSE(window->print.Panel31->isVisible());
    // Stage 3 shows the settings as they were left.
    EXPECT_TRUE(window->stage3.Panel3->isVisible());
    EXPECT_EQ(window->stage3.MaskEdit1->text(), QStringLiteral("   77"));
    EXPECT_TRUE(window->stage2.Panel2->isVisible());
    EXPECT_TRUE(window->shell.Symulacja1->isEnabled());
    EXPECT_TRUE(window->shell.Otworz1->isEnabled());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());

    // A new "Dalej" starts afresh.
    clickButton(window->stage3.Button18);
    EXPECT_TRUE(window->gen.Button20->isEnabled());
    EXPECT_TRUE(window->gen.Label37->text().isEmpty());
}

TEST_F(GeneratorTest, WsteczAfterARunOffersToSaveOnce) {
    openGeneratorScreen(QStringLiteral("    5"), QStringLiteral("  120"), 1);
    startRun();
    ASSERT_TRUE(stepUntilFinished());
    platform.expectQuestion(QString::fromUtf8("Zapisać rozwiązania ?"), QuestionKind::Confirmation,
                            false);
    clickButton(window->gen.Button19);
    EXPECT_FALSE(window->state.resultsUnsaved);
    EXPECT_TRUE(window->state.systemList.empty());
    EXPECT_TRUE(window->stage3.Panel3->isVisible());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());

    // Back on the generator screen without a new run: nothing is asked.
    clickButton(window->stage3.Button18);
    clickButton(window->gen.Button19);
    EXPECT_TRUE(window->stage3.Panel3->isVisible());
    EXPECT_EQ(platform.questions.size(), 1u);
}

TEST_F(GeneratorTest, WsteczKeepsTheListWhenTheSaveFails) {
    openGeneratorScreen(QStringLiteral("    5"), QStringLiteral("  120"), 1);
    startRun();
    ASSERT_TRUE(stepUntilFinished());
    // A folder where the file should go cannot be written as a file.
    const QString blocked = startPath(QStringLiteral("blocked.txt"));
    ASSERT_TRUE(QDir().mkpath(blocked));
    platform.expectQuestion(QString::fromUtf8("Zapisać rozwiązania ?"), QuestionKind::Confirmation,
                            true);
    platform.expectSaveDialog(blocked);
    platform.anyMessage = true;
    clickButton(window->gen.Button19);
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(window->gen.GroupBox2->isVisible());
    EXPECT_EQ(rowCount(window->gen.ListBox1), 5);
    EXPECT_EQ(window->state.systemList.size(), 5u);
    EXPECT_TRUE(window->shell.Zapisz1->isEnabled());
}

// The way back lands on Stage 3 as it was left: the analysis panel when this forecast was
// analysed, the Stage-1 group otherwise (never figures left from another forecast).
TEST_F(GeneratorTest, WsteczShowsTheAnalysisOnlyWhenThisForecastHasOne) {
    openGeneratorScreen(QStringLiteral("    3"), QStringLiteral("  120"), 1);
    clickButton(window->gen.Button19);
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(window->analysis.Panel41->isVisible());
}

TEST_F(GeneratorTest, WsteczAfterAnAnalysisShowsItsPanel) {
    goToStage2(firstCertainForecast());
    clickButton(window->stage2.Button36);
    ASSERT_TRUE(window->state.analysisDone);
    for (QCheckBox* box : window->stage2.templateBoxes)
        if (box->isEnabled()) box->setChecked(true);
    clickButton(window->stage2.Button14);
    clickButton(window->stage3.Button18);
    ASSERT_TRUE(window->gen.GroupBox2->isVisible());
    clickButton(window->gen.Button19);
    EXPECT_TRUE(window->analysis.Panel41->isVisible());
    EXPECT_FALSE(window->stage1.GroupBox1->isVisible());
    EXPECT_TRUE(window->stage3.Panel3->isVisible());
}
