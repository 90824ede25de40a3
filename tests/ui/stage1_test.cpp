// Stage 1 through its controls: selecting positions by focus, the two bars and "Dalej".
#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "ui/widgets/needle_gauge.h"
#include "window_fixture.h"

namespace {

const QString kInitialCaption =
    QString::fromUtf8("Ustal  procentowy  rozkład  prawdopodobieństwa   -  ");
const QString kShortCaption =
    QString::fromUtf8("Ustal  procentowy  rozkład  prawdopodobieństwa  -  ");

struct Shown {
    int bar1, bar2, bar2Max, g1, g0, g2;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << "bars " << s.bar1 << "/" << s.bar2 << " (max " << s.bar2Max << ") gauges " << s.g1
              << "/" << s.g0 << "/" << s.g2;
}

// Where the style draws a part of a bar.
QRect subControl(QScrollBar* bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, part, bar);
}

void clickBarArrow(QScrollBar* bar, QStyle::SubControl arrow) {
    QTest::mouseClick(bar, Qt::LeftButton, {}, subControl(bar, arrow).center());
}

}  // namespace

class Stage1Test : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        openStage1();
    }

    Shown shown() const {
        const Stage1Area& s = window->stage1;
        return {s.ScrollBar1->value(), s.ScrollBar2->value(), s.ScrollBar2->maximum(),
                s.Gauge1->value(),     s.Gauge2->value(),     s.Gauge3->value()};
    }
    // Queued bar rules run once the event loop gets control, as after a user's click.
    static void settle() { QApplication::processEvents(); }

    // A bar action as the user's arrow or page click triggers it.
    static void act(QScrollBar* bar, QAbstractSlider::SliderAction action, int times = 1) {
        for (int i = 0; i < times; ++i) {
            bar->triggerAction(action);
            settle();
        }
    }
};

// "Dalej" of Stage 1: refusals and acceptance.
class Stage1DalejTest : public Stage1Test {
  protected:
    // `certainCount` positions at 100 / 0 / 0, the rest three-way.
    static ForecastEntry withCertain(int certainCount) {
        ForecastEntry entry = uniformForecast();
        for (int k = 0; k < certainCount; ++k) entry[k] = {100, 0};
        return entry;
    }
};

