// "Globalny" and "Preferencyjny" through the window: Stage 1, the guarantee panel, the search on
// worker threads, the system in the generated list, and "Szanse trafień".
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "model/cover/play.h"
#include "model/cover/verify.h"
#include "ui/chances_dialog.h"
#include "ui/guarantee_panel.h"
#include "ui/widget_utils.h"
#include "ui/window_fixture.h"

namespace cover = zuvo::cover;

class GuaranteedTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        finishIntro();
    }
    GuaranteePanel& panel() const { return *window->guarantee; }

    // `three` three-way positions first, then `two` between 1 and 0, the rest sure: as many
    // favourites as a simulation would refuse.
    void enterStructure(int three, int two) {
        ForecastEntry entry{};
        for (int k = 0; k < 13; ++k)
            entry[k] = k < three         ? PositionEntry{34, 33}
                       : k < three + two ? PositionEntry{50, 50}
                                         : PositionEntry{100, 0};
        enterForecast(entry);
        clickButton(window->stage1.Button22);
        ASSERT_TRUE(panel().isVisible());
    }
    // Polls the search as its timer does until the panel has finished.
    bool waitForSystem(int limitMs = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (panel().searching() && clock.elapsed() < limitMs) {
            QTest::qWait(20);
            panel().pollSearch();
        }
        return !panel().searching();
    }
    // The listed columns as points of the forecast's space; fails the test on a foreign column.
    cover::System listedPoints() const {
        const cover::Play play = cover::playOf(window->state.forecast);
        cover::System points;
        for (const std::string& column : window->state.systemList) {
            const auto point = play.point(column);
            EXPECT_TRUE(point.has_value()) << column;
            if (point) points.push_back(*point);
        }
        return points;
    }
};

TEST_F(GuaranteedTest, GlobalFourThreeWayAtTwelveGivesTheNineColumnsOfTheHammingCode) {
    window->shell.Globalny1->trigger();
    enterStructure(4, 0);  // nine favourites: no refusal in this mode
    EXPECT_FALSE(window->stage2.Panel2->isVisible());
    EXPECT_EQ(panel().structureLabels[0]->text(), QStringLiteral("Faworytów : 9"));
    EXPECT_EQ(panel().structureLabels[3]->text(), QString::fromUtf8("Możliwych kombinacji : 81"));
    EXPECT_TRUE(panel().guarantees[1]->isChecked()) << "12 hits to begin with";
    EXPECT_EQ(panel().knownSizes[1]->text(), QStringLiteral("znany: 9 kolumn"));
    EXPECT_FALSE(panel().budgetEdit->isVisible());

    clickButton(panel().computeButton);
    ASSERT_TRUE(waitForSystem());
    ASSERT_EQ(rowCount(window->gen.ListBox1), 9);
    EXPECT_TRUE(window->gen.GroupBox2->isVisible());
    EXPECT_EQ(window->gen.Label35->text(), QStringLiteral("9"));
    EXPECT_TRUE(cover::covers(cover::playOf(window->state.forecast).space(), listedPoints(), 1));
    EXPECT_EQ(window->guaranteeCaption->text(),
              QString::fromUtf8("System gwarancyjny 12 z 13: 9 kolumn zamiast 81 (sprawdzono "
                                "wszystkie kombinacje)."));
    EXPECT_FALSE(window->gen.Button20->isEnabled()) << "nothing to generate";
    EXPECT_TRUE(window->gen.Button33->isEnabled());
    EXPECT_TRUE(window->shell.Szanse1->isEnabled());
    EXPECT_TRUE(window->state.resultsUnsaved);

    // "Wstecz" asks to save, as after a run, and returns to the guarantee panel.
    platform.expectQuestion(QString::fromUtf8("Zapisać rozwiązania ?"), QuestionKind::Confirmation,
                            false);
    clickButton(window->gen.Button19);
    EXPECT_FALSE(window->gen.GroupBox2->isVisible());
    EXPECT_TRUE(panel().isVisible());
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(window->stage3.Panel3->isVisible());
}

