#include "ui/guarantee_panel.h"

#include <QButtonGroup>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <algorithm>
#include <cstdint>
#include <utility>

#include "model/cover/filter.h"
#include "model/cover/known.h"
#include "model/structure.h"
#include "ui/background_task.h"
#include "ui/colors.h"
#include "ui/conditions_dialog.h"
#include "ui/platform.h"
#include "ui/widget_utils.h"

namespace cover = zuvo::cover;

namespace {

constexpr int kMaxSeconds = 600;
constexpr int kPollMs = 200;  // the best found so far is shown at least twice a second
constexpr int kProgressSteps = 1000;

using ui::columnsText;

// Whole number from `low` to `high`, blanks around allowed; -1 otherwise.
long long readNumber(const QString& text, long long low, long long high) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok && value >= low && value <= high ? value : -1;
}

// Position 1 first, outcomes in the order 1, 0, 2: the order a player reads a list in. Each
// column has its own place among the 3^13 possible ones, so the order needs no comparisons.
// A stop request leaves the result empty.
std::vector<std::string> sortedColumns(const cover::Play& play, const cover::System& system,
                                       const std::stop_token& stop) {
    constexpr std::uint32_t kAllColumns = 1594323;
    std::vector<std::uint32_t> placed(kAllColumns, 0);  // point + 1 at the column's place
    for (std::size_t i = 0; i < system.size(); ++i) {
        if ((i & 0xFFFF) == 0 && stop.stop_requested()) return {};
        const cover::Point p = system[i];
        const std::string column = play.column(p);
        std::uint32_t place = 0;
        for (char c : column) place = place * 3 + (c == '1' ? 0 : c == '0' ? 1 : 2);
        placed[place] = p + 1;
    }
    std::vector<std::string> columns;
    columns.reserve(system.size());
    for (std::uint32_t entry : placed)
        if (entry != 0) columns.push_back(play.column(entry - 1));
    if (stop.stop_requested()) return {};
    return columns;
}

QLineEdit* numberEdit(QWidget* parent, const char* name, const QRect& geometry, int digits,
                      const QString& accessibleName) {
    QLineEdit* edit = ui::makeEdit(parent, name, geometry, digits + 2);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(" *[0-9]{0,%1} *").arg(digits)), edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setAccessibleName(accessibleName);
    ui::setBackgroundColor(edit, ui::kWindow);
    return edit;
}

}  // namespace

