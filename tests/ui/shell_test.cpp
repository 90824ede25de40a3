// Start-up, window placement, the intro and the help entry.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>

#include "ui/window_fixture.h"
#include "ui/window_placement.h"

TEST(WindowPlacement, CentresTheWindowWhenTheScreenHasRoom) {
    const WindowOrigin origin = placeWindow(1024, 768, 735, 571);
    EXPECT_EQ(origin.left, 144);  // 289 / 2 rounded down
    EXPECT_EQ(origin.top, 98);    // 197 / 2 rounded down
}

TEST(WindowPlacement, ANarrowScreenPutsTheWindowAtTheLeftEdge) {
    EXPECT_EQ(placeWindow(700, 768, 735, 571).left, 0);
    EXPECT_EQ(placeWindow(735, 768, 735, 571).left, 0);
    EXPECT_EQ(placeWindow(737, 768, 735, 571).left, 1);
}

TEST(WindowPlacement, LessThanThirtyOneSparePixelsPutTheWindowAtTheTop) {
    EXPECT_EQ(placeWindow(1024, 600, 735, 570).top, 0);   // 30 spare
    EXPECT_EQ(placeWindow(1024, 601, 735, 570).top, 15);  // 31 spare
    EXPECT_EQ(placeWindow(1024, 500, 735, 570).top, 0);   // screen lower than the window
}

using ShellStartTest = WindowTest;

TEST_F(ShellStartTest, StartsWithTheIntroAndOnlyHelpToChoose) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zuvo 2001"));
    EXPECT_EQ(window->client->size(), QSize(729, 526));
    for (QAction* entry :
         {window->shell.Symulacja1, window->shell.Globalny1, window->shell.Preferencyjny1,
          window->shell.Otworz1, window->shell.Zapisz1, window->shell.Wyjcie1})
        EXPECT_FALSE(entry->isEnabled()) << entry->text().toStdString();
    EXPECT_TRUE(window->shell.Opissystemu1->isEnabled());
    // The fixture's start directory holds no pictures: the program starts without them.
    EXPECT_TRUE(window->shell.Image4->pixmap().isNull());
    EXPECT_EQ(QString::fromStdString(window->state.startDirectory), startDir.path());
    EXPECT_TRUE(window->Timer3->isActive());
    EXPECT_EQ(window->Timer3->interval(), 200);
    for (QLabel* letter : window->shell.introLetters) EXPECT_FALSE(letter->isVisible());
    for (QWidget* w : {static_cast<QWidget*>(window->shell.Label91),
                       static_cast<QWidget*>(window->shell.Label92),
                       static_cast<QWidget*>(window->shell.Button27),
                       static_cast<QWidget*>(window->shell.Label116),
                       static_cast<QWidget*>(window->shell.Label117)})
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

// A wrong period changes what the player sees: a time limit counting twice as fast, a farewell
// cut short. Only the intro timer runs at start.
TEST_F(ShellStartTest, EveryTimerHasItsPeriodAndOnlyTheIntroRuns) {
    const struct {
        const char* name;
        QTimer* timer;
        int period;
    } timers[] = {{"Timer1", window->Timer1, 1000}, {"Timer2", window->Timer2, 1},
                  {"Timer3", window->Timer3, 200},  {"Timer4", window->Timer4, 1},
                  {"Timer5", window->Timer5, 1000}, {"Timer6", window->Timer6, 1000},
                  {"Timer7", window->Timer7, 1000}, {"Timer8", window->Timer8, 1000}};
    for (const auto& t : timers) {
        SCOPED_TRACE(t.name);
        EXPECT_EQ(window->findChild<QTimer*>(QString::fromLatin1(t.name)), t.timer);
        EXPECT_EQ(t.timer->interval(), t.period);
        EXPECT_EQ(t.timer->isActive(), t.timer == window->Timer3);
    }
    // A coarse timer would deliver the 1-ms generator steps in bursts of several milliseconds.
    EXPECT_EQ(window->Timer2->timerType(), Qt::PreciseTimer);
}

