#include "ui/conditions_dialog.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "model/cover/filter.h"
#include "ui/colors.h"
#include "ui/platform.h"
#include "ui/widget_utils.h"

namespace cover = zuvo::cover;

namespace {

const char* const kNames[4] = {"Jedynki (1)", "Remisy (0)", "Dwójki (2)", "Faworyci"};
const char* const kShort[4] = {"1", "0", "2", "faworyci"};
const char* const kBoxNames[4] = {"Ones", "Draws", "Twos", "Favourites"};

std::array<cover::CountRange*, 4> rangesOf(cover::Conditions& c) {
    return {&c.ones, &c.draws, &c.twos, &c.favourites};
}
std::array<const cover::CountRange*, 4> rangesOf(const cover::Conditions& c) {
    return {&c.ones, &c.draws, &c.twos, &c.favourites};
}

QString quoted(const QString& text) {
    return QStringLiteral("\u201E") + text + QStringLiteral("\u201D");
}

QString rangeError(int i, const cover::CountRange& range) {
    const QString name = quoted(QString::fromUtf8(kNames[i]));
    if (range.low < 0 || range.low > 13 || range.high < 0 || range.high > 13)
        return QStringLiteral("Warunek %1: liczby od 0 do 13.").arg(name);
    if (range.low > range.high)
        return QStringLiteral("Warunek %1: %2 (%3) jest większe niż %4 (%5).")
            .arg(name, quoted(QStringLiteral("od")))
            .arg(range.low)
            .arg(quoted(QStringLiteral("do")))
            .arg(range.high);
    return {};
}

QLineEdit* numberBox(QWidget* parent, const QString& name, const QRect& geometry,
                     const QString& accessible) {
    QLineEdit* edit = ui::makeEdit(parent, name.toLatin1().constData(), geometry, 4);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral(" *[0-9]{0,2} *")), edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setAccessibleName(accessible);
    return edit;
}

}  // namespace

namespace ui {

QString conditionsText(const cover::Conditions& conditions) {
    QStringList parts;
    const auto ranges = rangesOf(conditions);
    for (int i = 0; i < 4; ++i)
        if (!ranges[i]->whole())
            parts << QStringLiteral("%1: %2\u2013%3")
                         .arg(QString::fromUtf8(kShort[i]))
                         .arg(ranges[i]->low)
                         .arg(ranges[i]->high);
    return parts.join(QStringLiteral(", "));
}

QString conditionsError(const cover::Play& play, const cover::Conditions& conditions) {
    const auto ranges = rangesOf(conditions);
    for (int i = 0; i < 4; ++i)
        if (const QString error = rangeError(i, *ranges[i]); !error.isEmpty()) return error;
    if (!conditions.none() && cover::countConditions(play, conditions).admitted == 0)
        return QStringLiteral(
            "Żadna z grywanych kombinacji nie spełnia tych warunków. Zmień "
            "warunki.");
    return {};
}

}  // namespace ui

