// The generator screen: the generated list, the run's status, the step and time-limit timers,
// and the way back to the data-entry stages.
#include <QAction>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "model/generator.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/event_hook.h"
#include "ui/guarantee_panel.h"
#include "ui/list_models.h"
#include "ui/widget_utils.h"
#include "ui/widgets/system_list_view.h"

namespace {

constexpr int kVisibleRows = 8;  // one coupon form
constexpr int kListX = 10;
constexpr int kListY = 76;
constexpr int kWantedRowHeight = 30;

void setEnabledIf(QAction* action, bool enabled) {
    if (action) action->setEnabled(enabled);
}

void enableNewAndOpen(TZuvoform& w, bool enabled) {
    setEnabledIf(w.shell.Symulacja1, enabled);
    if (w.shell.Gwarancyjny1) w.shell.Gwarancyjny1->menuAction()->setEnabled(enabled);
    setEnabledIf(w.shell.Otworz1, enabled);
}

void paintBarsFace(TZuvoform& w) {
    for (QFrame* bar : w.gen.indicatorBars) ui::setBackgroundColor(bar, ui::kFace);
    w.gen.barParity = -1;
}

// The activity bars flicker between two colour sets with the lowest bit of the first draw.
void prepareBarLooks(GeneratorArea& g) {
    static const QColor even[6] = {ui::kLime, ui::kAqua,   ui::kBlue,
                                   ui::kRed,  ui::kYellow, ui::kFuchsia};
    static const QColor odd[6] = {ui::kBlue, ui::kFuchsia, ui::kYellow,
                                  ui::kAqua, ui::kRed,     ui::kLime};
    for (int i = 0; i < 6; ++i) {
        for (int parity = 0; parity < 2; ++parity) {
            QPalette look = g.indicatorBars[i]->palette();
            const QColor& colour = parity == 0 ? even[i] : odd[i];
            for (QPalette::ColorRole role : {QPalette::Window, QPalette::Base, QPalette::Button})
                look.setColor(role, colour);
            g.barLooks[parity][i] = look;
        }
    }
}

// At a thousand ticks a second the bars change only when the parity does, from ready palettes.
void paintBarsForDraw(TZuvoform& w, int32_t firstDraw) {
    GeneratorArea& g = w.gen;
    const int parity = (firstDraw & 1) != 0 ? 1 : 0;
    if (parity == g.barParity) return;
    for (int i = 0; i < 6; ++i) g.indicatorBars[i]->setPalette(g.barLooks[parity][i]);
    g.barParity = parity;
}

// Brings the list box up to the system list; the generator only ever appends.
void showNewColumns(TZuvoform& w) {
    w.gen.listModel->appended();
    const int size = static_cast<int>(w.state.systemList.size());
    w.gen.Label35->setText(QString::number(size));
    w.gen.ProgressBar1->setValue(size);
}

void buildList(TZuvoform& w, QGroupBox* screen) {
    auto* list = new TSystemListView(screen);
    list->setObjectName(QStringLiteral("ListBox1"));
    list->setAccessibleName(QStringLiteral("Kolumny systemu"));
    w.gen.listModel = new SystemListModel(w.state.systemList, list);
    list->setModel(w.gen.listModel);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::TypeWriter);
    mono.setFixedPitch(true);
    mono.setPixelSize(28);
    list->setFont(mono);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    const QFontMetrics metrics(mono);
    const int advance = metrics.horizontalAdvance(QLatin1Char('0'));
    const int frame = list->frameWidth();
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int scrollBar = list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
    const int width = 2 * frame + 2 * margin + 13 * advance + scrollBar + 4;
    const int height = kVisibleRows * kWantedRowHeight + 2 * frame;
    list->setGeometry(kListX, kListY, width, height);
    // Row height from the box's height, so that exactly one coupon form is visible.
    const int row = height / kVisibleRows;
    list->setRowHeight(row);
    w.gen.ListBox1 = list;

