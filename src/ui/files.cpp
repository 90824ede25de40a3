// The system text file: saving, opening, and the save prompt before a list is discarded.
#include <QAction>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "io/system_file.h"
#include "ui/TZuvoform.h"
#include "ui/background_task.h"
#include "ui/colors.h"
#include "ui/guarantee_panel.h"
#include "ui/list_models.h"
#include "ui/widget_utils.h"

namespace {

const QString kSaveFilter = QStringLiteral("Plik textowy(*.txt)");
const QString kOpenFilter = QStringLiteral("Pliki textowe(*.txt)");
const QString kSuffix = QStringLiteral("txt");

// The generator screen with the list read from a file: only the result check and printing are
// left to do.
void showOpenedSystem(TZuvoform& w) {
    GeneratorArea& g = w.gen;
    PrintArea& p = w.print;

    g.listModel->reload();
    g.GroupBox2->show();
    g.Label105->show();
    w.guaranteeCaption->hide();
    w.guarantee->dismiss();
    g.Label35->setText(QString::number(w.state.systemList.size()));

    p.Panel31->show();
    p.Panel31->raise();
    p.Panel52->hide();
    p.Panel32->hide();

    g.Button24->setEnabled(true);
    for (QPushButton* button : {g.Button20, g.Button33, g.Button19, p.Button29, p.Button26,
                                p.Button32, p.Button25, p.Button30})
        button->setEnabled(false);

    w.stage1.GroupBox1->hide();
    w.stage1.Panel1->hide();
    w.stage2.Panel2->hide();
    w.stage3.Panel3->hide();
    w.analysis.Panel41->hide();
    w.Timer5->stop();
    w.state.hintTick = 0;
    w.stage2.Label95->hide();
    w.stage2.Label18->hide();
    w.shell.Label91->hide();
    w.shell.Label92->hide();
    w.shell.Button27->hide();
    w.shell.Button28->hide();

    // The result check starts afresh.
    g.Button23->setEnabled(true);
    g.Edit1->setEnabled(true);
    clearGeneratorStatus(g);

    w.shell.Wyjcie1->setEnabled(true);
}

// Reads on a worker thread so that the window keeps answering; "Anuluj" keeps the list as it
// was. False with an empty `error` when the player cancelled.
bool readWhileAnswering(QWidget* parent, const QString& fileName, zuvo::SystemList& list,
                        QString& error) {
    bool read = false;
    const bool finished = runWhileAnswering(
        parent, QStringLiteral("Otwórz"),
        QStringLiteral("Wczytywanie systemu z pliku \"%1\" ...")
            .arg(QDir::toNativeSeparators(fileName)),
        [&](std::stop_token stop) { read = zuvo::readSystemFile(fileName, list, error, stop); });
    if (!finished) error.clear();
    return finished && read;
}

}  // namespace

bool TZuvoform::saveThroughDialog() {
    const QString fileName = platform.saveFileName(this, kSaveFilter, kSuffix);
    if (fileName.isEmpty()) return true;  // cancelled: nothing to write
    QString error;
    if (!zuvo::writeSystemFile(fileName, state.systemList, error)) {
        platform.message(this, error);
        return false;
    }
    return true;
}

void TZuvoform::saveSystem() {
    if (state.systemList.empty()) {
        platform.message(this, QStringLiteral("Co chcesz zapisywać ? Lista jest pusta ! "));
        return;
    }
    // A cancelled dialog counts as declined; a failed write leaves the list unsaved.
    if (saveThroughDialog()) state.resultsUnsaved = false;
}

void TZuvoform::Zapisz1Click() {
    saveSystem();
}
void TZuvoform::Button33Click() {
    saveSystem();
}

SaveOffer TZuvoform::offerSave(const QString& question) {
    if (!state.resultsUnsaved || state.systemList.empty()) return SaveOffer::NotAsked;
    if (!platform.question(this, question, QuestionKind::Confirmation)) return SaveOffer::No;
    if (!saveThroughDialog()) return SaveOffer::Failed;
    // Yes clears the flag for every caller, also after a cancelled dialog.
    state.resultsUnsaved = false;
    return SaveOffer::Yes;
}

void TZuvoform::Otworz1Click() {
    const SaveOffer offer = offerSave(QStringLiteral("Zapisać rozwiązania ?"));
    if (offer == SaveOffer::Failed) return;
    if (offer != SaveOffer::NotAsked) state.resultsUnsaved = false;

    const QString fileName = platform.openFileName(this, kOpenFilter, kSuffix);
    if (fileName.isEmpty()) return;
    // Read into a list of its own: a file that cannot be read leaves the current one shown.
    zuvo::SystemList list;
    QString error;
    if (!readWhileAnswering(this, fileName, list, error)) {
        if (!error.isEmpty()) platform.message(this, error);
        return;
    }
    state.systemList = std::move(list);
    showOpenedSystem(*this);
    state.listGenerated = false;
    state.resultsUnsaved = false;
    updateChancesEntry();
    updateForecastEntries();  // the forecast on hand is not this list's
}
