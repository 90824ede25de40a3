// Stage 2: structure counts, the 30 template boxes, the hand-over to Stage 3 and the way back.
#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "model/structure.h"
#include "model/templates.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/widget_utils.h"

namespace {

const QString kFavourites = QStringLiteral("Faworytów : ");
const QString kTwoWay = QStringLiteral("Pozycji dwudrogowych : ");
const QString kThreeWay = QStringLiteral("Pozycji trzydrogowych : ");
const QString kCombinations = QStringLiteral("Możliwych kombinacji : ");

void stopReminders(TZuvoform& w) {
    w.Timer5->stop();
    w.state.hintTick = 0;
    w.stage2.Label95->hide();
    w.stage2.Label18->hide();
}

zuvo::TemplateFlags availableTemplates(const TZuvoform& w) {
    zuvo::TemplateFlags flags{};
    for (int i = 0; i < zuvo::kTemplateCount; ++i)
        flags[i] = w.stage2.templateBoxes[i]->isEnabledTo(w.stage2.Panel2);
    return flags;
}

zuvo::TemplateFlags checkedTemplates(const TZuvoform& w) {
    zuvo::TemplateFlags flags{};
    for (int i = 0; i < zuvo::kTemplateCount; ++i)
        flags[i] = w.stage2.templateBoxes[i]->isChecked();
    return flags;
}

QLabel* makeWrappedLabel(QWidget* parent, const char* name, const QString& text,
                         const QRect& geometry) {
    QLabel* label = ui::makeLabel(parent, name, text, geometry);
    // A point smaller than the window's text: the notice needs five lines under the list.
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() - 1.0);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* makeReminder(QWidget* parent, const char* name, const QString& text, int top) {
    QLabel* label = ui::makeLabel(parent, name, text, {12, top, 705, 28});
    QFont font = label->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    ui::setTextColor(label, ui::kYellow);
    label->hide();
    return label;
}

}  // namespace

void TZuvoform::buildStage2() {
    Stage2Area& s = stage2;
    s.Panel2 = ui::makePanel(client, "Panel2", {378, 6, 347, 378});
    ui::setBackgroundColor(s.Panel2, ui::kFace);

    ui::makeHeading(s.Panel2, "Stage2Heading", QStringLiteral("ETAP  2"), {8, 4, 331, 20});
    QFont bold = s.Panel2->font();
    bold.setBold(true);

    QLabel* structure =
        ui::makeLabel(s.Panel2, "StructureHeading", QStringLiteral("Aktualna struktura danych"),
                      {12, 26, 323, 18});
    structure->setFont(bold);
    s.Label9 = ui::makeLabel(s.Panel2, "Label9", kFavourites, {20, 44, 315, 16});
    s.Label10 = ui::makeLabel(s.Panel2, "Label10", kTwoWay, {20, 60, 315, 16});
    s.Label11 = ui::makeLabel(s.Panel2, "Label11", kThreeWay, {20, 76, 315, 16});
    s.Label12 = ui::makeLabel(s.Panel2, "Label12", kCombinations, {20, 92, 315, 16});

    QLabel* list =
        ui::makeLabel(s.Panel2, "TemplateListHeading",
                      QStringLiteral("Lista optymalnych szablonów "), {12, 110, 323, 18});
    list->setFont(bold);

    // One column per number of ones (7, 6, 5, 4, 8), as the catalogue is ordered.
    constexpr std::array<int, 5> kColumnStart{1, 6, 12, 19, 27};
    constexpr int kBoxTop = 130;
    constexpr int kBoxStep = 17;
    for (int column = 0; column < 5; ++column) {
        const int first = kColumnStart[column];
        const int last = column + 1 < 5 ? kColumnStart[column + 1] - 1 : zuvo::kTemplateCount;
        for (int number = first; number <= last; ++number) {
            auto* box =
                new QCheckBox(QString::fromStdString(zuvo::templateCaption(number)), s.Panel2);
            box->setObjectName(QStringLiteral("CheckBox%1").arg(number));
            box->setGeometry(14 + column * 65, kBoxTop + (number - first) * kBoxStep, 62, 17);
            s.templateBoxes[number - 1] = box;
        }
    }

    constexpr QRect kNoteArea{10, 270, 327, 68};
    s.Label13 = makeWrappedLabel(
        s.Panel2, "Label13",
        QStringLiteral("  Niestety ! Dane które wpisałeś, odbiegają zasadniczo od optymalnych "
                       "schematów, na których opiera się ten system. Przestudiuj raz jeszcze ideę "
                       "systemu (menu Pomoc) i spróbuj zmienić strukturę danych. "),
        kNoteArea);
    ui::setTextColor(s.Label13, ui::kMaroon);
    s.Label13->hide();
    s.Label94 = makeWrappedLabel(
        s.Panel2, "Label94",
        QStringLiteral("W liście przyjęto sposób oznaczeń przedstawiony w opisie . Pozycja "
                       "pierwsza - ilość jedynek , druga - ilość zer , trzecia - ilość dwójek."),
        kNoteArea);

    s.Button36 = ui::makeButton(s.Panel2, "Button36", QStringLiteral("Analiza"), {10, 344, 78, 28});
    s.Button16 = ui::makeButton(s.Panel2, "Button16", QStringLiteral("Extra"), {93, 344, 78, 28},
                                QStringLiteral("Optymalny układ"));
    s.Button15 = ui::makeButton(s.Panel2, "Button15", QStringLiteral("Wstecz"), {176, 344, 78, 28},
                                QStringLiteral("Powrót do Etapu 1"));
    s.Button14 = ui::makeButton(s.Panel2, "Button14", QStringLiteral("Dalej"), {259, 344, 78, 28},
                                QStringLiteral("Przejście do Etapu 3 "));
    connect(s.Button14, &QPushButton::clicked, this, &TZuvoform::Button14Click);
    connect(s.Button15, &QPushButton::clicked, this, &TZuvoform::Button15Click);
    connect(s.Button16, &QPushButton::clicked, this, &TZuvoform::Button16Click);
    connect(s.Button36, &QPushButton::clicked, this, &TZuvoform::Button36Click);
    s.Panel2->hide();

    // The reminders lie in the bottom band, which is free while Stage 2 is open.
    s.Label95 = makeReminder(
        client, "Label95",
        QStringLiteral(
            "Wybór  szablonów  jest  jednym  z  najważniejszych  etapów  całego  systemu !"),
        412);
    s.Label18 = makeReminder(client, "Label18",
                             QStringLiteral("Jeżeli  masz  jakieś  wątpliwości  zobacz  do  opisu  "
                                            "systemu  w  Menu  Pomoc"),
                             456);
}

