// Stage 1: the 13 positions, their percentage boxes and the two-bar editor with three gauges.
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <memory>
#include <utility>

#include "model/forecast.h"
#include "model/structure.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "ui/widgets/needle_gauge.h"

namespace {

const QString kCaptionInitial =
    QStringLiteral("Ustal  procentowy  rozkład  prawdopodobieństwa   -  ");
const QString kCaptionAfterStore =
    QStringLiteral("Ustal  procentowy  rozkład  prawdopodobieństwa  -  ");

QString positionCaption(int k) {
    // Two blanks before a single digit keep the captions one width.
    return k < 10 ? QStringLiteral("Pozycja  %1").arg(k) : QStringLiteral("Pozycja %1").arg(k);
}

// The three boxes of position k (1..13), in the order 1, 0, 2.
std::array<QLineEdit*, 3> positionEdits(TZuvoform& w, int k) {
    const int first = (k - 1) * 3;
    return {w.stage1.percentEdits[first], w.stage1.percentEdits[first + 1],
            w.stage1.percentEdits[first + 2]};
}

// The controls are what the user sees, so the editor is always read from them: another screen
// (a new system) may have set the bars and gauges directly.
zuvo::PositionEditor readEditor(const TZuvoform& w) {
    zuvo::PositionEditor e;
    e.bar1 = w.stage1.ScrollBar1->value();
    e.bar2 = w.stage1.ScrollBar2->value();
    e.bar2Max = w.stage1.ScrollBar2->maximum();
    e.gauge1 = w.stage1.Gauge1->value();
    e.gauge0 = w.stage1.Gauge2->value();
    e.gauge2 = w.stage1.Gauge3->value();
    return e;
}

// Setting the values programmatically runs no bar rule: only user actions are connected.
void showEditor(TZuvoform& w, const zuvo::PositionEditor& e) {
    w.stage1.ScrollBar1->setValue(e.bar1);
    w.stage1.ScrollBar2->setMaximum(e.bar2Max);
    w.stage1.ScrollBar2->setValue(e.bar2);
    w.stage1.Gauge1->setValue(e.gauge1);
    w.stage1.Gauge2->setValue(e.gauge0);
    w.stage1.Gauge3->setValue(e.gauge2);
}

void colourPosition(TZuvoform& w, int k, const QColor& colour) {
    for (QLineEdit* edit : positionEdits(w, k)) ui::setBackgroundColor(edit, colour);
}

bool leavesForAnotherWindow(Qt::FocusReason reason) {
    // A menu, a message box or another window takes the focus only for a while: the position is
    // not stored when the focus leaves for it.
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

bool isTabKey(const QEvent* event) {
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// A position is selected only by the player's own act: a mouse press on its button (whether or
// not the window was active) or Tab / Shift+Tab onto it. Focus that the program or the window
// system moves (window activation, a closing message box, a hidden panel handing its focus on
// "as if by Tab") selects nothing, else a position the player never touched counts as visited.
// Leaving the selected position stores it, unless the focus only visits a menu or another window.
// Watches the whole application, because a Tab press goes to whichever control has the focus.
class PositionFocusFilter : public QObject {
  public:
    explicit PositionFocusFilter(TZuvoform& window) : QObject(&window), w(window) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::KeyPress:
                if (isTabKey(event)) tabPressed = true;
                break;
            case QEvent::KeyRelease:
                if (isTabKey(event)) tabPressed = false;
                break;
            case QEvent::FocusIn: {
                // The first focus change after a Tab press is the one that press made.
                const bool byTab = std::exchange(tabPressed, false);
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                const int k = positionOf(watched);
                if (k != 0 && byTab &&
                    (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason))
                    choose(k);
                break;
            }
            case QEvent::FocusOut: {
                const int k = positionOf(watched);
                const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
                if (k != 0 && w.state.selectedPosition == k && !leavesForAnotherWindow(reason))
                    w.storePosition(k);
                break;
            }
            case QEvent::MouseButtonPress: {
                const int k = positionOf(watched);
                if (k != 0 && w.stage1.positionButtons[k - 1]->isEnabled()) choose(k);
                break;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    // The old position is always stored before the new one is selected.
    void choose(int k) {
        const int old = w.state.selectedPosition;
        if (old == k) return;
        if (old != 0) w.storePosition(old);
        w.selectPosition(k);
    }

    int positionOf(QObject* object) const {
        if (!object->isWidgetType()) return 0;
        for (int i = 0; i < zuvo::kPositionCount; ++i)
            if (w.stage1.positionButtons[i] == object) return i + 1;
        return 0;
    }

    TZuvoform& w;
    bool tabPressed = false;
};

// Runs a bar's rule once its movement has settled: arrows and pages through actionTriggered
// (queued, because the new position is applied only after the signal), drags on release. A click
// that moves nothing (an arrow at the end, the handle pressed and let go in place) is no movement:
// running bar 1's rule then would hand outcome 2's share to outcome 0.
void connectBar(TZuvoform& w, QScrollBar* bar, void (TZuvoform::*handler)()) {
    QObject::connect(bar, &QAbstractSlider::actionTriggered, &w, [&w, bar, handler](int action) {
        // While dragging the rule waits for the release.
        if (action == QAbstractSlider::SliderMove && bar->isSliderDown()) return;
        if (bar->sliderPosition() == bar->value()) return;
        QTimer::singleShot(0, &w, handler);
    });
    auto pressedAt = std::make_shared<int>(bar->value());
    QObject::connect(bar, &QAbstractSlider::sliderPressed, &w,
                     [bar, pressedAt] { *pressedAt = bar->value(); });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, &w, [&w, bar, handler, pressedAt] {
        if (bar->value() != *pressedAt) (w.*handler)();
    });
}

QScrollBar* makeBar(QWidget* parent, const char* name, const QRect& geometry, const QString& hint,
                    int value) {
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setGeometry(geometry);
    bar->setRange(0, 100);
    bar->setSingleStep(1);
    bar->setPageStep(5);
    bar->setValue(value);
    bar->setFocusPolicy(Qt::NoFocus);  // moving a bar must not leave the position
    bar->setToolTip(hint);
    bar->setAccessibleName(hint);
    return bar;
}

TNeedleGauge* makeGauge(QWidget* parent, const char* name, const QRect& geometry, int value) {
    auto* gauge = new TNeedleGauge(parent);
    gauge->setObjectName(QString::fromLatin1(name));
    gauge->setGeometry(geometry);
    gauge->setValue(value);
    return gauge;
}

}  // namespace

void TZuvoform::buildStage1() {
    Stage1Area& s = stage1;

    // The group of the 13 positions, on the left.
    s.GroupBox1 = new QGroupBox(QStringLiteral("Etapy edycji danych"), client);
    s.GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    s.GroupBox1->setGeometry(4, 6, 369, 378);
    ui::setBackgroundColor(s.GroupBox1, ui::kFace);

    QLabel* heading =
        ui::makeLabel(s.GroupBox1, "Stage1Heading", QStringLiteral("ETAP  1"), {12, 22, 345, 20});
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSize(headingFont.pointSize() + 2);
    heading->setFont(headingFont);
    heading->setAlignment(Qt::AlignCenter);
    ui::setTextColor(heading, ui::kNavy);

    const std::array<QString, 3> outcomes{QStringLiteral("1"), QStringLiteral("0"),
                                          QStringLiteral("2")};
    constexpr int kEditLeft = 170;
    constexpr int kEditStep = 60;
    constexpr int kRowTop = 66;
    constexpr int kRowStep = 23;
    for (int c = 0; c < 3; ++c) {
        const QByteArray name = "OutcomeHeader" + QByteArray::number(c + 1);
        QLabel* header = ui::makeLabel(s.GroupBox1, name.constData(), outcomes[c],
                                       {kEditLeft + c * kEditStep, 46, 44, 18});
        header->setAlignment(Qt::AlignCenter);
        header->setFont(headingFont);
    }

    s.positionFilter = new PositionFocusFilter(*this);
    for (int k = 1; k <= zuvo::kPositionCount; ++k) {
        const int top = kRowTop + (k - 1) * kRowStep;
        const QByteArray buttonName = "Button" + QByteArray::number(k);
        QPushButton* button = ui::makeButton(s.GroupBox1, buttonName.constData(),
                                             positionCaption(k), {24, top, 110, 21});
        button->setFocusPolicy(Qt::StrongFocus);
        s.positionButtons[k - 1] = button;
        for (int c = 0; c < 3; ++c) {
            const int index = (k - 1) * 3 + c;
            const QByteArray editName = "Edit" + QByteArray::number(index + 2);
            QLineEdit* edit = ui::makeEdit(s.GroupBox1, editName.constData(),
                                           {kEditLeft + c * kEditStep, top, 44, 21}, 3);
            edit->setReadOnly(true);
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            edit->setFocusPolicy(Qt::NoFocus);
            ui::setBackgroundColor(edit, ui::kWindow);
            s.percentEdits[index] = edit;
        }
    }
    // Tab order 0 to 12 along the positions.
    for (int k = 1; k < zuvo::kPositionCount; ++k)
        QWidget::setTabOrder(s.positionButtons[k - 1], s.positionButtons[k]);
    s.GroupBox1->hide();

    // The entry panel along the bottom: caption line, bars, gauges and "Dalej".
    s.Panel1 = ui::makePanel(client, "Panel1", {4, 388, 721, 134});
    ui::setBackgroundColor(s.Panel1, ui::kFace);
    s.Label2 = ui::makeLabel(s.Panel1, "Label2", kCaptionInitial, {10, 6, 590, 20});
    QFont captionFont = s.Label2->font();
    captionFont.setBold(true);
    s.Label2->setFont(captionFont);
    ui::setTextColor(s.Label2, ui::kNavy);

    QLabel* bar1Label = ui::makeLabel(s.Panel1, "Bar1Label", QStringLiteral("1"), {10, 44, 40, 20});
    QLabel* bar2Label =
        ui::makeLabel(s.Panel1, "Bar2Label", QStringLiteral("0 , 2"), {10, 88, 40, 20});
    bar1Label->setFont(captionFont);
    bar2Label->setFont(captionFont);
    s.ScrollBar1 = makeBar(s.Panel1, "ScrollBar1", {52, 44, 232, 20},
                           QStringLiteral("Suwak  do pozycji  1"), 100);
    s.ScrollBar2 = makeBar(s.Panel1, "ScrollBar2", {52, 88, 232, 20},
                           QStringLiteral("Suwak do pozycji  0 , 2"), 0);
    connectBar(*this, s.ScrollBar1, &TZuvoform::ScrollBar1Change);
    connectBar(*this, s.ScrollBar2, &TZuvoform::ScrollBar2Change);

    s.Gauge1 = makeGauge(s.Panel1, "Gauge1", {298, 30, 96, 78}, 100);
    s.Gauge2 = makeGauge(s.Panel1, "Gauge2", {402, 30, 96, 78}, 0);
    s.Gauge3 = makeGauge(s.Panel1, "Gauge3", {506, 30, 96, 78}, 0);
    for (int c = 0; c < 3; ++c) {
        const QByteArray name = "GaugeCaption" + QByteArray::number(c + 1);
        QLabel* caption =
            ui::makeLabel(s.Panel1, name.constData(), outcomes[c], {298 + c * 104, 110, 96, 18});
        caption->setAlignment(Qt::AlignCenter);
        caption->setFont(captionFont);
    }

    s.Button22 = ui::makeButton(s.Panel1, "Button22", QStringLiteral("Dalej"), {616, 94, 96, 30},
                                QStringLiteral("Przejście do Etapu 2"));
    connect(s.Button22, &QPushButton::clicked, this, &TZuvoform::Button22Click);
    s.Panel1->hide();
}

void TZuvoform::selectPosition(int k) {
    if (k < 1 || k > zuvo::kPositionCount) return;
    state.visited[k - 1] = 1;
    state.selectedPosition = k;
    updateForecastEntries();
    stage1.Label2->setText(stage1.Label2->text() + stage1.positionButtons[k - 1]->text());
    colourPosition(*this, k, ui::kSilver);

    const auto edits = positionEdits(*this, k);
    const zuvo::PercentTexts texts{edits[0]->text().toStdString(), edits[1]->text().toStdString(),
                                   edits[2]->text().toStdString()};
    zuvo::PositionEditor editor = readEditor(*this);
    zuvo::loadEditor(editor, texts);
    state.editor = editor;
    showEditor(*this, editor);
}

void TZuvoform::storePosition(int k) {
    if (k < 1 || k > zuvo::kPositionCount) return;
    stage1.Label2->setText(kCaptionAfterStore);
    colourPosition(*this, k, ui::kWindow);

    const zuvo::PositionEditor editor = readEditor(*this);
    const zuvo::PercentTexts texts = zuvo::editorTexts(editor);
    const auto edits = positionEdits(*this, k);
    edits[0]->setText(QString::fromStdString(texts.t1));
    edits[1]->setText(QString::fromStdString(texts.t0));
    edits[2]->setText(QString::fromStdString(texts.t2));
    state.forecast[k - 1] = zuvo::editorRecord(editor);
    if (state.selectedPosition == k) state.selectedPosition = 0;
}

void TZuvoform::ScrollBar1Change() {
    zuvo::PositionEditor editor = readEditor(*this);
    zuvo::moveBar1(editor, stage1.ScrollBar1->value());
    state.editor = editor;
    showEditor(*this, editor);
}

void TZuvoform::ScrollBar2Change() {
    zuvo::PositionEditor editor = readEditor(*this);
    zuvo::moveBar2(editor, stage1.ScrollBar2->value());
    state.editor = editor;
    showEditor(*this, editor);
}

void TZuvoform::Button22Click() {
    // A click moves the focus here first; a keyboard press may not, so the selected position is
    // stored explicitly before the forecast is checked.
    if (state.selectedPosition != 0) {
        if (stage1.positionButtons[state.selectedPosition - 1]->hasFocus())
            stage1.Button22->setFocus(Qt::OtherFocusReason);
        if (state.selectedPosition != 0) storePosition(state.selectedPosition);
    }

    const bool guaranteed = state.mode != zuvo::SystemMode::Simulation;
    const std::string refusal = zuvo::forecastRefusal(state.forecast, state.visited, guaranteed);
    if (!refusal.empty()) {
        platform.message(this, QString::fromStdString(refusal));
        return;
    }
    for (QPushButton* button : stage1.positionButtons) button->setEnabled(false);
    stage1.Button22->setEnabled(false);
    if (guaranteed) {
        openGuaranteePanel();
        return;
    }
    prepareStage2();
    Timer5->start();
}