GuaranteePanel::GuaranteePanel(Platform& platform, QWidget* parent)
    : QFrame(parent), platform_(platform) {
    setObjectName(QStringLiteral("GuaranteePanel"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setGeometry(378, 6, 347, 428);
    ui::setBackgroundColor(this, ui::kFace);

    ui::makeHeading(this, "GuaranteeHeading", QStringLiteral("ETAP  2"), {8, 4, 331, 20});
    QFont bold = font();
    bold.setBold(true);
    modeCaption = ui::makeLabel(this, "GuaranteeMode", QString(), {8, 24, 331, 16});
    modeCaption->setAlignment(Qt::AlignCenter);
    modeCaption->setFont(bold);
    ui::setTextColor(modeCaption, ui::kMaroon);

    QLabel* structure =
        ui::makeLabel(this, "GuaranteeStructureHeading",
                      QStringLiteral("Aktualna struktura danych"), {12, 44, 323, 18});
    structure->setFont(bold);
    const char* const structureNames[4] = {"GuaranteeFavourites", "GuaranteeTwoWay",
                                           "GuaranteeThreeWay", "GuaranteeCombinations"};
    for (int i = 0; i < 4; ++i)
        structureLabels[i] =
            ui::makeLabel(this, structureNames[i], QString(), {20, 62 + i * 16, 315, 16});

    auto* choice = new QGroupBox(QStringLiteral("Gwarancja"), this);
    choice->setObjectName(QStringLiteral("GuaranteeChoice"));
    choice->setGeometry(8, 128, 331, 104);
    group_ = new QButtonGroup(choice);
    const QString texts[4] = {QStringLiteral("13 trafień (system pełny)"),
                              QStringLiteral("12 trafień"), QStringLiteral("11 trafień"),
                              QStringLiteral("10 trafień")};
    for (int i = 0; i < 4; ++i) {
        const QByteArray radioName = "RadioGuarantee" + QByteArray::number(13 - i);
        guarantees[i] = new QRadioButton(texts[i], choice);
        guarantees[i]->setObjectName(QString::fromLatin1(radioName));
        guarantees[i]->setGeometry(10, 20 + i * 20, 176, 20);
        group_->addButton(guarantees[i], i);
        const QByteArray sizeName = "KnownSize" + QByteArray::number(13 - i);
        knownSizes[i] =
            ui::makeLabel(choice, sizeName.constData(), QString(), {188, 20 + i * 20, 136, 20});
        ui::setTextColor(knownSizes[i], ui::kNavy);
    }
    choice->setToolTip(QStringLiteral("Obok: wielkość najmniejszego znanego systemu"));

    budgetCaption = ui::makeLabel(this, "BudgetCaption", QStringLiteral("Kolumn do zagrania "),
                                  {12, 240, 150, 22});
    budgetEdit =
        numberEdit(this, "EditBudget", {164, 239, 72, 24}, 7, QStringLiteral("Kolumn do zagrania"));
    ui::makeLabel(this, "SecondsCaption", QStringLiteral("Limit czasowy "), {12, 268, 150, 22});
    secondsEdit = numberEdit(this, "EditSeconds", {164, 267, 72, 24}, 3,
                             QStringLiteral("Limit czasowy (Sek)"));
    ui::makeLabel(this, "SecondsUnit", QStringLiteral("Sek"), {240, 268, 40, 22});

    conditionsButton =
        ui::makeButton(this, "ButtonConditions", QStringLiteral("Warunki ..."), {10, 296, 104, 24},
                       QStringLiteral("Gwarancja tylko dla wyników spełniających "
                                      "warunki"));
    conditionsSummary = ui::makeLabel(this, "ConditionsSummary", QString(), {122, 296, 213, 24});
    conditionsCount = ui::makeLabel(this, "ConditionsCountSummary", QString(), {12, 322, 323, 16});
    ui::setTextColor(conditionsCount, ui::kNavy);
    conditionsDialog = new ConditionsDialog(platform_, this);

    progressBar = new QProgressBar(this);
    progressBar->setObjectName(QStringLiteral("GuaranteeProgress"));
    progressBar->setGeometry(12, 346, 323, 12);
    progressBar->setTextVisible(false);
    progressBar->setRange(0, kProgressSteps);
    statusLabel = ui::makeLabel(this, "GuaranteeStatus", QString(), {12, 360, 323, 30});
    statusLabel->setWordWrap(true);
    ui::setTextColor(statusLabel, ui::kNavy);

    computeButton = ui::makeButton(this, "ButtonCompute", QStringLiteral("Oblicz"),
                                   {10, 394, 104, 28}, QStringLiteral("Szukanie systemu"));
    stopButton = ui::makeButton(this, "ButtonStop", QStringLiteral("Przerwij"), {121, 394, 104, 28},
                                QStringLiteral("Zachowuje najlepszy system znaleziony dotąd"));
    backButton = ui::makeButton(this, "ButtonBack", QStringLiteral("Wstecz"), {232, 394, 104, 28},
                                QStringLiteral("Powrót do Etapu 1"));
    stopButton->setEnabled(false);

    pollTimer = new QTimer(this);
    pollTimer->setObjectName(QStringLiteral("GuaranteeTimer"));
    pollTimer->setInterval(kPollMs);
    connect(pollTimer, &QTimer::timeout, this, &GuaranteePanel::pollSearch);
    connect(computeButton, &QPushButton::clicked, this, &GuaranteePanel::compute);
    connect(stopButton, &QPushButton::clicked, this, &GuaranteePanel::interrupt);
    connect(backButton, &QPushButton::clicked, this, &GuaranteePanel::backRequested);
    connect(group_, &QButtonGroup::idClicked, this, &GuaranteePanel::chooseGuarantee);
    connect(conditionsButton, &QPushButton::clicked, this,
            [this] { conditionsDialog->edit(play_, conditions_); });
    connect(conditionsDialog, &QDialog::accepted, this, [this] {
        conditions_ = conditionsDialog->conditions();
        showConditions();
    });
    hide();
}

bool GuaranteePanel::searching() const {
    return search_.running() || pollTimer->isActive();
}

int GuaranteePanel::radius() const {
    const int id = group_->checkedId();
    return id < 0 ? 1 : id;
}

void GuaranteePanel::open(const zuvo::Forecast& forecast, bool preferred) {
    cancel();
    play_ = cover::playOf(forecast);
    preferred_ = preferred;
    const cover::Space space = play_.space();
    const zuvo::StructureCounts counts = zuvo::computeStructureCounts(forecast);

    modeCaption->setText(preferred ? QStringLiteral("System gwarancyjny preferencyjny")
                                   : QStringLiteral("System gwarancyjny globalny"));
    structureLabels[0]->setText(QStringLiteral("Faworytów : %1").arg(counts.favourites));
    structureLabels[1]->setText(QStringLiteral("Pozycji dwudrogowych : %1").arg(counts.twoWay));
    structureLabels[2]->setText(QStringLiteral("Pozycji trzydrogowych : %1").arg(counts.threeWay));
    structureLabels[3]->setText(QStringLiteral("Możliwych kombinacji : %1").arg(space.size()));
    for (int r = 0; r < 4; ++r) {
        QString known;
        if (r == 0)
            known = columnsText(space.size());
        else if (r >= space.length())
            known = columnsText(1);
        else if (const auto size = cover::bestKnownSize(space.three, space.two, r))
            known = QStringLiteral("znany: ") + columnsText(*size);
        knownSizes[r]->setText(known);
    }
    guarantees[space.length() == 0 ? 0 : 1]->setChecked(true);
    conditions_ = {};
    showConditions();
    budgetCaption->setVisible(preferred);
    budgetEdit->setVisible(preferred);
    secondsEdit->setText(QStringLiteral("10"));
    chooseGuarantee();
    progressBar->setValue(0);
    statusLabel->clear();
    show();
    raise();
}

zuvo::GuaranteeSetup GuaranteePanel::setup() const {
    zuvo::GuaranteeSetup s;
    s.hits = 13 - radius();
    s.conditions = conditions_;
    if (const long long seconds = readNumber(secondsEdit->text(), 1, kMaxSeconds); seconds > 0)
        s.seconds = static_cast<int>(seconds);
    if (preferred_)
        if (const long long budget = readNumber(budgetEdit->text(), 1, play_.space().size());
            budget > 0)
            s.budget = static_cast<std::uint64_t>(budget);
    return s;
}

void GuaranteePanel::applySetup(const zuvo::GuaranteeSetup& s) {
    if (s.hits >= 10 && s.hits <= 13) {
        guarantees[static_cast<std::size_t>(13 - s.hits)]->setChecked(true);
        chooseGuarantee();
    }
    if (s.seconds >= 1 && s.seconds <= kMaxSeconds)
        secondsEdit->setText(QString::number(s.seconds));
    if (preferred_ && s.budget >= 1 && s.budget <= play_.space().size())
        budgetEdit->setText(QString::number(s.budget));
    // Stored conditions are shown as they are; "Oblicz" refuses them if they cannot be used.
    conditions_ = s.conditions;
    showConditions();
}

void GuaranteePanel::showConditions() {
    if (conditions_.none()) {
        conditionsSummary->setText(QStringLiteral("bez warunków"));
        conditionsCount->clear();
        return;
    }
    conditionsSummary->setText(ui::conditionsText(conditions_));
    if (!ui::conditionsError(play_, conditions_).isEmpty()) {
        conditionsCount->setText(QStringLiteral("Tych warunków nie da się użyć."));
        return;
    }
    const cover::ConditionsCount count = cover::countConditions(play_, conditions_);
    conditionsCount->setText(QStringLiteral("Spełnia warunki: %1 z %2 kombinacji (%3)")
                                 .arg(count.admitted)
                                 .arg(count.total)
                                 .arg(ui::percentWithUnit(count.chance, 2)));
}

// "Preferencyjny" spends half of what "Globalny" would need for the same guarantee.
void GuaranteePanel::chooseGuarantee() {
    const cover::Space space = play_.space();
    const std::uint64_t global = cover::expectedGlobalSize(space.three, space.two, radius());
    budgetEdit->setText(QString::number(std::max<std::uint64_t>(1, global / 2)));
}

void GuaranteePanel::compute() {
    const cover::Space space = play_.space();
    const long long seconds = readNumber(secondsEdit->text(), 1, kMaxSeconds);
    if (seconds < 0) {
        platform_.message(this, QStringLiteral("Limit czasowy musi być liczbą całkowitą od 1 do "
                                               "%1 sekund.")
                                    .arg(kMaxSeconds));
        return;
    }
    if (const QString error = ui::conditionsError(play_, conditions_); !error.isEmpty()) {
        platform_.message(this, error);
        return;
    }
    GuaranteeSearch::Request request;
    request.play = play_;
    request.conditions = conditions_;
    request.preferred = preferred_;
    request.radius = radius();
    request.limit = std::chrono::seconds(seconds);
    if (preferred_) {
        const long long budget = readNumber(budgetEdit->text(), 1, space.size());
        if (budget < 0) {
            platform_.message(this, QStringLiteral("Liczba kolumn do zagrania musi być liczbą "
                                                   "całkowitą od 1 do %1.")
                                        .arg(space.size()));
            return;
        }
        request.budget = static_cast<std::size_t>(budget);
    }
    limit_ = request.limit;
    started_ = std::chrono::steady_clock::now();
    statusLabel->setText(QStringLiteral("Szukam systemu ..."));
    progressBar->setValue(0);
    setRunning(true);
    search_.start(std::move(request));
    pollTimer->start();
}

void GuaranteePanel::pollSearch() {
    const GuaranteeSearch::Progress progress = search_.progress();
    const auto elapsed = std::chrono::steady_clock::now() - started_;
    const double share = limit_.count() > 0 ? std::chrono::duration<double>(elapsed) / limit_ : 1;
    progressBar->setValue(static_cast<int>(std::clamp(share, 0.0, 1.0) * kProgressSteps));
    if (progress.found) {
        statusLabel->setText(
            preferred_
                ? QStringLiteral("Najlepsza dotąd szansa: %1 (%2)")
                      .arg(ui::percentWithUnit(progress.chance, 1), columnsText(progress.size))
                : QStringLiteral("Najmniejszy dotąd: %1").arg(columnsText(progress.size)));
    }
    if (!progress.running) finish(false);
}

void GuaranteePanel::interrupt() {
    search_.stop();
    finish(true);
}

void GuaranteePanel::cancel() {
    ++generation_;
    search_.stop();
    pollTimer->stop();
    setRunning(false);
}

void GuaranteePanel::finish(bool interrupted) {
    pollTimer->stop();
    stopButton->setEnabled(false);
    const cover::System best = search_.best();
    if (best.empty()) {
        setRunning(false);
        statusLabel->setText(interrupted
                                 ? QStringLiteral("Przerwano, zanim znalazł się "
                                                  "jakikolwiek system: nic się nie zmieniło.")
                                 : QStringLiteral("Nie znaleziono systemu."));
        return;
    }
    progressBar->setValue(kProgressSteps);
    // Both worked out exactly by the search over the combinations that meet the conditions.
    const GuaranteeSearch::Progress verified = search_.progress();
    // A system of up to 1,594,323 columns is put in order, and what it guarantees is worked out,
    // on a worker thread. The window keeps answering meanwhile: a new system may come first and
    // leave this one, and "Anuluj" leaves the list as it was.
    const std::uint64_t generation = generation_;
    std::vector<std::string> columns;
    const bool done = runWhileAnswering(this, QStringLiteral("System gwarancyjny"),
                                        QStringLiteral("Układam kolumny systemu ..."),
                                        [&columns, &best, play = play_](std::stop_token stop) {
                                            columns = sortedColumns(play, best, stop);
                                        });
    if (generation != generation_) return;
    setRunning(false);
    if (!done || columns.empty()) {
        statusLabel->setText(QStringLiteral("Anulowano: lista kolumn bez zmian."));
        return;
    }
    result_.columns = std::move(columns);
    result_.conditions = conditions_;
    result_.caption = caption(result_.columns.size(), 13 - verified.leastHits, verified.chance);
    statusLabel->setText(QStringLiteral("Gotowe: ") + columnsText(result_.columns.size()) +
                         QLatin1Char('.'));
    emit built();
}

void GuaranteePanel::stopForExit() {
    if (search_.running() || pollTimer->isActive()) interrupt();
}

void GuaranteePanel::setRunning(bool running) {
    const bool was = !computeButton->isEnabled();
    computeButton->setEnabled(!running);
    backButton->setEnabled(!running);
    stopButton->setEnabled(running);
    for (QRadioButton* radio : guarantees) radio->setEnabled(!running);
    budgetEdit->setEnabled(!running);
    secondsEdit->setEnabled(!running);
    conditionsButton->setEnabled(!running);
    if (running != was) emit runningChanged(running);
}