TEST_F(Stage1Test, ShowsThePositionsAndTheEditorAtTheirStartValues) {
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_TRUE(window->stage1.Panel1->isVisible());
    EXPECT_EQ(window->stage1.positionButtons[0]->text(), QStringLiteral("Pozycja  1"));
    EXPECT_EQ(window->stage1.positionButtons[8]->text(), QStringLiteral("Pozycja  9"));
    EXPECT_EQ(window->stage1.positionButtons[9]->text(), QStringLiteral("Pozycja 10"));
    EXPECT_EQ(window->stage1.positionButtons[12]->text(), QStringLiteral("Pozycja 13"));
    EXPECT_EQ(window->stage1.Label2->text(), kInitialCaption);
    EXPECT_EQ(shown(), (Shown{100, 0, 100, 100, 0, 0}));
    for (QLineEdit* edit : window->stage1.percentEdits) {
        EXPECT_TRUE(edit->text().isEmpty());
        EXPECT_TRUE(edit->isReadOnly());
        EXPECT_EQ(edit->maxLength(), 3);
    }
    EXPECT_EQ(find<QLineEdit>("Edit40"), window->stage1.percentEdits[38]);
    // The bars never take the focus away from the selected position.
    EXPECT_EQ(window->stage1.ScrollBar1->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(window->stage1.ScrollBar2->focusPolicy(), Qt::NoFocus);
}

TEST_F(Stage1Test, PositionLeftUntouchedIsStoredAsCertainOnOne) {
    selectPosition(4);
    selectPosition(5);
    EXPECT_EQ(positionTexts(4), (std::array<QString, 3>{"100", "  0", "  0"}));
    const zuvo::PositionForecast& p = window->state.forecast[3];
    EXPECT_EQ(std::tie(p.p1, p.p0, p.p2, p.certain), std::make_tuple(100, 0, 0, 1));
    EXPECT_EQ(window->state.visited[3], 1);
    EXPECT_EQ(window->state.visited[4], 1);
    EXPECT_EQ(window->state.visited[5], 0);
}

TEST_F(Stage1Test, BarRulesFollowTheUsersActionsOnly) {
    QScrollBar* bar1 = window->stage1.ScrollBar1;
    QScrollBar* bar2 = window->stage1.ScrollBar2;
    selectPosition(1);
    act(bar1, QAbstractSlider::SliderPageStepSub, 11);  // 100 -> 45
    EXPECT_EQ(shown(), (Shown{45, 55, 100, 45, 55, 0}));
    act(bar2, QAbstractSlider::SliderPageStepSub, 4);  // 55 -> 35
    EXPECT_EQ(shown(), (Shown{45, 35, 55, 45, 35, 20}));
    // Bar 1 gives the whole remainder to outcome 0; setting bar 2 must not split it again.
    act(bar1, QAbstractSlider::SliderPageStepAdd);  // 45 -> 50
    EXPECT_EQ(shown(), (Shown{50, 50, 100, 50, 50, 0}));

    selectPosition(2);
    EXPECT_EQ(positionTexts(1), (std::array<QString, 3>{" 50", " 50", "  0"}));
    EXPECT_EQ(window->state.forecast[0].certain, 0);
}

TEST_F(Stage1Test, ArrowClickMovesByOneAndDragAppliesOnRelease) {
    QScrollBar* bar1 = window->stage1.ScrollBar1;
    selectPosition(1);
    clickBarArrow(bar1, QStyle::SC_ScrollBarSubLine);
    settle();
    EXPECT_EQ(shown(), (Shown{99, 1, 100, 99, 1, 0}));

    bar1->setSliderDown(true);
    bar1->setSliderPosition(70);
    settle();
    EXPECT_EQ(window->stage1.Gauge1->value(), 99) << "the rule waits for the release";
    bar1->setSliderDown(false);
    settle();
    EXPECT_EQ(shown(), (Shown{70, 30, 100, 70, 30, 0}));
}

TEST_F(Stage1Test, AClickThatMovesNothingKeepsTheSplit) {
    QScrollBar* bar1 = window->stage1.ScrollBar1;
    selectPosition(1);
    setBars(0, 40);
    ASSERT_EQ(shown(), (Shown{0, 40, 100, 0, 40, 60}));
    clickBarArrow(bar1, QStyle::SC_ScrollBarSubLine);  // already at 0
    settle();
    EXPECT_EQ(shown(), (Shown{0, 40, 100, 0, 40, 60}));

    setBars(45, 35);
    const QRect handle = subControl(bar1, QStyle::SC_ScrollBarSlider);
    QTest::mousePress(bar1, Qt::LeftButton, {}, handle.center());
    QTest::mouseRelease(bar1, Qt::LeftButton, {}, handle.center());
    settle();
    EXPECT_EQ(shown(), (Shown{45, 35, 55, 45, 35, 20}));
}

TEST_F(Stage1Test, BarTwoHasNoRoomWhenBarOneIsFull) {
    selectPosition(1);
    act(window->stage1.ScrollBar2, QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(shown(), (Shown{100, 0, 0, 100, 0, 0}));
}

TEST_F(Stage1Test, ReselectionLoadsTheStoredTexts) {
    selectPosition(3);
    setBars(45, 35);
    selectPosition(7);
    setBars(80, 5);
    EXPECT_EQ(positionTexts(3), (std::array<QString, 3>{" 45", " 35", " 20"}));
    selectPosition(3);
    EXPECT_EQ(shown(), (Shown{45, 35, 55, 45, 35, 20}));
    EXPECT_EQ(positionTexts(7), (std::array<QString, 3>{" 80", "  5", " 15"}));
    // A fresh position starts from 100 / 0 / 0 again.
    selectPosition(9);
    EXPECT_EQ(shown(), (Shown{100, 0, 100, 100, 0, 0}));
}

TEST_F(Stage1Test, CaptionLineHoldsOneCaptionAndSelectionIsSilver) {
    QLabel* caption = window->stage1.Label2;
    selectPosition(1);
    EXPECT_EQ(caption->text(), kInitialCaption + QStringLiteral("Pozycja  1"));
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(ui::backgroundColor(window->stage1.percentEdits[c]), ui::kSilver);
    selectPosition(12);
    EXPECT_EQ(caption->text(), kShortCaption + QStringLiteral("Pozycja 12"));
    EXPECT_EQ(ui::backgroundColor(window->stage1.percentEdits[0]), ui::kWindow);
    EXPECT_EQ(ui::backgroundColor(window->stage1.percentEdits[33]), ui::kSilver);
    selectPosition(1);
    EXPECT_EQ(caption->text(), kShortCaption + QStringLiteral("Pozycja  1"));
}

TEST_F(Stage1Test, TabWalksThePositionsInOrder) {
    selectPosition(9);
    setBars(60, 30);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window->stage1.positionButtons[9]);
    EXPECT_EQ(positionTexts(9), (std::array<QString, 3>{" 60", " 30", " 10"}));
    EXPECT_EQ(window->stage1.Label2->text(), kShortCaption + QStringLiteral("Pozycja 10"));
}

TEST_F(Stage1Test, MenuPopupNeitherStoresNorSelectsAgain) {
    selectPosition(2);
    setBars(40, 40);
    QMenu menu(window.get());
    menu.addAction(QStringLiteral("Nowy"));
    menu.popup(window->mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu.isVisible());
    EXPECT_TRUE(positionTexts(2)[0].isEmpty()) << "a menu does not leave the position";
    menu.close();
    QTRY_COMPARE(QApplication::focusWidget(), window->stage1.positionButtons[1]);
    EXPECT_EQ(window->stage1.Label2->text(), kInitialCaption + QStringLiteral("Pozycja  2"));
    EXPECT_EQ(shown(), (Shown{40, 40, 60, 40, 40, 20}));
    selectPosition(3);
    EXPECT_EQ(positionTexts(2), (std::array<QString, 3>{" 40", " 40", " 20"}));
}

TEST_F(Stage1Test, AnotherWindowNeitherStoresNorSelectsAgain) {
    selectPosition(5);
    setBars(30, 30);
    QWidget other;
    other.setGeometry(0, 0, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    EXPECT_TRUE(positionTexts(5)[0].isEmpty());
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), window->stage1.positionButtons[4]);
    EXPECT_EQ(window->stage1.Label2->text(), kInitialCaption + QStringLiteral("Pozycja  5"));
    EXPECT_EQ(shown(), (Shown{30, 30, 70, 30, 30, 40}));
}

