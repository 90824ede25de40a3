// Stage 3: number of columns, time limit, solution type, masks and the mean-probability range.
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "model/int_text.h"
#include "model/masks.h"
#include "model/settings.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "ui/widgets/up_down.h"

namespace {

constexpr int kRangeMin = 20;
constexpr int kRangeMax = 70;

void setEnabledIf(QWidget* widget, bool enabled) {
    if (widget) widget->setEnabled(enabled);
}

// Leading and trailing blanks around at most `digits` digits. The time limit also lets a blank
// fall between its digits, as the old masked field did; the conversion then refuses it.
QLineEdit* makeNumberField(QWidget* parent, const char* name, const QRect& geometry,
                           const QString& text, int digits, bool gaps) {
    QLineEdit* edit = ui::makeEdit(parent, name, geometry, 5);
    const QString pattern = gaps ? QStringLiteral("(?: *[0-9]){0,%1} *").arg(digits)
                                 : QStringLiteral(" *[0-9]{0,%1} *").arg(digits);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    QFont mono(QStringLiteral("Monospace"));
    mono.setStyleHint(QFont::TypeWriter);
    edit->setFont(mono);
    // The digits stand at the right end, padded or freshly typed alike.
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setText(text);
    return edit;
}

QRadioButton* makeRadio(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry) {
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QString::fromLatin1(name));
    radio->setGeometry(geometry);
    return radio;
}

void colourRange(TZuvoform& w, const QColor& panel, const QColor& edits) {
    ui::setBackgroundColor(w.stage3.Panel30, panel);
    ui::setBackgroundColor(w.stage3.Edit42, edits);
    ui::setBackgroundColor(w.stage3.Edit43, edits);
}

}  // namespace

