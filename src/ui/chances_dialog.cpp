#include "ui/chances_dialog.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <array>

#include "ui/colors.h"
#include "ui/conditions_dialog.h"
#include "ui/widget_utils.h"
#include "ui/widgets/hit_chart.h"

namespace {

QString percentText(double share) {
    return ui::percentWithUnit(share, 2);
}

}  // namespace

ChancesDialog::ChancesDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ChancesDialog"));
    setWindowTitle(QStringLiteral("Szanse trafień"));
    setFixedSize(420, 400);
    setModal(true);

    systemLabel = ui::makeLabel(this, "ChancesSystem", QString(), {16, 12, 388, 18});
    guaranteeLabel = ui::makeLabel(this, "ChancesGuarantee", QString(), {16, 32, 388, 18});
    QFont bold = guaranteeLabel->font();
    bold.setBold(true);
    guaranteeLabel->setFont(bold);
    ui::setTextColor(guaranteeLabel, ui::kNavy);
    conditionsLabel = ui::makeLabel(this, "ChancesConditions", QString(), {16, 50, 388, 30});
    conditionsLabel->setWordWrap(true);
    ui::setTextColor(conditionsLabel, ui::kNavy);
    ui::makeLabel(this, "ChancesCaption",
                  QStringLiteral("Szansa, że najlepsza kolumna systemu ma:"), {16, 80, 388, 18});
    const QString captions[4] = {
        QStringLiteral("13 trafień"), QStringLiteral("co najmniej 12 trafień"),
        QStringLiteral("co najmniej 11 trafień"), QStringLiteral("co najmniej 10 trafień")};
    for (int i = 0; i < 4; ++i) {
        const QByteArray caption = "ChancesCaption" + QByteArray::number(13 - i);
        ui::makeLabel(this, caption.constData(), captions[i], {32, 98 + i * 18, 200, 18});
        const QByteArray value = "ChancesValue" + QByteArray::number(13 - i);
        chanceLabels[i] =
            ui::makeLabel(this, value.constData(), QString(), {236, 98 + i * 18, 90, 18});
        chanceLabels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        chanceLabels[i]->setFont(bold);
    }
    chart = new THitChart(this);
    chart->setObjectName(QStringLiteral("ChancesChart"));
    chart->setGeometry(16, 180, 388, 168);
    chart->setToolTip(QStringLiteral("Szansa każdej liczby trafień najlepszej kolumny"));
    closeButton =
        ui::makeButton(this, "ChancesClose", QStringLiteral("Zamknij"), {316, 360, 88, 28});
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
}

void ChancesDialog::showChances(const zuvo::cover::HitChances& chances, std::size_t columns,
                                std::uint64_t combinations,
                                const zuvo::cover::Conditions& conditions) {
    systemLabel->setText(QStringLiteral("System: %1, możliwych kombinacji: %2")
                             .arg(ui::columnsText(columns))
                             .arg(combinations));
    guaranteeLabel->setText(QStringLiteral("Gwarancja systemu: ") +
                            ui::hitsText(chances.guarantee));
    // Every played result gets at least the guarantee: that chance is certain, whatever a sum of
    // doubles just under 1 would say.
    const auto atLeast = [&](int hits) {
        return hits <= chances.guarantee ? 1.0 : chances.atLeast(hits);
    };
    for (int i = 0; i < 4; ++i) chanceLabels[i]->setText(percentText(atLeast(13 - i)));
    // The hit chances stay over every played result; a system built for conditions adds how
    // likely they are and what it guarantees under them.
    conditionsLabel->setText(
        conditions.none()
            ? QString()
            : QStringLiteral("Wynik spełnia warunki (%1) z szansą %2; wtedy gwarancja: %3.")
                  .arg(ui::conditionsText(conditions), percentText(chances.meetsChance),
                       ui::hitsText(chances.guaranteeMeeting)));
    // A single bar holding every result is certain too.
    std::array<double, 14> exactly = chances.exactly;
    if (std::count_if(exactly.begin(), exactly.end(), [](double c) { return c > 0; }) == 1)
        std::replace_if(
            exactly.begin(), exactly.end(), [](double c) { return c > 0; }, 1.0);
    // Never fewer bars than 13 down to 10; more when the guarantee lies lower.
    chart->setChances(exactly, std::min(10, chances.guarantee));
}
