// "Wyjście" with its farewell, and the close query of the window.
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/window_fixture.h"

namespace {

const QString kGeneratorQuestion = QStringLiteral(
    "Generator jest obecnie w trakcie obliczeń ! Czy rzeczywiście chcesz skończyć ?");
const QString kExitQuestion = QStringLiteral("Chcesz już skończyć ?");

}  // namespace

class ExitTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        finishIntro();
    }
    void giveGeneratedList() {
        window->state.systemList = {"1111111111111", "1021021021021"};
        window->state.resultsUnsaved = true;
    }
    // A run in progress; the timers get long periods so that no step runs during the test.
    void startRun() {
        window->state.run.generatorRunning = true;
        window->Timer1->start(100000);
        window->Timer2->start(100000);
    }
    void exitFromMenu() { window->shell.Wyjcie1->trigger(); }
    void expectFarewell() {
        EXPECT_TRUE(window->shell.Label116->isVisible());
        EXPECT_TRUE(window->shell.Label117->isVisible());
        EXPECT_FALSE(window->isEnabled());
        EXPECT_TRUE(window->Timer7->isActive());
        EXPECT_EQ(window->state.secondsCounter, 0);
    }
    void expectNoFarewell() {
        EXPECT_FALSE(window->shell.Label116->isVisible());
        EXPECT_TRUE(window->isEnabled());
        EXPECT_FALSE(window->Timer7->isActive());
        EXPECT_TRUE(window->isVisible());
    }
};

TEST_F(ExitTest, FarewellStandsFourSecondsThenClosesWithoutAQuestion) {
    openStage1();
    window->Timer5->start();
    platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, true);
    exitFromMenu();
    expectFarewell();
    EXPECT_FALSE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(window->stage1.Panel1->isVisible());
    EXPECT_FALSE(window->Timer5->isActive());

    for (int i = 0; i < 3; ++i) window->Timer7Timer();
    EXPECT_TRUE(window->isVisible());
    window->Timer7Timer();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->state.askOnClose);
    EXPECT_FALSE(window->Timer7->isActive());
}

TEST_F(ExitTest, NoToFinishingKeepsTheProgramGoing) {
    platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, false);
    exitFromMenu();
    expectNoFarewell();
}

TEST_F(ExitTest, ARunningGeneratorIsLeftRunningAfterNo) {
    giveGeneratedList();
    startRun();
    platform.expectQuestion(kGeneratorQuestion, QuestionKind::Warning, false);
    exitFromMenu();
    EXPECT_TRUE(window->Timer1->isActive());
    EXPECT_TRUE(window->Timer2->isActive());
    expectNoFarewell();
}

TEST_F(ExitTest, ARunningGeneratorIsStoppedAfterYesWithoutTheStageTwoSteps) {
    giveGeneratedList();
    startRun();
    window->gen.GroupBox2->show();
    window->Timer5->start();
    platform.expectQuestion(kGeneratorQuestion, QuestionKind::Warning, true);
    exitFromMenu();  // neither the save question nor "Chcesz już skończyć ?"
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_TRUE(window->Timer5->isActive());
    EXPECT_FALSE(window->gen.GroupBox2->isVisible());
    expectFarewell();
}

using CloseQueryTest = ExitTest;

// The player has already said goodbye: a title-bar close during the farewell asks nothing.
class CloseDuringFarewellTest : public ExitTest, public ::testing::WithParamInterface<bool> {};

TEST_P(CloseDuringFarewellTest, ClosesWithoutAQuestion) {
    giveGeneratedList();
    if (GetParam()) {
        startRun();
        platform.expectQuestion(kGeneratorQuestion, QuestionKind::Warning, true);
    } else {
        platform.expectQuestion(
            QStringLiteral("Czy chciałbyś przed zamknięciem zapisać rozwiązania ?"),
            QuestionKind::Confirmation, false);
        platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, true);
    }
    exitFromMenu();
    expectFarewell();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(GeneratorRunning, CloseDuringFarewellTest, ::testing::Bool());

TEST_F(CloseQueryTest, NothingUnsavedAsksWhetherToFinish) {
    platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, false);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, true);
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CloseQueryTest, ARunningGeneratorIsGuarded) {
    giveGeneratedList();
    startRun();
    platform.expectQuestion(kGeneratorQuestion, QuestionKind::Warning, false);
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->Timer2->isActive());
    platform.expectQuestion(kGeneratorQuestion, QuestionKind::Warning, true);
    EXPECT_TRUE(window->close());  // no save question after Yes
    EXPECT_FALSE(window->Timer1->isActive());
    EXPECT_FALSE(window->Timer2->isActive());
}

using CloseDuringIntroTest = WindowTest;

TEST_F(CloseDuringIntroTest, OnlyTheExitQuestionIsAsked) {
    ASSERT_TRUE(window->Timer3->isActive());
    platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, true);
    EXPECT_TRUE(window->close());
}
