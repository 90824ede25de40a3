// The save prompt before a list is discarded, as each command that runs it answers it.
#include <QAction>
#include <QFile>
#include <QGroupBox>

#include "ui/window_fixture.h"

namespace {

enum class Caller { Open, NewSystem, Exit, Close };
enum class Answer { No, YesSaved, YesCancelled, YesFailed };

struct PromptCase {
    Caller caller;
    Answer answer;
    bool unsavedAfter;
};

std::ostream& operator<<(std::ostream& out, const PromptCase& c) {
    return out << "caller " << static_cast<int>(c.caller) << " answer "
               << static_cast<int>(c.answer);
}

const QString kSaveQuestion = QStringLiteral("Zapisać rozwiązania ?");
const QString kCloseSaveQuestion =
    QStringLiteral("Czy chciałbyś przed zamknięciem zapisać rozwiązania ?");
const QString kExitQuestion = QStringLiteral("Chcesz już skończyć ?");

}  // namespace

class SavePromptTest : public WindowTest, public ::testing::WithParamInterface<PromptCase> {};

TEST_P(SavePromptTest, FollowsTheRuleOfItsCommand) {
    const PromptCase c = GetParam();
    finishIntro();
    window->state.systemList = {"1111111111111", "1021021021021"};
    window->state.resultsUnsaved = true;

    const bool closing = c.caller == Caller::Exit || c.caller == Caller::Close;
    platform.expectQuestion(closing ? kCloseSaveQuestion : kSaveQuestion,
                            QuestionKind::Confirmation, c.answer != Answer::No);
    const QString saved = startPath(QStringLiteral("zapis.txt"));
    if (c.answer == Answer::YesSaved) platform.expectSaveDialog(saved);
    if (c.answer == Answer::YesCancelled) platform.expectSaveDialog(QString());
    if (c.answer == Answer::YesFailed) {
        platform.anyMessage = true;
        platform.expectSaveDialog(startPath(QStringLiteral("brak/zapis.txt")));
    }
    // Nothing is discarded without a successful save or an explicit No.
    const bool goesOn = c.answer != Answer::YesFailed;

    switch (c.caller) {
        case Caller::Open:
            if (goesOn) platform.expectOpenDialog(QString());
            window->shell.Otworz1->trigger();
            break;
        case Caller::NewSystem:
            window->shell.Symulacja1->trigger();
            EXPECT_EQ(window->stage1.GroupBox1->isVisible(), goesOn);
            EXPECT_EQ(window->state.systemList.empty(), goesOn);
            break;
        case Caller::Exit:
            if (goesOn) platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, false);
            window->shell.Wyjcie1->trigger();
            break;
        case Caller::Close:
            // Once asked, the window closes whatever the answer; no exit question follows.
            EXPECT_EQ(window->close(), goesOn);
            break;
    }
    EXPECT_EQ(window->state.resultsUnsaved, c.unsavedAfter);
    EXPECT_EQ(platform.messages.size(), c.answer == Answer::YesFailed ? 1u : 0u);
    EXPECT_EQ(QFile(saved).size(), c.answer == Answer::YesSaved ? 30 : 0);
    if (c.caller != Caller::NewSystem) {
        EXPECT_EQ(window->state.systemList.size(), 2u);
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, SavePromptTest,
                         ::testing::Values(PromptCase{Caller::Open, Answer::No, false},
                                           PromptCase{Caller::Open, Answer::YesSaved, false},
                                           PromptCase{Caller::Open, Answer::YesCancelled, false},
                                           PromptCase{Caller::Open, Answer::YesFailed, true},
                                           PromptCase{Caller::NewSystem, Answer::No, false},
                                           PromptCase{Caller::NewSystem, Answer::YesSaved, false},
                                           PromptCase{Caller::NewSystem, Answer::YesCancelled,
                                                      false},
                                           PromptCase{Caller::NewSystem, Answer::YesFailed, true},
                                           PromptCase{Caller::Exit, Answer::No, true},
                                           PromptCase{Caller::Exit, Answer::YesSaved, false},
                                           PromptCase{Caller::Exit, Answer::YesCancelled, false},
                                           PromptCase{Caller::Exit, Answer::YesFailed, true},
                                           PromptCase{Caller::Close, Answer::No, true},
                                           PromptCase{Caller::Close, Answer::YesSaved, false},
                                           PromptCase{Caller::Close, Answer::YesCancelled, false},
                                           PromptCase{Caller::Close, Answer::YesFailed, true}));

using EmptyListPromptTest = WindowTest;

TEST_F(EmptyListPromptTest, AnUnsavedButEmptyListIsNeverOffered) {
    finishIntro();
    window->state.resultsUnsaved = true;
    platform.expectOpenDialog(QString());
    window->shell.Otworz1->trigger();
    platform.expectQuestion(kExitQuestion, QuestionKind::Confirmation, false);
    window->shell.Wyjcie1->trigger();
    window->shell.Symulacja1->trigger();
    EXPECT_EQ(platform.questions.size(), 1u);
}