    // Position numbers over the 13 characters.
    QFont headerFont = screen->font();
    headerFont.setPixelSize(10);
    const int textX = kListX + frame + margin;
    for (int p = 0; p < 13; ++p) {
        const QByteArray name = "ListHeader" + QByteArray::number(p + 1);
        QLabel* number =
            ui::makeLabel(screen, name.constData(), QString::number(p + 1),
                          QRect(textX + p * advance - 4, kListY - 16, advance + 8, 15));
        number->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        number->setFont(headerFont);
        ui::setTextColor(number, ui::kNavy);
    }
    // Seven thin bars between the eight rows; they let the mouse through to the list.
    const int barWidth = width - 2 * frame - scrollBar;
    for (int k = 1; k < kVisibleRows; ++k) {
        const QByteArray name = "ListSeparator" + QByteArray::number(k);
        QFrame* bar =
            ui::makePanel(screen, name.constData(),
                          QRect(kListX + frame, kListY + frame + k * row - 1, barWidth, 2));
        bar->setFrameShape(QFrame::NoFrame);
        ui::setBackgroundColor(bar, ui::kTeal);
        bar->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
}

void buildStatus(TZuvoform& w, QGroupBox* screen, const QRect& geometry) {
    auto* status = new QGroupBox(QStringLiteral("Aktualny stan"), screen);
    status->setObjectName(QStringLiteral("GroupBoxStatus"));
    status->setGeometry(geometry);
    GeneratorArea& g = w.gen;
    ui::makeLabel(status, "StatusCountCaption", QStringLiteral("Wygenerowano"),
                  QRect(10, 20, 104, 18));
    g.Label35 = ui::makeLabel(status, "Label35", QString(), QRect(118, 20, 86, 18));
    ui::setTextColor(g.Label35, ui::kNavy);
    g.ProgressBar1 = new QProgressBar(status);
    g.ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    g.ProgressBar1->setGeometry(10, 40, 194, 14);
    g.ProgressBar1->setTextVisible(false);
    g.ProgressBar1->setRange(0, 1);
    g.ProgressBar1->setValue(0);
    ui::makeLabel(status, "StatusTimeCaption", QStringLiteral("Pozostało czasu "),
                  QRect(10, 60, 104, 18));
    g.Label37 = ui::makeLabel(status, "Label37", QString(), QRect(114, 60, 94, 18));
    ui::setTextColor(g.Label37, ui::kNavy);
    g.Panel29 = ui::makePanel(status, "Panel29", QRect(10, 80, 194, 8));
    ui::setBackgroundColor(g.Panel29, ui::kFace);
    g.Label39 = ui::makeLabel(status, "Label39", QString(), QRect(10, 92, 194, 18));
    ui::setTextColor(g.Label39, ui::kMaroon);
}

}  // namespace

