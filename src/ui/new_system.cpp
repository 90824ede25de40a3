// A new system: whatever screen the program is on, it returns to an empty Stage 1.
#include <QAction>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>

#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/guarantee_panel.h"
#include "ui/list_models.h"
#include "ui/widget_utils.h"
#include "ui/widgets/needle_gauge.h"
#include "ui/widgets/up_down.h"

namespace {

void resetModel(zuvo::ProgramState& s) {
    s.secondsCounter = 0;
    s.run.generatorRunning = false;
    s.resultsUnsaved = false;
    s.listGenerated = true;
    zuvo::resetForecast(s.forecast, s.visited);
    s.chosenTemplates = {};
    s.settings.maskChosen = {};
    s.settings.solutionCount = 0;
    s.run.timeLeft = 0;
    s.settings.solutionType = 1;
    s.run.stepReady = true;
    s.hintTick = 0;
    // No position is selected any more, so the editor starts from its rest state.
    s.selectedPosition = 0;
    s.editor = zuvo::PositionEditor{};
    s.guaranteeSetup.reset();
    s.guaranteePanelOpened = false;
}

void resetStage1(TZuvoform& w) {
    Stage1Area& a = w.stage1;
    a.GroupBox1->setEnabled(true);
    a.GroupBox1->show();
    a.Button22->setEnabled(true);
    for (QPushButton* button : a.positionButtons) button->setEnabled(true);
    for (QLineEdit* edit : a.percentEdits) edit->clear();
    a.Panel1->show();
    {
        // The bars only show the editor's rest state; no position may take it over.
        const QSignalBlocker block1(a.ScrollBar1);
        const QSignalBlocker block2(a.ScrollBar2);
        a.ScrollBar1->setValue(100);
        a.ScrollBar2->setMaximum(100);
        a.ScrollBar2->setValue(0);
    }
    a.Gauge1->setValue(100);
    a.Gauge2->setValue(0);
    a.Gauge3->setValue(0);
}

void resetStage2And3(TZuvoform& w) {
    Stage2Area& s2 = w.stage2;
    s2.Panel2->setEnabled(true);
    s2.Panel2->hide();
    s2.Button14->setEnabled(true);
    s2.Button15->setEnabled(true);
    s2.Button16->setEnabled(true);

    Stage3Area& s3 = w.stage3;
    s3.Panel3->hide();
    s3.typeItems[1]->setChecked(true);
    for (QCheckBox* box : s3.maskBoxes) box->setChecked(false);
    // "Dowolna" as if the user chose it: spinners 20 and 70, boxes empty, range panel disabled
    // and back in its idle colours.
    w.RadioButton1Click();
    s3.Button17->setEnabled(true);
    s3.Button18->setEnabled(true);

    s2.Label13->hide();
    s2.Label94->show();
}

void resetGeneratorAndPrint(TZuvoform& w) {
    GeneratorArea& g = w.gen;
    PrintArea& p = w.print;
    p.Panel32->hide();
    g.GroupBox2->hide();
    for (QPushButton* button : {g.Button20, g.Button33, g.Button24, g.Button19, g.Button23})
        button->setEnabled(true);

    p.Panel31->hide();
    p.Label59->clear();
    p.Label60->clear();
    for (QPushButton* button : {p.Button30, p.Button25, p.Button26}) button->setEnabled(true);
    p.Button32->setEnabled(false);
    p.Button29->setEnabled(false);

    w.Timer5->stop();
    w.stage2.Label95->hide();
    w.stage2.Label18->hide();
    w.stage2.Label9->setText(QStringLiteral("Faworytów : "));
    w.stage2.Label10->setText(QStringLiteral("Pozycji dwudrogowych : "));
    w.stage2.Label11->setText(QStringLiteral("Pozycji trzydrogowych : "));
    w.stage2.Label12->setText(QStringLiteral("Możliwych kombinacji : "));

    w.state.run.generatorRunning = false;
    g.Label35->clear();
    clearGeneratorStatus(g);
    w.state.systemList.clear();
    g.listModel->reload();
}

}  // namespace

void TZuvoform::Symulacja1Click() {
    newSystem(zuvo::SystemMode::Simulation);
}

// "Symulacyjny", "Globalny" and "Preferencyjny" all start from an empty Stage 1; the mode only
// decides what follows Stage 1.
bool TZuvoform::newSystem(zuvo::SystemMode mode) {
    // 1. A list that could not be saved is not thrown away.
    if (offerSave(QStringLiteral("Zapisać rozwiązania ?")) == SaveOffer::Failed) return false;
    state.resultsUnsaved = false;

    // 2.
    shell.Label91->hide();
    shell.Label92->hide();
    shell.Otworz1->setEnabled(false);
    shell.Button27->hide();
    shell.Button28->hide();
    shell.Wyjcie1->setEnabled(true);

    // A position still selected in Stage 1 gives up its highlight and caption; what it held is
    // cleared with the rest just below.
    if (state.selectedPosition != 0) storePosition(state.selectedPosition);

    // 3-11.
    resetModel(state);
    state.mode = mode;
    guarantee->dismiss();
    guaranteeCaption->hide();
    resetStage1(*this);
    resetStage2And3(*this);
    resetGeneratorAndPrint(*this);

    // 12.
    shell.Symulacja1->setEnabled(true);
    shell.Gwarancyjny1->setEnabled(true);
    shell.Otworz1->setEnabled(true);
    shell.Zapisz1->setEnabled(false);
    updateChancesEntry();

    // 13.
    print.Panel52->hide();
    gen.Label105->show();

    // 14. The suggestions stay: they count again only after the next analysis.
    analysis.Panel41->hide();
    stage2.Button36->setEnabled(true);
    state.analysisDone = false;
    analysis.Label402->hide();
    analysis.Label118->hide();
    updateForecastEntries();
    return true;
}