TEST_F(GuaranteedTest, PreferredStaysWithinItsBudgetAndStatesItsChance) {
    window->shell.Preferencyjny1->trigger();
    enterStructure(4, 2);  // 324 combinations
    ASSERT_TRUE(panel().budgetEdit->isVisible());
    const int defaultBudget = panel().budgetEdit->text().toInt();
    EXPECT_GE(defaultBudget, 1);
    panel().budgetEdit->setText(QStringLiteral("12"));
    panel().secondsEdit->setText(QStringLiteral("1"));
    clickButton(panel().computeButton);
    ASSERT_TRUE(waitForSystem());
    const std::size_t size = window->state.systemList.size();
    EXPECT_GE(size, 1u);
    EXPECT_LE(size, 12u);
    const cover::Play play = cover::playOf(window->state.forecast);
    const double chance = cover::coveredChance(play.space(), listedPoints(), 1, play.chances());
    EXPECT_GT(chance, 0.0);
    EXPECT_LT(chance, 1.0);
    EXPECT_TRUE(window->guaranteeCaption->text().contains(
        QString::fromUtf8("Szansa na co najmniej 12 trafień: %1;")
            .arg(ui::percentWithUnit(chance, 1))))
        << window->guaranteeCaption->text().toStdString();
}

TEST_F(GuaranteedTest, InterruptKeepsTheBestVerifiedSystemFoundSoFar) {
    window->shell.Globalny1->trigger();
    enterStructure(9, 0);  // 3^9 at 12 hits: far from done in a moment
    panel().secondsEdit->setText(QStringLiteral("600"));
    clickButton(panel().computeButton);
    EXPECT_TRUE(panel().stopButton->isEnabled());
    EXPECT_FALSE(panel().computeButton->isEnabled());
    QTest::qWait(300);
    QElapsedTimer clock;
    clock.start();
    clickButton(panel().stopButton);
    EXPECT_LT(clock.elapsed(), 1000) << "the workers end at once";
    EXPECT_FALSE(panel().searching());
    ASSERT_FALSE(window->state.systemList.empty());
    EXPECT_TRUE(cover::covers(cover::playOf(window->state.forecast).space(), listedPoints(), 1));
}

TEST_F(GuaranteedTest, BadTimeLimitIsRefusedAndNothingStarts) {
    window->shell.Globalny1->trigger();
    enterStructure(3, 0);
    for (const char* text : {"0", "601", "", "1 5"}) {
        SCOPED_TRACE(text);
        panel().secondsEdit->setText(QString::fromLatin1(text));
        platform.expectMessage(
            QString::fromUtf8("Limit czasowy musi być liczbą całkowitą od 1 do 600 sekund."));
        clickButton(panel().computeButton);
        EXPECT_FALSE(panel().searching());
    }
}

// One three-way and one two-way position, every outcome alike: a single column "11..." hits 13
// with chance 1/6, 12 with 1/3 + 1/6 and 11 with 1/3.
TEST_F(GuaranteedTest, ChancesOfASmallSystemWorkedByHand) {
    window->shell.Globalny1->trigger();
    ForecastEntry entry{};
    entry.fill({100, 0});
    entry[0] = {34, 33};
    entry[1] = {50, 50};
    enterForecast(entry);
    clickButton(window->stage1.Button22);
    window->state.systemList = {"1111111111111"};
    window->gen.listModel->reload();
    window->Szanse1Click();
    const ChancesDialog& dialog = *window->chances;
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.guaranteeLabel->text(), QString::fromUtf8("Gwarancja systemu: 11 trafień"));
    // 34 % x 50 % for 13 hits; at least 12 adds 33 % x 50 % and 33 % x 50 % and 34 % x 50 %.
    EXPECT_EQ(dialog.chanceLabels[0]->text(), QStringLiteral("17.00\u00A0%"));
    EXPECT_EQ(dialog.chanceLabels[1]->text(), QStringLiteral("67.00\u00A0%"));
    EXPECT_EQ(dialog.chanceLabels[2]->text(), QStringLiteral("100.00\u00A0%"));
    EXPECT_EQ(dialog.chanceLabels[3]->text(), QStringLiteral("100.00\u00A0%"));
}

TEST_F(GuaranteedTest, ClosingTheWindowEndsARunningSearchAtOnce) {
    window->shell.Globalny1->trigger();
    enterStructure(9, 0);
    panel().secondsEdit->setText(QStringLiteral("600"));
    clickButton(panel().computeButton);
    QTest::qWait(100);
    ASSERT_TRUE(panel().searching());
    QElapsedTimer clock;
    clock.start();
    window.reset();
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(GuaranteedTest, ThirteenFavouritesGiveTheOneColumnAtOnce) {
    window->shell.Globalny1->trigger();
    enterStructure(0, 0);
    EXPECT_TRUE(panel().guarantees[0]->isChecked());
    EXPECT_EQ(panel().knownSizes[1]->text(), QStringLiteral("1 kolumna"));
    clickButton(panel().computeButton);
    ASSERT_TRUE(waitForSystem(2000));
    EXPECT_EQ(window->state.systemList, std::vector<std::string>{"1111111111111"});
}
