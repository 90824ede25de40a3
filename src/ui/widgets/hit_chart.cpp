#include "ui/widgets/hit_chart.h"

#include <QPainter>
#include <algorithm>

#include "ui/colors.h"
#include "ui/widget_utils.h"

// The fullest form of a bar's value that fits its slot whole: with its unit, without it, with
// fewer places; nothing at all rather than a cut number.
QString THitChart::fittingLabel(const QFontMetrics& metrics, double share, int width) {
    const int places = share >= 0.1 ? 1 : 2;
    const QString forms[] = {ui::percentWithUnit(share, places), ui::percentText(share, places),
                             ui::percentText(share, places - 1), ui::percentText(share, 0)};
    for (const QString& form : forms)
        if (metrics.horizontalAdvance(form) <= width) return form;
    return {};
}

THitChart::THitChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void THitChart::setChances(const std::array<double, 14>& chance, int lowest) {
    chance_ = chance;
    lowest_ = std::clamp(lowest, 0, 13);
    update();
}

void THitChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ui::kWindow);
    const int bars = 14 - lowest_;
    const QFontMetrics metrics = painter.fontMetrics();
    const int textHeight = metrics.height();
    const int top = textHeight + 4;
    const int bottom = height() - textHeight - 4;
    const int slot = width() / std::max(bars, 1);
    const int barWidth = std::max(4, slot * 2 / 3);
    painter.setPen(Qt::black);
    painter.drawLine(2, bottom, width() - 2, bottom);
    for (int i = 0; i < bars; ++i) {
        const int hits = 13 - i;
        const double share = std::clamp(chance_[static_cast<std::size_t>(hits)], 0.0, 1.0);
        const int x = i * slot + (slot - barWidth) / 2;
        const int barHeight = static_cast<int>(share * (bottom - top) + 0.5);
        painter.fillRect(QRect(x, bottom - barHeight, barWidth, barHeight), ui::kTeal);
        const QString label = fittingLabel(metrics, share, slot - 2);
        if (!label.isEmpty())
            painter.drawText(QRect(i * slot, bottom - barHeight - textHeight - 2, slot, textHeight),
                             Qt::AlignCenter, label);
        painter.drawText(QRect(i * slot, bottom + 2, slot, textHeight), Qt::AlignCenter,
                         QString::number(hits));
    }
}