void TZuvoform::buildStage3() {
    Stage3Area& s = stage3;
    s.Panel3 = ui::makePanel(client, "Panel3", QRect(4, 388, 721, 134));
    ui::setBackgroundColor(s.Panel3, ui::kFace);
    // Entry fields, check boxes and radio buttons keep the window colour: in the face colour
    // they would look disabled.
    QPalette entries = s.Panel3->palette();
    entries.setColor(QPalette::Base, ui::kWindow);
    s.Panel3->setPalette(entries);

    QLabel* title =
        ui::makeLabel(s.Panel3, "Stage3Title", QStringLiteral("ETAP 3"), QRect(10, 6, 150, 26));
    QFont titleFont = title->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    title->setFont(titleFont);
    ui::setTextColor(title, ui::kNavy);

    ui::makeLabel(s.Panel3, "Stage3CountCaption", QStringLiteral("Ilość rozwiązań "),
                  QRect(10, 48, 110, 22));
    s.MaskEdit1 = makeNumberField(s.Panel3, "MaskEdit1", QRect(122, 46, 56, 24),
                                  QStringLiteral("   40"), 2, false);
    ui::makeLabel(s.Panel3, "Stage3TimeCaption", QStringLiteral("Limit czasowy "),
                  QRect(10, 84, 110, 22));
    s.MaskEdit2 = makeNumberField(s.Panel3, "MaskEdit2", QRect(122, 82, 56, 24),
                                  QStringLiteral("  120"), 3, true);
    ui::makeLabel(s.Panel3, "Stage3TimeUnit", QStringLiteral("Sek"), QRect(182, 84, 28, 22));
    s.MaskEdit1->setAccessibleName(QStringLiteral("Ilość rozwiązań"));
    s.MaskEdit2->setAccessibleName(QStringLiteral("Limit czasowy (Sek)"));

    s.Radiotyp = new QGroupBox(QStringLiteral("Typ rozwiązań "), s.Panel3);
    s.Radiotyp->setObjectName(QStringLiteral("Radiotyp"));
    s.Radiotyp->setGeometry(216, 6, 140, 120);
    s.typeGroup = new QButtonGroup(s.Radiotyp);
    s.typeGroup->setObjectName(QStringLiteral("typeGroup"));
    const QString typeTexts[3] = {QStringLiteral("Różne o jeden"), QStringLiteral("Różne o dwa"),
                                  QStringLiteral("Różne o trzy")};
    for (int i = 0; i < 3; ++i) {
        const QByteArray name = "RadiotypItem" + QByteArray::number(i);
        s.typeItems[i] =
            makeRadio(s.Radiotyp, name.constData(), typeTexts[i], QRect(10, 26 + i * 30, 124, 24));
        s.typeGroup->addButton(s.typeItems[i], i);
    }
    s.typeItems[1]->setChecked(true);

    auto* masks = new QGroupBox(s.Panel3);
    masks->setObjectName(QStringLiteral("Stage3Masks"));
    masks->setGeometry(364, 6, 140, 120);
    masks->setToolTip(QStringLiteral("Wybór maski nie jest koniecznością"));
    for (int k = 1; k <= zuvo::kMaskCount; ++k) {
        const QByteArray name = "MaskBox" + QByteArray::number(k);
        auto* box = new QCheckBox(QString::fromStdString(zuvo::maskCaption(k)), masks);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(10 + ((k - 1) / 3) * 64, 26 + ((k - 1) % 3) * 30, 60, 24);
        box->setToolTip(masks->toolTip());
        s.maskBoxes[k - 1] = box;
    }

    auto* range = new QGroupBox(s.Panel3);
    range->setObjectName(QStringLiteral("Stage3Range"));
    range->setGeometry(512, 6, 106, 120);
    s.RadioButton1 =
        makeRadio(range, "RadioButton1", QStringLiteral("Dowolna"), QRect(8, 22, 94, 20));
    s.RadioButton2 =
        makeRadio(range, "RadioButton2", QStringLiteral("Ustalona"), QRect(8, 42, 94, 20));
    s.RadioButton1->setChecked(true);
    s.Panel30 = ui::makePanel(range, "Panel30", QRect(6, 64, 94, 52));
    ui::makeLabel(s.Panel30, "Stage3LowCaption", QStringLiteral("Od "), QRect(6, 4, 26, 20));
    s.Edit42 = ui::makeEdit(s.Panel30, "Edit42", QRect(32, 3, 36, 21), 2);
    s.UpDown1 = new TUpDown(Qt::Vertical, s.Panel30);
    s.UpDown1->setObjectName(QStringLiteral("UpDown1"));
    s.UpDown1->setGeometry(70, 3, 17, 21);
    s.UpDown1->setAccessibleNames(QStringLiteral("Od"));
    s.Edit42->setAccessibleName(QStringLiteral("Od"));
    ui::makeLabel(s.Panel30, "Stage3HighCaption", QStringLiteral("Do"), QRect(6, 28, 26, 20));
    s.Edit43 = ui::makeEdit(s.Panel30, "Edit43", QRect(32, 27, 36, 21), 2);
    s.UpDown2 = new TUpDown(Qt::Vertical, s.Panel30);
    s.UpDown2->setObjectName(QStringLiteral("UpDown2"));
    s.UpDown2->setGeometry(70, 27, 17, 21);
    s.UpDown2->setAccessibleNames(QStringLiteral("Do"));
    s.Edit43->setAccessibleName(QStringLiteral("Do"));
    for (QLineEdit* edit : {s.Edit42, s.Edit43}) {
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
    }
    for (TUpDown* spin : {s.UpDown1, s.UpDown2}) spin->setRange(kRangeMin, kRangeMax);
    s.UpDown1->setPosition(kRangeMin);
    s.UpDown2->setPosition(kRangeMax);
    colourRange(*this, ui::kFace, ui::kWindow);
    s.Panel30->setEnabled(false);

    s.Button18 =
        ui::makeButton(s.Panel3, "Button18", QStringLiteral("Dalej"), QRect(630, 30, 80, 30),
                       QStringLiteral("Zakończenie wprowadzania danych"));
    s.Button17 = ui::makeButton(s.Panel3, "Button17", QStringLiteral("Wstecz"),
                                QRect(630, 78, 80, 30), QStringLiteral("Powtót do Etapu 2"));

    connect(s.Button18, &QPushButton::clicked, this, &TZuvoform::Button18Click);
    connect(s.Button17, &QPushButton::clicked, this, &TZuvoform::Button17Click);
    connect(s.RadioButton1, &QRadioButton::clicked, this, &TZuvoform::RadioButton1Click);
    connect(s.RadioButton2, &QRadioButton::clicked, this, &TZuvoform::RadioButton2Click);
    connect(s.UpDown1, &TUpDown::clicked, this, &TZuvoform::UpDown1Click);
    connect(s.UpDown2, &TUpDown::clicked, this, &TZuvoform::UpDown2Click);

    s.Panel3->hide();
}