TEST_F(ShellStartTest, LoadsBothPicturesFromTheStartDirectory) {
    QImage background(804, 536, QImage::Format_RGB32);
    background.fill(Qt::darkGreen);
    ASSERT_TRUE(background.save(startPath(QStringLiteral("Lab.bmp")), "BMP"));
    QImage generator(176, 144, QImage::Format_RGB32);
    generator.fill(Qt::blue);
    ASSERT_TRUE(generator.save(startPath(QStringLiteral("Dravik.bmp")), "BMP"));

    TZuvoform second(platform);
    EXPECT_EQ(second.shell.Image4->pixmap().size(), QSize(804, 536));
    ASSERT_NE(second.gen.Image3, nullptr);
    EXPECT_EQ(second.gen.Image3->pixmap().size(), QSize(176, 144));
}

TEST_F(ShellStartTest, HelpShowsTheTopicsOfTheHelpFile) {
    window->shell.Opissystemu1->trigger();
    ASSERT_EQ(platform.helpFiles.size(), 1u);
    EXPECT_EQ(platform.helpFiles[0], startPath(QStringLiteral("TEMATY POMOCY.HLP")));
}

using IntroTest = WindowTest;

TEST_F(IntroTest, LettersSpellThePhraseAndStandApart) {
    QString phrase;
    for (QLabel* letter : window->shell.introLetters) phrase += letter->text();
    EXPECT_EQ(phrase, QStringLiteral("SYSTEMZKTÓRYMOSIĄGNIESZCEL!"));
    EXPECT_TRUE(window->shell.introLetters[27]->text().isEmpty());
    EXPECT_EQ(window->shell.introLetters[27]->objectName(), QStringLiteral("Label88"));
    for (int i = 0; i < 6; ++i) {
        const QRect r = window->shell.introLetters[static_cast<size_t>(i)]->geometry();
        EXPECT_EQ(r.topLeft(), QPoint(52 + 28 * i, 32 + 8 * i)) << i;
    }
    for (size_t i = 6; i < 28; ++i) EXPECT_EQ(window->shell.introLetters[i]->y(), 56);
    const QRect clientRect(QPoint(0, 0), window->client->size());
    for (size_t i = 0; i < 28; ++i) {
        const QRect r = window->shell.introLetters[i]->geometry();
        EXPECT_TRUE(clientRect.contains(r)) << i;
        for (size_t j = i + 1; j < 28; ++j)
            EXPECT_FALSE(r.intersects(window->shell.introLetters[j]->geometry())) << i << " " << j;
    }
}

TEST_F(IntroTest, LettersAppearOneByOneWithABeep) {
    const auto& letters = window->shell.introLetters;
    for (int step = 1; step <= 27; ++step) {
        window->Timer3Timer();
        EXPECT_EQ(platform.beeps, step);
        EXPECT_TRUE(letters[static_cast<size_t>(step - 1)]->isVisible()) << step;
        EXPECT_FALSE(letters[static_cast<size_t>(step)]->isVisible()) << step;
    }
    EXPECT_FALSE(window->shell.Label91->isVisible());
    window->Timer3Timer();  // the empty 28th letter only beeps
    EXPECT_EQ(platform.beeps, 28);
    EXPECT_TRUE(window->shell.Label91->isVisible());
    EXPECT_FALSE(window->shell.Label92->isVisible());
    EXPECT_FALSE(window->Timer3->isActive());
    EXPECT_TRUE(window->Timer4->isActive());
    EXPECT_EQ(window->state.introStep, -5);
}

