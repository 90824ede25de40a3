// A guaranteed system as a player meets it: the entry button, printing it, what its caption and
// chances claim, and the commands that a running search holds back.
#include <QAction>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "print/coupon_layout.h"
#include "print/page_reader.h"
#include "ui/chances_dialog.h"
#include "ui/guarantee_steps.h"
#include "ui/print_window_fixture.h"
#include "ui/widget_utils.h"
#include "ui/widgets/hit_chart.h"

namespace {

const QString kSearchQuestion =
    QString::fromUtf8("Trwa szukanie systemu gwarancyjnego ! Czy rzeczywiście chcesz skończyć ?");
const QString kCloseSave =
    QString::fromUtf8("Czy chciałbyś przed zamknięciem zapisać rozwiązania ?");

class GuaranteeFlowTest : public PrintWindowTest {
  protected:
    GuaranteePanel& panel() const { return *window->guarantee; }
    void enterStructure(int three, int two) {
        enterForecast(structureEntry(three, two));
        clickButton(window->stage1.Button22);
        ASSERT_TRUE(panel().isVisible());
    }
    // A search that will not end by itself while the test looks at the window.
    void startLongSearch() {
        window->shell.Globalny1->trigger();
        enterStructure(9, 0);
        panel().secondsEdit->setText(QStringLiteral("600"));
        clickButton(panel().computeButton);
        ASSERT_TRUE(panel().searching());
    }
};

TEST_F(GuaranteeFlowTest, EntryButtonOffersBothModesOnceTheIntroEnded) {
    QPushButton* button = window->shell.Button28;
    EXPECT_TRUE(button->isVisible());
    EXPECT_TRUE(button->isEnabled());
    ASSERT_NE(button->menu(), nullptr);
    const QList<QAction*> entries = button->menu()->actions();
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0], window->shell.Globalny1);
    EXPECT_EQ(entries[1], window->shell.Preferencyjny1);
    entries[1]->trigger();
    EXPECT_EQ(window->state.mode, zuvo::SystemMode::Preferred);
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(button->isVisible());
}

TEST_F(GuaranteeFlowTest, GuaranteedSystemPrintsEveryFormAndReturnsToTheList) {
    window->shell.Globalny1->trigger();
    enterStructure(4, 0);
    clickButton(panel().computeButton);
    ASSERT_TRUE(waitForSystem(panel()));
    const std::vector<std::string> list = window->state.systemList;
    ASSERT_EQ(list.size(), 9u);
    ASSERT_TRUE(window->print.Panel31->isVisible());
    EXPECT_FALSE(window->print.Button26->isEnabled()) << "printing starts with Wydruk";

    clickButton(window->gen.Button24);
    EXPECT_EQ(window->print.Label59->text(), QStringLiteral("2"));
    clickButton(window->print.Button26);
    platform.expectMessage(QStringLiteral("Wydruk ostatniego kuponu !"));
    clickButton(window->print.Button26);
    ASSERT_EQ(platform.pages.size(), 2u);
    for (int place = 1; place <= 9; ++place) {
        const std::size_t form = place <= 8 ? 0 : 1;
        const int onForm = place <= 8 ? place : place - 8;
        EXPECT_EQ(pagereader::readPageColumn(platform.pages[form], *zuvo::couponLayout(0), onForm,
                                             kRectA),
                  list[static_cast<std::size_t>(place - 1)])
            << place;
    }

    clickButton(window->print.Button29);
    for (QPushButton* button : {window->gen.Button19, window->gen.Button33, window->gen.Button24})
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(window->gen.Button20->isEnabled());
    EXPECT_TRUE(window->shell.Zapisz1->isEnabled());
    EXPECT_TRUE(window->shell.Otworz1->isEnabled());
}