TEST_F(Stage1Test, ActivatingTheWindowOnAPositionSelectsNothingUntilItIsClicked) {
    QWidget other;
    other.setGeometry(0, 0, 100, 100);
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    if (QWidget* focus = window->focusWidget()) focus->clearFocus();
    // Qt hands the focus of a window activated without a focus widget to its first control.
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    const auto& buttons = window->stage1.positionButtons;
    QPushButton* focused = qobject_cast<QPushButton*>(QApplication::focusWidget());
    const auto it = std::find(buttons.begin(), buttons.end(), focused);
    ASSERT_NE(it, buttons.end()) << "the activation must land on a position for this check";
    const int k = static_cast<int>(it - buttons.begin()) + 1;
    EXPECT_EQ(window->stage1.Label2->text(), kInitialCaption);
    EXPECT_EQ(window->state.visited[k - 1], 0);

    // The focused button gains no focus on a click, yet the click selects it.
    clickButton(focused);
    EXPECT_EQ(window->stage1.Label2->text(), kInitialCaption + focused->text());
    EXPECT_EQ(window->state.visited[k - 1], 1);
    setBars(20, 30);
    selectPosition(k == 13 ? 1 : k + 1);
    EXPECT_EQ(positionTexts(k), (std::array<QString, 3>{" 20", " 30", " 50"}));
}