TEST_F(IntroTest, LettersVanishAfterAPauseAndTheSloganComesAtTwelve) {
    for (int i = 0; i < 28; ++i) window->Timer3Timer();
    const auto& letters = window->shell.introLetters;
    for (int i = 0; i < 5; ++i) window->Timer4Timer();  // the pause
    EXPECT_TRUE(letters[0]->isVisible());
    for (int step = 1; step <= 11; ++step) {
        window->Timer4Timer();
        EXPECT_FALSE(letters[static_cast<size_t>(step - 1)]->isVisible()) << step;
        EXPECT_TRUE(letters[static_cast<size_t>(step)]->isVisible()) << step;
    }
    EXPECT_FALSE(window->shell.Label92->isVisible());
    window->Timer4Timer();  // step 12
    EXPECT_TRUE(window->shell.Label92->isVisible());
    EXPECT_FALSE(window->shell.Button27->isVisible());
    EXPECT_FALSE(window->shell.Symulacja1->isEnabled());
}

TEST_F(IntroTest, TheEndShowsTheEntryButtonsAndEnablesTheMenu) {
    finishIntro();
    EXPECT_EQ(platform.beeps, 28);
    for (QLabel* letter : window->shell.introLetters) EXPECT_FALSE(letter->isVisible());
    EXPECT_TRUE(window->shell.Label91->isVisible());
    EXPECT_TRUE(window->shell.Label92->isVisible());
    EXPECT_TRUE(window->shell.Button27->isVisible());
    EXPECT_TRUE(window->shell.Button27->isEnabled());
    EXPECT_TRUE(window->shell.Button28->isVisible());
    EXPECT_TRUE(window->shell.Button28->isEnabled());
    for (QAction* entry :
         {window->shell.Symulacja1, window->shell.Globalny1, window->shell.Preferencyjny1,
          window->shell.Otworz1, window->shell.Wyjcie1})
        EXPECT_TRUE(entry->isEnabled()) << entry->text().toStdString();
    EXPECT_TRUE(window->shell.Gwarancyjny1->menuAction()->isEnabled());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());
}

TEST_F(IntroTest, SimulationButtonOpensStageOne) {
    openStage1();
    EXPECT_FALSE(window->shell.Label91->isVisible());
    EXPECT_FALSE(window->shell.Label92->isVisible());
    EXPECT_FALSE(window->shell.Button27->isVisible());
    EXPECT_FALSE(window->shell.Button28->isVisible());
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_TRUE(window->stage1.Panel1->isVisible());
    EXPECT_TRUE(window->shell.Wyjcie1->isEnabled());
}

TEST_F(IntroTest, CaptionsAndButtonsFitTheClientWithoutOverlapping) {
    const QRect clientRect(QPoint(0, 0), window->client->size());
    const std::vector<QWidget*> items = {window->shell.Label91, window->shell.Label92,
                                         window->shell.Button27, window->shell.Button28};
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_TRUE(clientRect.contains(items[i]->geometry()));
        for (size_t j = i + 1; j < items.size(); ++j)
            EXPECT_FALSE(items[i]->geometry().intersects(items[j]->geometry())) << i << " " << j;
    }
    for (QLabel* caption : {window->shell.Label91, window->shell.Label92, window->shell.Label116,
                            window->shell.Label117}) {
        EXPECT_TRUE(clientRect.contains(caption->geometry()));
        // The whole caption fits on its line.
        EXPECT_LE(caption->fontMetrics().horizontalAdvance(caption->text()), caption->width())
            << caption->objectName().toStdString();
    }
}

// A screen reader names a control by its accessible name: every control a player can operate
// needs one, the text a sighted player reads on it or beside it.
TEST_F(ShellStartTest, EveryControlHasAnAccessibleName) {
    QStringList unnamed;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        const bool operable =
            qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QAbstractSlider*>(control) || qobject_cast<QAbstractItemView*>(control);
        if (!operable || control->parentWidget() == nullptr) continue;
        // Qt's own parts (a list's scroll bars and headers, the menu bar's overflow arrow).
        if (control->objectName().startsWith(QStringLiteral("qt_")) ||
            control->parentWidget()->objectName().startsWith(QStringLiteral("qt_")) ||
            qobject_cast<QAbstractItemView*>(control->parentWidget()))
            continue;
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
        if (face == nullptr || face->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << control->objectName() + QLatin1Char('(') +
                           QString::fromLatin1(control->metaObject()->className()) +
                           QLatin1Char(')');
    }
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}