void TZuvoform::buildGeneratorScreen() {
    GeneratorArea& g = gen;
    g.GroupBox2 = new QGroupBox(QStringLiteral("Generator systemu "), client);
    g.GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    g.GroupBox2->setGeometry(0, 0, kClientWidth, kClientHeight);
    ui::setBackgroundColor(g.GroupBox2, ui::kFace);
    // Lists and entry fields in the window colour, as entry controls are everywhere.
    QPalette entries = g.GroupBox2->palette();
    entries.setColor(QPalette::Base, ui::kWindow);
    g.GroupBox2->setPalette(entries);
    QGroupBox* screen = g.GroupBox2;

    g.Label105 = ui::makeLabel(
        screen, "Label105",
        QStringLiteral("Uwaga !!   W czasie działania  generatora  należy zachować szczególną "
                       "ostrożność . W ciągu sekundy dokonywanych jest ok.60 mln. operacji "
                       "obliczeniowych. Proszę odsunąć się od monitora !"),
        QRect(10, 16, 464, 42));
    g.Label105->setWordWrap(true);
    ui::setTextColor(g.Label105, ui::kMaroon);
    // A guaranteed system is not generated: in the warning's place stands what was built.
    guaranteeCaption = ui::makeLabel(screen, "GuaranteeCaption", QString(), QRect(10, 16, 464, 42));
    guaranteeCaption->setWordWrap(true);
    QFont captionFont = guaranteeCaption->font();
    captionFont.setBold(true);
    guaranteeCaption->setFont(captionFont);
    ui::setTextColor(guaranteeCaption, ui::kNavy);
    guaranteeCaption->hide();

    buildList(*this, screen);
    const int listRight = g.ListBox1->geometry().right();

    // The picture and the video panel share one 176 x 144 rectangle.
    const QRect pictureRect(listRight + 1 + (484 - listRight - 176) / 2, 62, 176, 144);
    g.Image3 = ui::makeLabel(screen, "Image3", QString(), pictureRect);
    g.Image3->setAlignment(Qt::AlignCenter);
    g.Panel4 = ui::makePanel(screen, "Panel4", pictureRect);
    ui::setBackgroundColor(g.Panel4, Qt::black);
    g.Panel4->hide();

    buildStatus(*this, screen, QRect(listRight + 8, 210, 476 - listRight - 8, 114));

    const int barsY = g.ListBox1->geometry().bottom() + 4;
    for (int i = 0; i < 6; ++i) {
        const QByteArray name = "Panel" + QByteArray::number(23 + i);
        g.indicatorBars[i] =
            ui::makePanel(screen, name.constData(), QRect(kListX + i * 42, barsY, 38, 10));
    }
    paintBarsFace(*this);
    prepareBarLooks(g);

    const int buttonsY = barsY + 14;
    g.Button20 = ui::makeButton(screen, "Button20", QStringLiteral("Dalej"),
                                QRect(10, buttonsY, 110, 26), QStringLiteral("Początek obliczeń"));
    g.Button19 =
        ui::makeButton(screen, "Button19", QStringLiteral("Wstecz"), QRect(128, buttonsY, 110, 26),
                       QStringLiteral("Powrót do Etapu edycji danych"));
    g.Button33 =
        ui::makeButton(screen, "Button33", QStringLiteral("Zapisz"), QRect(246, buttonsY, 110, 26));
    g.Button24 =
        ui::makeButton(screen, "Button24", QStringLiteral("Wydruk"), QRect(364, buttonsY, 110, 26));

    buildResultCheck(*this, screen, QRect(10, buttonsY + 30, 464, kClientHeight - buttonsY - 34));

    connect(g.Button20, &QPushButton::clicked, this, &TZuvoform::Button20Click);
    connect(g.Button19, &QPushButton::clicked, this, &TZuvoform::Button19Click);
    connect(g.Button33, &QPushButton::clicked, this, &TZuvoform::Button33Click);
    new ui::EventHook(g.Button20, [this](QEvent* event) {
        if (event->type() == QEvent::FocusIn) Button20Enter();
        return false;
    });
    connect(g.ListBox1, &TSystemListView::rowChosen, this, &TZuvoform::ListBox1Click);
    connect(g.ListBox1, &QAbstractItemView::pressed, this, &TZuvoform::ListBox1Click);

    g.GroupBox2->hide();
}

void TZuvoform::Button20Enter() {
    gen.Label35->clear();
}

void TZuvoform::Button20Click() {
    zuvo::GeneratorRun& run = state.run;
    run.generatorRunning = true;
    state.systemList.clear();
    gen.listModel->reload();
    enableNewAndOpen(*this, false);
    setEnabledIf(shell.Zapisz1, false);
    gen.Button20->setEnabled(false);
    gen.Button23->setEnabled(false);
    gen.Edit1->setEnabled(false);
    gen.Label35->setText(QStringLiteral("0"));
    updateChancesEntry();
    ui::setBackgroundColor(gen.Panel29, ui::kTeal);
    gen.barParity = -1;  // other screens may have put the face colour back meanwhile
    run.remainingColumns = state.settings.solutionCount;
    run.timeLeft = state.settings.timeLimit;
    run.stepReady = true;
    gen.ProgressBar1->setMaximum(std::max(state.settings.solutionCount, 1));
    gen.ProgressBar1->setValue(0);
    Timer1->start();
    Timer2->start();
}