TEST_F(Stage1Test, NewSystemFromTheMenuLeavesTheFocusedPositionUnvisited) {
    selectPosition(2);
    setBars(40, 40);
    QMenu menu(window.get());
    menu.addAction(QStringLiteral("Symulacyjny"));
    menu.popup(window->mapToGlobal(QPoint(20, 20)));
    QTRY_VERIFY(menu.isVisible());
    window->Symulacja1Click();
    menu.close();
    QTRY_COMPARE(QApplication::focusWidget(), window->stage1.positionButtons[1]);
    EXPECT_EQ(window->state.visited[1], 0) << "the returning focus is no selection";
    selectPosition(3);
    EXPECT_TRUE(positionTexts(2)[0].isEmpty());
    EXPECT_EQ(window->stage1.Label2->text(), kShortCaption + QStringLiteral("Pozycja  3"));
}

TEST_F(Stage1Test, ShiftTabFromDalejSelectsTheLastPosition) {
    selectPosition(12);
    setBars(20, 20);
    window->stage1.Button22->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->stage1.Button22, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(window->state.selectedPosition, 13);
    EXPECT_EQ(window->stage1.Label2->text(), kShortCaption + QStringLiteral("Pozycja 13"));
}

// A message box takes the window's activation; without a window manager the window gets it back
// only with the player's next click, and that click must still select the position.
TEST_F(Stage1DalejTest, AClickAfterARefusalSelectsThePositionInAnInactiveWindow) {
    const ForecastEntry entry = exampleForecast();
    for (int k = 1; k <= 12; ++k) {
        selectPosition(k);
        if (k <= 6) setBars(entry[k - 1].p1, entry[k - 1].p0);
    }
    QWidget box;
    box.setGeometry(0, 0, 100, 100);
    platform.whileMessageShown = [&box] {
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    };
    platform.expectMessage(
        QString::fromUtf8("Niektóre, lub wszystkie pozycje zostały pominięte. Przejście do Etapu "
                          "2  - nie jest możliwe !!!"));
    clickButton(window->stage1.Button22);
    platform.whileMessageShown = nullptr;
    ASSERT_FALSE(window->isActiveWindow());

    selectPosition(13);
    EXPECT_EQ(window->stage1.Label2->text(), kShortCaption + QStringLiteral("Pozycja 13"));
    setBars(entry[12].p1, entry[12].p0);
    clickButton(window->stage1.Button22);
    EXPECT_TRUE(window->stage2.Panel2->isVisible());
    EXPECT_EQ(positionTexts(13), (std::array<QString, 3>{" 50", " 50", "  0"}));
}

// When the focused control is hidden by a new system, Qt hands the focus on as if by Tab; the
// first position gets it, yet the player chose nothing.
TEST_F(Stage1DalejTest, FocusHandedOnByANewSystemSelectsNothing) {
    const std::vector<std::pair<const char*, std::function<void()>>> focusedPlaces{
        {"a Stage-2 template box",
         [&] {
             goToStage2(uniformForecast());
             clickButton(window->stage2.templateBoxes[0]);
         }},
        {"Extra after Analiza",
         [&] {
             goToStage2(exampleForecast());
             clickButton(window->stage2.Button36);
             clickButton(window->stage2.Button16);
         }},
        {"Stage-3 Wstecz",
         [&] {
             goToStage3(uniformForecast());
             clickButton(window->stage3.Button17);
         }},
    };
    for (const auto& [place, focus] : focusedPlaces) {
        SCOPED_TRACE(place);
        window->Symulacja1Click();
        focus();
        window->Symulacja1Click();
        EXPECT_EQ(window->state.selectedPosition, 0);
        EXPECT_EQ(window->state.visited[0], 0);
        EXPECT_FALSE(window->stage1.Label2->text().contains(QStringLiteral("Pozycja")));
    }
    // Positions 2 to 13 entered: position 1 is still skipped.
    for (int k = 2; k <= 13; ++k) selectPosition(k);
    platform.expectMessage(
        QString::fromUtf8("Niektóre, lub wszystkie pozycje zostały pominięte. Przejście do Etapu "
                          "2  - nie jest możliwe !!!"));
    clickButton(window->stage1.Button22);
}

TEST_F(Stage1Test, GaugesClampTheirValues) {
    TNeedleGauge* gauge = window->stage1.Gauge2;
    gauge->setValue(140);
    EXPECT_EQ(gauge->value(), 100);
    gauge->setValue(-3);
    EXPECT_EQ(gauge->value(), 0);
}

