#include "ui/widgets/up_down.h"

#include <QBoxLayout>
#include <QToolButton>
#include <algorithm>

TUpDown::TUpDown(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    const bool vertical = orientation == Qt::Vertical;
    auto* layout =
        new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_->setArrowType(vertical ? Qt::UpArrow : Qt::RightArrow);
    down_->setArrowType(vertical ? Qt::DownArrow : Qt::LeftArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        layout->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, &TUpDown::stepUp);
    connect(down_, &QToolButton::clicked, this, &TUpDown::stepDown);
}

void TUpDown::setAccessibleNames(const QString& subject) {
    const bool vertical = up_->arrowType() == Qt::UpArrow;
    up_->setAccessibleName(subject +
                           (vertical ? QStringLiteral(": w górę") : QStringLiteral(": w prawo")));
    down_->setAccessibleName(subject +
                             (vertical ? QStringLiteral(": w dół") : QStringLiteral(": w lewo")));
}

void TUpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = clamp(position_);
}

int TUpDown::clamp(int value) const {
    return std::clamp(value, std::min(minimum_, maximum_), std::max(minimum_, maximum_));
}

void TUpDown::setPosition(int position) {
    position_ = clamp(position);
}

void TUpDown::stepUp() {
    position_ = clamp(position_ + (maximum_ >= minimum_ ? 1 : -1));
    emit clicked();
}

void TUpDown::stepDown() {
    position_ = clamp(position_ + (maximum_ >= minimum_ ? -1 : 1));
    emit clicked();
}