void TZuvoform::prepareStage2() {
    state.combinationCount = 1;
    stage2.Button16->setEnabled(true);
    stage2.Button14->setEnabled(true);
    stage2.Label13->hide();
    stage2.Label94->show();
    for (QCheckBox* box : stage2.templateBoxes) {
        box->setEnabled(true);
        box->setChecked(false);
    }

    const zuvo::StructureCounts counts = zuvo::computeStructureCounts(state.forecast);
    state.counts = counts;
    stage2.Label9->setText(stage2.Label9->text() + QString::number(counts.favourites));
    stage2.Label10->setText(stage2.Label10->text() + QString::number(counts.twoWay));
    stage2.Label11->setText(stage2.Label11->text() + QString::number(counts.threeWay));
    state.combinationCount = counts.combinationCount;
    stage2.Label12->setText(stage2.Label12->text() + QString::number(state.combinationCount));

    const zuvo::TemplateFlags available = zuvo::templateAvailability(counts);
    int cleared = 0;
    for (int i = 0; i < zuvo::kTemplateCount; ++i) {
        if (available[i]) continue;
        stage2.templateBoxes[i]->setEnabled(false);
        ++cleared;
    }
    if (cleared == zuvo::kTemplateCount) {
        stage2.Label13->show();
        stage2.Label94->hide();
        stage2.Button14->setEnabled(false);
        stage2.Button16->setEnabled(false);
        stage2.Button36->setEnabled(false);
    }
    stage2.Panel2->show();
    stage1.Panel1->hide();
}

void TZuvoform::Button14Click() {
    stopReminders(*this);
    state.chosenTemplates =
        zuvo::chooseTemplates(availableTemplates(*this), checkedTemplates(*this));
    if (zuvo::countChosen(state.chosenTemplates) == 0) {
        platform.message(this, QStringLiteral("Nie wybrałeś żadnego schematu !!!"));
        return;
    }
    stage2.Panel2->setEnabled(false);
    stage2.Button14->setEnabled(false);
    stage2.Button16->setEnabled(false);
    stage2.Button15->setEnabled(false);
    stage2.Button36->setEnabled(false);
    if (stage3.Panel3 != nullptr) stage3.Panel3->show();
}

void TZuvoform::Button15Click() {
    stopReminders(*this);
    analysis.Label402->hide();
    analysis.Label118->hide();
    // The bare captions, so that the next "Dalej" shows one number each.
    stage2.Label9->setText(kFavourites);
    stage2.Label10->setText(kTwoWay);
    stage2.Label11->setText(kThreeWay);
    stage2.Label12->setText(kCombinations);
    stage2.Panel2->hide();
    stage1.Panel1->show();
    stage1.Button22->setEnabled(true);
    for (QPushButton* button : stage1.positionButtons) button->setEnabled(true);
    stage2.Button36->setEnabled(true);
    state.analysisDone = false;
    stage1.GroupBox1->show();
    analysis.Panel41->hide();
}

void TZuvoform::Button16Click() {
    if (!state.analysisDone) {
        platform.message(this, QStringLiteral("Opcja dostępna po dokonaniu analizy !"));
        return;
    }
    const zuvo::TemplateFlags checks = zuvo::suggestedTemplateChecks(state.templateSuggestions);
    for (int i = 0; i < zuvo::kTemplateCount; ++i) stage2.templateBoxes[i]->setChecked(checks[i]);
}

void TZuvoform::Timer5Timer() {
    ++state.hintTick;
    if (state.hintTick == 3) stage2.Label95->show();
    if (state.hintTick == 6) stage2.Label18->show();
    if (state.hintTick >= 10) {
        stage2.Label95->hide();
        stage2.Label18->hide();
        state.hintTick = 0;
    }
}
