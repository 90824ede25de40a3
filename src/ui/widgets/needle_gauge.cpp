#include "ui/widgets/needle_gauge.h"

#include <QPainter>
#include <algorithm>

TNeedleGauge::TNeedleGauge(QWidget* parent) : QWidget(parent) {}

void TNeedleGauge::setValue(int value) {
    value_ = std::clamp(value, 0, 100);
    update();
}

void TNeedleGauge::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawText(rect(), Qt::AlignCenter, QString::number(value_));
}
