// Guaranteed systems in the window: the guarantee panel in place of Stage 2, its system in the
// generator screen's list, and the hit chances of any system built here.
#include <QAction>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <optional>

#include "model/cover/play.h"
#include "model/cover/verify.h"
#include "ui/TZuvoform.h"
#include "ui/background_task.h"
#include "ui/chances_dialog.h"
#include "ui/colors.h"
#include "ui/guarantee_panel.h"
#include "ui/list_models.h"
#include "ui/widget_utils.h"

namespace cover = zuvo::cover;

namespace {

// A long caption (conditions, a preferred system's chance) takes a smaller font rather than
// losing its last line under the list's header.
void fitCaption(QLabel* label) {
    QFont font = label->font();
    for (int size = ui::applicationFont().pointSize(); size >= 6; --size) {
        font.setPointSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, label->width(), 10000),
                                                             Qt::TextWordWrap, label->text());
        if (needed.height() <= label->height()) break;
    }
    label->setFont(font);
}

}  // namespace

void TZuvoform::buildGuarantee() {
    guarantee = new GuaranteePanel(platform, client);
    chances = new ChancesDialog(this);
    connect(guarantee, &GuaranteePanel::built, this, &TZuvoform::showGuaranteedSystem);
    connect(guarantee, &GuaranteePanel::backRequested, this, &TZuvoform::guaranteeBack);
    connect(guarantee, &GuaranteePanel::runningChanged, this, &TZuvoform::searchRunningChanged);
}

// A search is a running computation as a generator run is: no new system, no file opened or
// saved underneath it.
void TZuvoform::searchRunningChanged(bool running) {
    for (QAction* entry : {shell.Symulacja1, shell.Otworz1, shell.Globalny1, shell.Preferencyjny1})
        entry->setEnabled(!running);
    shell.Gwarancyjny1->menuAction()->setEnabled(!running);
    if (running) shell.Zapisz1->setEnabled(false);
    updateChancesEntry();
}

void TZuvoform::openGuaranteePanel() {
    stage1.Panel1->hide();
    guarantee->open(state.forecast, state.mode == zuvo::SystemMode::Preferred);
    applyStoredGuaranteeSetup();
}

// As Stage 2's "Wstecz": Stage 1 is open again with the forecast as it was.
void TZuvoform::guaranteeBack() {
    guarantee->dismiss();
    stage1.Panel1->show();
    stage1.Button22->setEnabled(true);
    for (QPushButton* button : stage1.positionButtons) button->setEnabled(true);
    stage1.GroupBox1->show();
}

// The system enters the generator screen's list as a generated one does: the result check,
// saving and printing take it unchanged. There is nothing to generate, so "Dalej" stays off.
void TZuvoform::showGuaranteedSystem() {
    GeneratorArea& g = gen;
    state.systemList = guarantee->takeColumns();
    g.listModel->reload();
    clearGeneratorStatus(g);
    const int count = static_cast<int>(state.systemList.size());
    g.Label35->setText(QString::number(count));
    g.ProgressBar1->setMaximum(std::max(count, 1));
    g.ProgressBar1->setValue(count);
    g.Label105->hide();
    listConditions = guarantee->result().conditions;
    guaranteeCaption->setText(guarantee->result().caption);
    fitCaption(guaranteeCaption);
    guaranteeCaption->show();
    guarantee->hide();
    stage1.GroupBox1->hide();
    g.GroupBox2->show();
    g.GroupBox2->raise();
    // The print panel stands beside the list as after a generator run; "Wydruk" opens it.
    print.Panel31->show();
    print.Panel31->raise();
    print.Panel52->hide();
    print.Panel32->hide();
    for (QPushButton* button :
         {print.Button30, print.Button25, print.Button32, print.Button26, print.Button29})
        button->setEnabled(false);
    g.Button20->setEnabled(false);
    for (QPushButton* button : {g.Button19, g.Button33, g.Button24, g.Button23})
        button->setEnabled(true);
    g.Edit1->setEnabled(true);
    state.listGenerated = true;
    state.resultsUnsaved = true;
    shell.Zapisz1->setEnabled(true);
    updateChancesEntry();
}

void TZuvoform::updateChancesEntry() {
    QAction* entry = shell.Szanse1;
    if (entry == nullptr) return;
    const bool built =
        !state.systemList.empty() && state.listGenerated && !state.run.generatorRunning;
    entry->setEnabled(built);
    entry->setToolTip(state.listGenerated || state.systemList.empty()
                          ? QString()
                          : QStringLiteral("Plik systemu nie zawiera prognozy: szanse liczy się "
                                           "dla systemu zbudowanego w programie."));
}

void TZuvoform::Szanse1Click() {
    const cover::Play play = cover::playOf(state.forecast);
    // Only a guaranteed system carries conditions; a simulated list never does.
    const cover::Conditions conditions =
        state.mode == zuvo::SystemMode::Simulation ? cover::Conditions{} : listConditions;
    // Up to 1,594,323 columns and as many combinations: worked out on a worker thread.
    const std::string* foreign = nullptr;
    cover::HitChances result;
    const bool done = runWhileAnswering(
        this, QStringLiteral("Szanse trafień"), QStringLiteral("Liczę szanse trafień ..."),
        [&](std::stop_token stop) {
            cover::System points;
            points.reserve(state.systemList.size());
            for (const std::string& column : state.systemList) {
                const std::optional<cover::Point> point = play.point(column);
                if (!point) {
                    foreign = &column;
                    return;
                }
                points.push_back(*point);
            }
            if (stop.stop_requested()) return;
            result = cover::hitChances(play, points, cover::Filter(play, conditions));
        });
    if (!done) return;
    if (foreign != nullptr) {
        platform.message(this,
                         QStringLiteral("Kolumna \"%1\" gra wynik, którego prognoza z Etapu 1 "
                                        "nie przewiduje: szans nie da się policzyć.")
                             .arg(QString::fromLatin1(foreign->c_str())));
        return;
    }
    chances->showChances(result, state.systemList.size(), play.space().size(), conditions);
    chances->open();
}