TEST_F(Stage1DalejTest, SkippedPositionIsRefused) {
    ForecastEntry entry = withCertain(8);
    for (int k = 1; k <= 13; ++k) {
        if (k == 11) continue;
        selectPosition(k);
        setBars(entry[k - 1].p1, entry[k - 1].p0);
    }
    platform.expectMessage(
        QString::fromUtf8("Niektóre, lub wszystkie pozycje zostały pominięte. Przejście do Etapu "
                          "2  - nie jest możliwe !!!"));
    clickButton(window->stage1.Button22);
    EXPECT_TRUE(window->stage1.Button22->isEnabled());
    EXPECT_TRUE(window->stage1.positionButtons[0]->isEnabled());
    EXPECT_FALSE(window->stage2.Panel2->isVisible());
    EXPECT_TRUE(window->stage1.Panel1->isVisible());
    EXPECT_FALSE(window->Timer5->isActive());
}

TEST_F(Stage1DalejTest, TooManyCertainPositionsAreRefused) {
    const QString sevenOrEight = QString::fromUtf8(
        "Z %1 faworytami nie ma potrzeby przeprowadzania żadnych obliczeń . Zagraj systemem "
        "pełnym lub gwarantowanym skróconym ");
    const QString nineToEleven = QString::fromUtf8(
        "Przy %1 pewniakach nie potrzebujesz żadnych obliczeń. Zagraj systemem pełnym - "
        "trzynastka murowana !");
    const QString twelveOrMore = QString::fromUtf8(
        "Tak dużej pewności siebie nie spotyka się nawet u zawodowego gracza . Podaj "
        "rozsądniejsze dane abym mógł zaproponować Ci coś naprawdę wyjątkowego !");
    enterForecast(withCertain(13));
    // Turn certain positions into three-way ones from the last, one "Dalej" per count.
    for (int n = 13; n >= 7; --n) {
        SCOPED_TRACE(n);
        const QString expected = n >= 12  ? twelveOrMore
                                 : n >= 9 ? nineToEleven.arg(n)
                                          : sevenOrEight.arg(n);
        platform.expectMessage(expected);
        clickButton(window->stage1.Button22);
        ASSERT_TRUE(window->stage1.Button22->isEnabled());
        selectPosition(n);
        setBars(34, 33);
    }
    clickButton(window->stage1.Button22);  // six certain positions pass
    EXPECT_FALSE(window->stage1.Button22->isEnabled());
    EXPECT_TRUE(window->stage2.Panel2->isVisible());
}

TEST_F(Stage1DalejTest, AcceptanceStoresTheFocusedPositionAndLocksStage1) {
    enterForecast(exampleForecast());
    // Position 13 still has the focus: "Dalej" must store it before the check.
    EXPECT_TRUE(positionTexts(13)[0].isEmpty());
    clickButton(window->stage1.Button22);
    EXPECT_EQ(positionTexts(13), (std::array<QString, 3>{" 50", " 50", "  0"}));
    EXPECT_EQ(window->state.forecast[12].p0, 50);
    for (QPushButton* button : window->stage1.positionButtons) EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(window->stage1.Button22->isEnabled());
    EXPECT_FALSE(window->stage1.Panel1->isVisible());
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_TRUE(window->stage2.Panel2->isVisible());
    EXPECT_TRUE(window->Timer5->isActive());
    EXPECT_EQ(window->state.combinationCount, 2 * 531441);
}

TEST_F(Stage1DalejTest, DalejWithoutAFocusChangeStillStoresTheSelectedPosition) {
    enterForecast(exampleForecast());
    selectPosition(2);
    setBars(10, 80);
    // A keyboard shortcut presses the button without moving the focus.
    window->stage1.Button22->click();
    EXPECT_EQ(positionTexts(2), (std::array<QString, 3>{" 10", " 80", " 10"}));
    EXPECT_EQ(window->state.forecast[1].p2, 10);
    EXPECT_TRUE(window->stage2.Panel2->isVisible());
    EXPECT_EQ(window->state.selectedPosition, 0);
}