void TZuvoform::Timer1Timer() {
    zuvo::GeneratorRun& run = state.run;
    --run.timeLeft;
    gen.Label37->setText(QString::number(run.timeLeft) + QStringLiteral(" sek."));
    if (run.timeLeft <= 0) {
        gen.Label37->setText(QStringLiteral("Czas minął !!!"));
        ui::setBackgroundColor(gen.Panel29, ui::kRed);
        Timer1->stop();
    }
}

void TZuvoform::Timer2Timer() {
    zuvo::GeneratorRun& run = state.run;
    zuvo::drawNumbers(state.random, platform.utcMillisecondsOfDay(), run.draws);
    if (!run.stepReady) return;
    paintBarsForDraw(*this, run.draws[0]);
    const zuvo::StepContext context{state.forecast, state.chosenTemplates, state.settings};
    switch (zuvo::generatorStep(run, context, state.systemList)) {
        case zuvo::StepOutcome::Finished:
            finishRun();
            break;
        case zuvo::StepOutcome::Appended:
            showNewColumns(*this);
            break;
        case zuvo::StepOutcome::Rejected:
            break;
    }
}

void TZuvoform::finishRun() {
    Timer2->stop();
    Timer1->stop();
    gen.Button23->setEnabled(true);
    gen.Edit1->setEnabled(true);
    gen.Button33->setEnabled(true);
    gen.Button24->setEnabled(true);
    state.run.generatorRunning = false;
    state.resultsUnsaved = true;
    paintBarsFace(*this);
    setEnabledIf(shell.Zapisz1, true);
    enableNewAndOpen(*this, true);
    updateChancesEntry();
}

void TZuvoform::Button19Click() {
    zuvo::GeneratorRun& run = state.run;
    if (!run.generatorRunning) {
        const SaveOffer answer = offerSave(QStringLiteral("Zapisać rozwiązania ?"));
        // A failed save keeps the columns on screen so that the user can try again.
        if (answer == SaveOffer::Failed) return;
        if (answer != SaveOffer::NotAsked) state.resultsUnsaved = false;
        resetGeneratorScreen();
    } else {
        if (!platform.question(this,
                               QStringLiteral("Generator jest obecnie w trakcie obliczeń ! Czy "
                                              "rzeczywiście chcesz teraz edytować dane ?"),
                               QuestionKind::Warning))
            return;
        Timer2->stop();
        Timer1->stop();
        run.generatorRunning = false;
        paintBarsFace(*this);
        resetGeneratorScreen();
        enableNewAndOpen(*this, true);
    }
    setEnabledIf(shell.Zapisz1, false);
}

void TZuvoform::resetGeneratorScreen() {
    GeneratorArea& g = gen;
    g.Label35->clear();
    clearGeneratorStatus(g);
    state.systemList.clear();
    g.listModel->reload();
    g.Button20->setEnabled(true);
    g.GroupBox2->hide();
    if (print.Panel31) print.Panel31->hide();
    updateChancesEntry();
    if (state.mode != zuvo::SystemMode::Simulation) {
        // Back to the guarantee panel beside the forecast, as it was left.
        guaranteeCaption->hide();
        g.Label105->show();
        stage1.GroupBox1->show();
        guarantee->show();
        return;
    }
    stage3.Panel3->show();
    if (stage2.Panel2) stage2.Panel2->show();
    // Back to Stage 3 as it was left: the analysis panel only holds this forecast's figures when
    // the analysis ran in this visit of Stage 2; otherwise the Stage-1 group stands on its place.
    if (state.analysisDone) {
        if (analysis.Panel41) analysis.Panel41->show();
    } else {
        if (analysis.Panel41) analysis.Panel41->hide();
        if (stage1.GroupBox1) stage1.GroupBox1->show();
    }
}

void TZuvoform::ListBox1Click() {
    const int row = gen.ListBox1->currentIndex().row();
    if (row < 0) return;
    gen.Label39->setText(QStringLiteral("Wybrałeś nr.") + QString::number(row + 1));
}
