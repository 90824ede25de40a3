// The forecast file from the window: "Zapisz prognozę", "Otwórz prognozę" and when they serve.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <algorithm>

#include "io/forecast_file.h"
#include "ui/TZuvoform.h"
#include "ui/guarantee_panel.h"
#include "ui/widgets/needle_gauge.h"

namespace {

const QString kSaveFilter = QStringLiteral("Plik prognozy(*.prg)");
const QString kOpenFilter = QStringLiteral("Pliki prognoz(*.prg)");
const QString kSuffix = QStringLiteral("prg");

// The position being edited is stored only when the player leaves it; until then its record is
// what the gauges show, as storing it would make it.
zuvo::Forecast forecastAsShown(const TZuvoform& w) {
    zuvo::Forecast forecast = w.state.forecast;
    const int k = w.state.selectedPosition;
    if (k >= 1 && k <= zuvo::kPositionCount) {
        zuvo::PositionEditor editor;
        editor.gauge1 = w.stage1.Gauge1->value();
        editor.gauge0 = w.stage1.Gauge2->value();
        editor.gauge2 = w.stage1.Gauge3->value();
        forecast[static_cast<size_t>(k - 1)] = zuvo::editorRecord(editor);
    }
    return forecast;
}

// Position k as the player enters it: selected, both bars moved to its percentages, stored.
void enterPosition(TZuvoform& w, int k, const zuvo::PositionForecast& p) {
    w.selectPosition(k);
    zuvo::PositionEditor editor;
    zuvo::moveBar1(editor, p.p1);
    zuvo::moveBar2(editor, p.p0);
    {
        // Only the player's own moves run the bars' rules; here the values are set as they are.
        const QSignalBlocker block1(w.stage1.ScrollBar1);
        const QSignalBlocker block2(w.stage1.ScrollBar2);
        w.stage1.ScrollBar1->setValue(editor.bar1);
        w.stage1.ScrollBar2->setMaximum(editor.bar2Max);
        w.stage1.ScrollBar2->setValue(editor.bar2);
    }
    w.stage1.Gauge1->setValue(editor.gauge1);
    w.stage1.Gauge2->setValue(editor.gauge0);
    w.stage1.Gauge3->setValue(editor.gauge2);
    w.state.editor = editor;
    w.storePosition(k);
}

}  // namespace

void TZuvoform::connectForecastEntries() {
    // "Otwórz prognozę" follows "Otwórz" wherever that changes: the intro's end, a generator run
    // starting and ending, a print run.
    connect(shell.Otworz1, &QAction::changed, this, &TZuvoform::updateForecastEntries);
    // A guarantee search starts and ends on the panel; the menu is brought up to date with it and
    // again whenever it opens.
    for (QPushButton* button : {guarantee->computeButton, guarantee->stopButton})
        connect(button, &QPushButton::clicked, this, &TZuvoform::updateForecastEntries);
    connect(guarantee->pollTimer, &QTimer::timeout, this, &TZuvoform::updateForecastEntries);
    connect(guarantee, &GuaranteePanel::built, this, &TZuvoform::updateForecastEntries);
    connect(shell.System1, &QMenu::aboutToShow, this, &TZuvoform::updateForecastEntries);
    updateForecastEntries();
}

void TZuvoform::updateForecastEntries() {
    if (shell.ZapiszPrognoze1 == nullptr || shell.OtworzPrognoze1 == nullptr) return;
    // A running computation, or the farewell (the player has said goodbye already).
    const bool busy = state.run.generatorRunning ||
                      (guarantee != nullptr && guarantee->searching()) || !state.askOnClose;
    const bool entered = std::any_of(state.visited.begin(), state.visited.end(),
                                     [](uint8_t flag) { return flag != 0; });
    // A list opened from a system file came without a forecast: the one on hand is not its own.
    shell.ZapiszPrognoze1->setEnabled(!busy && entered && state.listGenerated);
    shell.OtworzPrognoze1->setEnabled(!busy && shell.Otworz1->isEnabled());
}

void TZuvoform::ZapiszPrognoze1Click() {
    const QString fileName = platform.saveFileName(this, kSaveFilter, kSuffix);
    if (fileName.isEmpty()) return;
    zuvo::StoredForecast record;
    record.mode = state.mode;
    record.forecast = forecastAsShown(*this);
    record.visited = state.visited;
    if (state.mode != zuvo::SystemMode::Simulation)
        record.setup =
            state.guaranteePanelOpened ? std::optional(guarantee->setup()) : state.guaranteeSetup;
    QString error;
    if (!zuvo::writeForecastFile(fileName, record, error)) platform.message(this, error);
}

void TZuvoform::OtworzPrognoze1Click() {
    const QString fileName = platform.openFileName(this, kOpenFilter, kSuffix);
    if (fileName.isEmpty()) return;
    // The whole file is read first: a bad one leaves everything as it was, unasked.
    zuvo::StoredForecast record;
    QString error;
    if (!zuvo::readForecastFile(fileName, record, error)) {
        platform.message(this, error);
        return;
    }
    // The usual save question; a list that could not be saved keeps the program where it is.
    if (!newSystem(record.mode)) return;
    for (int k = 1; k <= zuvo::kPositionCount; ++k) {
        const auto i = static_cast<size_t>(k - 1);
        if (record.visited[i] != 0) enterPosition(*this, k, record.forecast[i]);
    }
    state.guaranteeSetup = record.setup;
    updateForecastEntries();
}

void TZuvoform::applyStoredGuaranteeSetup() {
    state.guaranteePanelOpened = true;
    if (state.guaranteeSetup) guarantee->applySetup(*state.guaranteeSetup);
}