ConditionsDialog::ConditionsDialog(Platform& platform, QWidget* parent)
    : QDialog(parent), platform_(platform) {
    setObjectName(QStringLiteral("ConditionsDialog"));
    setWindowTitle(QStringLiteral("Warunki"));
    setFixedSize(380, 282);
    setWindowModality(Qt::WindowModal);

    QLabel* intro = ui::makeLabel(
        this, "ConditionsIntro",
        QStringLiteral("Gwarancja obejmie tylko wyniki, które spełniają warunki; kolumny "
                       "systemu też je spełniają. Liczy się wszystkie 13 pozycji."),
        {16, 8, 348, 48});
    intro->setWordWrap(true);
    ui::makeLabel(this, "ConditionsFrom", QStringLiteral("od"), {176, 60, 48, 18})
        ->setAlignment(Qt::AlignCenter);
    ui::makeLabel(this, "ConditionsTo", QStringLiteral("do"), {236, 60, 48, 18})
        ->setAlignment(Qt::AlignCenter);
    for (int i = 0; i < 4; ++i) {
        const int y = 80 + i * 30;
        const QString name = QString::fromUtf8(kNames[i]);
        ui::makeLabel(this, (QByteArray("ConditionsCaption") + kBoxNames[i]).constData(), name,
                      {24, y, 148, 24});
        lowEdits[i] = numberBox(this, QStringLiteral("Edit%1From").arg(kBoxNames[i]),
                                {176, y, 48, 24}, name + QStringLiteral(" od"));
        highEdits[i] = numberBox(this, QStringLiteral("Edit%1To").arg(kBoxNames[i]),
                                 {236, y, 48, 24}, name + QStringLiteral(" do"));
        connect(lowEdits[i], &QLineEdit::textChanged, this, &ConditionsDialog::showCount);
        connect(highEdits[i], &QLineEdit::textChanged, this, &ConditionsDialog::showCount);
    }
    countLabel = ui::makeLabel(this, "ConditionsCount", QString(), {16, 202, 348, 34});
    countLabel->setWordWrap(true);
    QFont bold = countLabel->font();
    bold.setBold(true);
    countLabel->setFont(bold);
    ui::setTextColor(countLabel, ui::kNavy);

    clearButton = ui::makeButton(this, "ButtonConditionsClear", QStringLiteral("Bez warunków"),
                                 {16, 244, 112, 28});
    okButton = ui::makeButton(this, "ButtonConditionsOk", QStringLiteral("OK"), {184, 244, 88, 28});
    cancelButton = ui::makeButton(this, "ButtonConditionsCancel", QStringLiteral("Anuluj"),
                                  {276, 244, 88, 28});
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &ConditionsDialog::confirm);
    connect(clearButton, &QPushButton::clicked, this, &ConditionsDialog::clearAll);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void ConditionsDialog::edit(const cover::Play& play, const cover::Conditions& current) {
    play_ = play;
    conditions_ = current;
    const auto ranges = rangesOf(current);
    for (int i = 0; i < 4; ++i) {
        lowEdits[i]->setText(QString::number(ranges[i]->low));
        highEdits[i]->setText(QString::number(ranges[i]->high));
    }
    showCount();
    open();
    lowEdits[0]->setFocus();
}

QString ConditionsDialog::read(cover::Conditions& out) const {
    const auto ranges = rangesOf(out);
    for (int i = 0; i < 4; ++i) {
        bool lowOk = false;
        bool highOk = false;
        ranges[i]->low = lowEdits[i]->text().trimmed().toInt(&lowOk);
        ranges[i]->high = highEdits[i]->text().trimmed().toInt(&highOk);
        if (!lowOk || !highOk)
            return QStringLiteral("Warunek %1: wpisz liczby od 0 do 13.")
                .arg(quoted(QString::fromUtf8(kNames[i])));
    }
    return ui::conditionsError(play_, out);
}

void ConditionsDialog::showCount() {
    cover::Conditions read_;
    if (const QString error = read(read_); !error.isEmpty()) {
        countLabel->setText(error);
        return;
    }
    const cover::ConditionsCount count = cover::countConditions(play_, read_);
    countLabel->setText(QStringLiteral("Kombinacji spełniających warunki: %1 z %2 (szansa %3)")
                            .arg(count.admitted)
                            .arg(count.total)
                            .arg(ui::percentWithUnit(count.chance, 2)));
}

void ConditionsDialog::confirm() {
    cover::Conditions entered;
    if (const QString error = read(entered); !error.isEmpty()) {
        platform_.message(this, error);
        return;
    }
    conditions_ = entered;
    accept();
}

void ConditionsDialog::clearAll() {
    for (int i = 0; i < 4; ++i) {
        lowEdits[i]->setText(QStringLiteral("0"));
        highEdits[i]->setText(QStringLiteral("13"));
    }
}