// 12 columns of 4 three-way and 2 two-way positions cannot give 12 hits everywhere: the caption
// says the chance and what every combination does get, never "12 z 13".
TEST_F(GuaranteeFlowTest, PreferredCaptionSaysWhatHoldsForEveryCombination) {
    window->shell.Preferencyjny1->trigger();
    enterStructure(4, 2);
    panel().budgetEdit->setText(QStringLiteral("12"));
    panel().secondsEdit->setText(QStringLiteral("1"));
    clickButton(panel().computeButton);
    ASSERT_TRUE(waitForSystem(panel()));
    const QString caption = window->guaranteeCaption->text();
    EXPECT_FALSE(caption.contains(QStringLiteral("12 z 13"))) << caption.toStdString();
    EXPECT_TRUE(caption.contains(QStringLiteral("co najmniej ") +
                                 ui::hitsText(bruteForceGuarantee(*window))))
        << caption.toStdString();
    EXPECT_TRUE(caption.contains(QChar(0x00A0) + QStringLiteral("%;")))
        << "the number keeps its unit";
}

TEST_F(GuaranteeFlowTest, PreferredShowsItsFirstSystemSoonAndKeepsTheBestOnInterrupt) {
    window->shell.Preferencyjny1->trigger();
    enterStructure(9, 0);
    panel().budgetEdit->setText(QStringLiteral("100"));
    panel().secondsEdit->setText(QStringLiteral("600"));
    clickButton(panel().computeButton);
    QElapsedTimer clock;
    clock.start();
    while (!panel().statusLabel->text().startsWith(QStringLiteral("Najlepsza")) &&
           clock.elapsed() < 5000) {
        QTest::qWait(20);
        panel().pollSearch();
    }
    EXPECT_LT(clock.elapsed(), 5000) << "progress from the first moments";
    clickButton(panel().stopButton);
    const std::size_t size = window->state.systemList.size();
    ASSERT_GT(size, 0u);
    EXPECT_LE(size, 100u);
    const QString caption = window->guaranteeCaption->text();
    EXPECT_TRUE(caption.contains(QString::fromUtf8("Szansa na co najmniej 12 trafień: ") +
                                 ui::percentWithUnit(bruteForceChance(*window, 12), 1)))
        << caption.toStdString();
}

TEST_F(GuaranteeFlowTest, BudgetOutsideTheSpaceIsRefused) {
    window->shell.Preferencyjny1->trigger();
    enterStructure(3, 0);  // 27 combinations
    for (const char* budget : {"0", "28"}) {
        panel().budgetEdit->setText(QString::fromLatin1(budget));
        platform.expectMessage(
            QString::fromUtf8("Liczba kolumn do zagrania musi być liczbą całkowitą od 1 do 27."));
        clickButton(panel().computeButton);
        EXPECT_FALSE(panel().searching()) << budget;
    }
}

TEST_F(GuaranteeFlowTest, RunningSearchHoldsBackWhatAGeneratorRunDoes) {
    startLongSearch();
    for (QAction* entry : {window->shell.Symulacja1, window->shell.Otworz1, window->shell.Globalny1,
                           window->shell.Preferencyjny1, window->shell.Zapisz1,
                           window->shell.Gwarancyjny1->menuAction()})
        EXPECT_FALSE(entry->isEnabled()) << entry->text().toStdString();
    EXPECT_TRUE(window->shell.Wyjcie1->isEnabled());
    clickButton(panel().stopButton);
    EXPECT_FALSE(window->state.systemList.empty());
    for (QAction* entry : {window->shell.Symulacja1, window->shell.Otworz1, window->shell.Globalny1,
                           window->shell.Zapisz1})
        EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();
}

TEST_F(GuaranteeFlowTest, ExitDuringASearchAsksThenOffersWhatWasFound) {
    startLongSearch();
    platform.expectQuestion(kSearchQuestion, QuestionKind::Warning, false);
    window->Wyjcie1Click();
    EXPECT_TRUE(panel().searching()) << "No leaves the search running";

    platform.expectQuestion(kSearchQuestion, QuestionKind::Warning, true);
    platform.expectQuestion(kCloseSave, QuestionKind::Confirmation, true);
    const QString file = startPath(QStringLiteral("found.txt"));
    platform.expectSaveDialog(file);
    window->Wyjcie1Click();
    EXPECT_FALSE(panel().searching());
    EXPECT_TRUE(window->shell.Label116->isVisible()) << "the farewell";
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.size(), static_cast<qint64>(15 * window->state.systemList.size()));
    EXPECT_GT(saved.size(), 0);
}

