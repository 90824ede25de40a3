// Leaving the program (the farewell and the close query) and the help topics.
#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/TZuvoform.h"
#include "ui/guarantee_panel.h"

namespace {

const QString kGeneratorQuestion = QStringLiteral(
    "Generator jest obecnie w trakcie obliczeń ! Czy rzeczywiście chcesz skończyć ?");
const QString kSaveQuestion =
    QStringLiteral("Czy chciałbyś przed zamknięciem zapisać rozwiązania ?");
const QString kExitQuestion = QStringLiteral("Chcesz już skończyć ?");
const QString kSearchQuestion =
    QStringLiteral("Trwa szukanie systemu gwarancyjnego ! Czy rzeczywiście chcesz skończyć ?");

// Asks before a running generator is abandoned; on Yes it stops.
bool stopRunningGenerator(TZuvoform& w) {
    if (!w.platform.question(&w, kGeneratorQuestion, QuestionKind::Warning)) return false;
    w.Timer1->stop();
    w.Timer2->stop();
    return true;
}

}  // namespace

void TZuvoform::Wyjcie1Click() {
    if (state.run.generatorRunning) {
        if (stopRunningGenerator(*this)) runFarewell(false);
        return;
    }
    if (guarantee->searching()) {
        if (!platform.question(this, kSearchQuestion, QuestionKind::Warning)) return;
        // What the search found so far enters the list and is offered for saving.
        guarantee->stopForExit();
        if (offerSave(kSaveQuestion) != SaveOffer::Failed) runFarewell(true);
        return;
    }
    // After No the list stays unsaved and is offered again at the next attempt.
    if (offerSave(kSaveQuestion) == SaveOffer::Failed) return;
    if (platform.question(this, kExitQuestion, QuestionKind::Confirmation)) runFarewell(true);
}

void TZuvoform::runFarewell(bool withStage2Steps) {
    state.secondsCounter = 0;
    // The player has already said goodbye: a close request now is not asked about again.
    state.askOnClose = false;
    guarantee->cancel();
    for (QWidget* area :
         {static_cast<QWidget*>(stage1.GroupBox1), static_cast<QWidget*>(gen.GroupBox2),
          static_cast<QWidget*>(stage1.Panel1), static_cast<QWidget*>(stage2.Panel2),
          static_cast<QWidget*>(stage3.Panel3), static_cast<QWidget*>(print.Panel31),
          static_cast<QWidget*>(print.Panel32), static_cast<QWidget*>(print.Panel52),
          static_cast<QWidget*>(analysis.Panel41), static_cast<QWidget*>(shell.Label91),
          static_cast<QWidget*>(shell.Label92), static_cast<QWidget*>(shell.Button27),
          static_cast<QWidget*>(shell.Button28)})
        area->hide();
    if (withStage2Steps) {
        Timer5->stop();
        state.hintTick = 0;
        stage2.Label95->hide();
        stage2.Label18->hide();
    }
    shell.Label116->show();
    shell.Label117->show();
    // No input any more; the captions keep their colours (their palette is the same when
    // disabled).
    setEnabled(false);
    updateForecastEntries();
    Timer7->start();
}

void TZuvoform::Timer7Timer() {
    ++state.secondsCounter;
    if (state.secondsCounter < 4) return;
    Timer7->stop();
    state.askOnClose = false;
    close();
}

void TZuvoform::FormCloseQuery(bool& canClose) {
    if (!state.askOnClose) {
        canClose = true;
        return;
    }
    if (state.run.generatorRunning) {
        canClose = stopRunningGenerator(*this);
        return;
    }
    if (guarantee->searching()) {
        canClose = platform.question(this, kSearchQuestion, QuestionKind::Warning);
        if (!canClose) return;
        guarantee->stopForExit();
        canClose = offerSave(kSaveQuestion) != SaveOffer::Failed;
        return;
    }
    // Once the save question was asked the window closes whatever the answer, unless the
    // chosen file could not be written.
    switch (offerSave(kSaveQuestion)) {
        case SaveOffer::Yes:
        case SaveOffer::No:
            canClose = true;
            return;
        case SaveOffer::Failed:
            canClose = false;
            return;
        case SaveOffer::NotAsked:
            break;
    }
    canClose = platform.question(this, kExitQuestion, QuestionKind::Confirmation);
}

void TZuvoform::Opissystemu1Click() {
    platform.showHelp(this, startFile(QStringLiteral("TEMATY POMOCY.HLP")));
}