void TZuvoform::Button18Click() {
    Stage3Area& s = stage3;
    zuvo::SettingsEntry entry;
    entry.solutionText = s.MaskEdit1->text().toStdString();
    entry.timeText = s.MaskEdit2->text().toStdString();
    entry.solutionType = s.typeGroup->checkedId() < 0 ? 0 : s.typeGroup->checkedId();
    for (int k = 0; k < zuvo::kMaskCount; ++k) entry.masks[k] = s.maskBoxes[k]->isChecked();
    entry.rangeFixed = s.RadioButton2->isChecked();
    entry.lowText = s.Edit42->text().toStdString();
    entry.highText = s.Edit43->text().toStdString();

    const zuvo::SettingsCheck check =
        zuvo::confirmSettings(entry, state.combinationCount, state.settings);
    if (!check.ok) {
        if (check.clearSolutionField) s.MaskEdit1->clear();
        platform.message(this, QString::fromStdString(check.message));
        return;
    }

    if (stage2.Panel2) stage2.Panel2->hide();
    if (stage1.GroupBox1) stage1.GroupBox1->hide();
    if (analysis.Panel41) analysis.Panel41->hide();
    s.Panel3->hide();
    gen.GroupBox2->show();
    gen.GroupBox2->raise();
    if (print.Panel31) {
        print.Panel31->show();
        print.Panel31->raise();
    }
    gen.Button23->setEnabled(false);
    gen.Edit1->setEnabled(false);
    gen.Button33->setEnabled(false);
    gen.Button24->setEnabled(false);
    for (QWidget* button :
         {static_cast<QWidget*>(print.Button30), static_cast<QWidget*>(print.Button25),
          static_cast<QWidget*>(print.Button32), static_cast<QWidget*>(print.Button26),
          static_cast<QWidget*>(print.Button29)})
        setEnabledIf(button, false);
    gen.Button20->setEnabled(true);
}

void TZuvoform::Button17Click() {
    stage3.Panel3->hide();
    setEnabledIf(stage2.Panel2, true);
    setEnabledIf(stage2.Button14, true);
    setEnabledIf(stage2.Button15, true);
    setEnabledIf(stage2.Button16, true);
    Timer5->start();
}

void TZuvoform::RadioButton1Click() {
    Stage3Area& s = stage3;
    s.RadioButton1->setChecked(true);
    s.RadioButton2->setChecked(false);
    s.UpDown1->setPosition(kRangeMin);
    s.UpDown2->setPosition(kRangeMax);
    s.Edit42->clear();
    s.Edit43->clear();
    colourRange(*this, ui::kFace, ui::kWindow);
    s.Panel30->setEnabled(false);
}

void TZuvoform::RadioButton2Click() {
    Stage3Area& s = stage3;
    s.RadioButton2->setChecked(true);
    s.RadioButton1->setChecked(false);
    s.Panel30->setEnabled(true);
    colourRange(*this, ui::kTeal, ui::kWindow);
    s.Edit42->setText(QString::number(s.UpDown1->position()));
    s.Edit43->setText(QString::number(s.UpDown2->position()));
}

void TZuvoform::UpDown1Click() {
    Stage3Area& s = stage3;
    s.UpDown1->setPosition(zuvo::stepRangeLow(s.UpDown1->position(), s.UpDown2->position()));
    s.Edit42->setText(QString::number(s.UpDown1->position()));
}

void TZuvoform::UpDown2Click() {
    Stage3Area& s = stage3;
    s.UpDown2->setPosition(zuvo::stepRangeHigh(s.UpDown1->position(), s.UpDown2->position()));
    s.Edit43->setText(QString::number(s.UpDown2->position()));
}