TEST_F(GuaranteeFlowTest, ClosingDuringASearchAsksAndStopsIt) {
    startLongSearch();
    platform.expectQuestion(kSearchQuestion, QuestionKind::Warning, false);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(panel().searching());
    platform.expectQuestion(kSearchQuestion, QuestionKind::Warning, true);
    platform.expectQuestion(kCloseSave, QuestionKind::Confirmation, false);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(panel().searching());
}

// A system that gives 12 hits on every played combination: its chances of at least 12 hits and
// fewer are certain even when the sum of the exact chances falls just short of 1.
TEST_F(GuaranteeFlowTest, CertainChanceReadsOneHundredWhateverTheSumSays) {
    zuvo::cover::HitChances chances;
    chances.guarantee = 12;
    chances.exactly[13] = 0.25;
    chances.exactly[12] = 0.75 - 1e-15;
    chances.atLeastChance.fill(1 - 1e-15);
    chances.atLeastChance[13] = 0.25;
    ChancesDialog dialog(window.get());
    dialog.showChances(chances, 9, 81);
    EXPECT_EQ(dialog.guaranteeLabel->text(), QStringLiteral("Gwarancja systemu: 12 trafień"));
    EXPECT_EQ(dialog.chanceLabels[0]->text(), QStringLiteral("25.00") + QChar(0x00A0) + '%');
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(dialog.chanceLabels[i]->text(), QStringLiteral("100.00") + QChar(0x00A0) + '%');
    chances.guarantee = 3;
    dialog.showChances(chances, 1, 81);
    EXPECT_EQ(dialog.guaranteeLabel->text(), QStringLiteral("Gwarancja systemu: 3 trafienia"));
}

TEST(WidgetTexts, PolishCountsAndCutPercentages) {
    const std::pair<int, const char*> hits[] = {
        {1, "1 trafienie"}, {3, "3 trafienia"},   {5, "5 trafień"}, {12, "12 trafień"},
        {13, "13 trafień"}, {22, "22 trafienia"}, {0, "0 trafień"}};
    for (const auto& [count, text] : hits) EXPECT_EQ(ui::hitsText(count), QString::fromUtf8(text));
    EXPECT_EQ(ui::columnsText(24), QStringLiteral("24 kolumny"));
    EXPECT_EQ(ui::percentText(0.3, 2), QStringLiteral("30.00")) << "no cut below a sum's error";
    EXPECT_EQ(ui::percentText(0.99996, 2), QStringLiteral("99.99"));
    EXPECT_EQ(ui::percentText(1 - 1e-15, 1), QStringLiteral("99.9")) << "only certainty is 100";
    EXPECT_EQ(ui::percentText(1.0, 1), QStringLiteral("100.0"));
}

// Fourteen bars in the dialog's chart leave about 27 pixels a bar: a value either fits whole or
// is left out, never cut to "1.0 %" for 21.05 %.
TEST_F(GuaranteeFlowTest, ChartLabelsAreWholeOrAbsent) {
    const QFontMetrics metrics(window->font());
    for (const double share : {0.2105, 0.0933, 1.0, 0.004}) {
        const QString full = ui::percentText(share, share >= 0.1 ? 1 : 2);
        for (int width = 4; width <= 60; width += 4) {
            const QString label = THitChart::fittingLabel(metrics, share, width);
            if (label.isEmpty()) continue;
            EXPECT_LE(metrics.horizontalAdvance(label), width);
            const QString digits = label.section(QChar(0x00A0), 0, 0);
            EXPECT_TRUE(full.startsWith(digits.section('.', 0, 0))) << label.toStdString();
        }
        EXPECT_EQ(THitChart::fittingLabel(metrics, share, 200),
                  ui::percentWithUnit(share, share >= 0.1 ? 1 : 2));
    }
}

}  // namespace
