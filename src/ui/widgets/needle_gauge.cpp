#include "ui/widgets/needle_gauge.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>

TNeedleGauge::TNeedleGauge(QWidget* parent) : QWidget(parent) {}

void TNeedleGauge::setValue(int value) {
    const int clamped = std::clamp(value, 0, 100);
    if (clamped == value_) return;
    value_ = clamped;
    update();
}

double TNeedleGauge::needleAngle(int value) {
    // 0 lies on the left end of the half dial, 100 on the right end.
    return 180.0 - 1.8 * std::clamp(value, 0, 100);
}

void TNeedleGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QRectF area = QRectF(rect()).adjusted(1, 1, -1, -1);
    painter.setPen(QPen(palette().color(QPalette::Dark), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(area);

    // The dial: a half circle standing on a baseline near the bottom; the value text below.
    const double textHeight = fontMetrics().height();
    const double radius =
        std::max(4.0, std::min(area.width() / 2.0 - 6.0, area.height() - textHeight - 10.0));
    const QPointF centre(area.center().x(), area.top() + 4.0 + radius);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
    const QRectF dial(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.drawArc(dial, 0, 180 * 16);

    // Ticks every 10, longer every 50.
    for (int v = 0; v <= 100; v += 10) {
        const double a = qDegreesToRadians(needleAngle(v));
        const double inner = radius * (v % 50 == 0 ? 0.78 : 0.88);
        const QPointF dir(std::cos(a), -std::sin(a));
        painter.drawLine(centre + dir * inner, centre + dir * radius);
    }

    // The needle, red as on a real meter.
    const double a = qDegreesToRadians(needleAngle(value_));
    const QPointF tip = centre + QPointF(std::cos(a), -std::sin(a)) * (radius * 0.92);
    painter.setPen(QPen(QColor(200, 0, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre, tip);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Text));
    painter.drawEllipse(centre, 3.0, 3.0);

    painter.setPen(palette().color(QPalette::Text));
    const QRectF textArea(area.left(), centre.y() + 3.0, area.width(), textHeight);
    painter.drawText(textArea, Qt::AlignCenter, QStringLiteral("%1 %").arg(value_));
}
