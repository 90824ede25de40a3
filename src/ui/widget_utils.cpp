#include "ui/widget_utils.h"

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "ui/colors.h"

namespace ui {

namespace {

// Polish takes the singular for 1, a "few" form for 2-4 (not 12-14) and the "many" form else.
QString countedNoun(unsigned long long count, const char* one, const char* few, const char* many) {
    const unsigned long long tens = count % 100;
    const unsigned long long ones = count % 10;
    const char* noun = count == 1                                           ? one
                       : ones >= 2 && ones <= 4 && (tens < 12 || tens > 14) ? few
                                                                            : many;
    return QString::number(count) + QLatin1Char(' ') + QString::fromUtf8(noun);
}

}  // namespace

QString columnsText(unsigned long long count) {
    return countedNoun(count, "kolumna", "kolumny", "kolumn");
}

QString hitsText(int count) {
    return countedNoun(static_cast<unsigned long long>(std::max(count, 0)), "trafienie",
                       "trafienia", "trafień");
}

QString percentText(double share, int decimals) {
    const double scale = std::pow(10.0, decimals);
    // A share is a sum of doubles: 0.3 may arrive as 0.29999999999999; a margin far below the
    // last place keeps it from being cut a whole place down. Only certainty reads 100.
    const double units = std::floor(share * 100.0 * scale + 1e-6);
    const double percent = share >= 1.0 ? 100.0 : std::min(units / scale, 100.0 - 1.0 / scale);
    return QString::number(std::max(percent, 0.0), 'f', decimals);
}

QString percentWithUnit(double share, int decimals) {
    return percentText(share, decimals) + QChar(0x00A0) + QLatin1Char('%');
}

QFont applicationFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    return label;
}

QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    QLabel* heading = makeLabel(parent, name, text, geometry);
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSize(font.pointSize() + 2);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    setTextColor(heading, kNavy);
    return heading;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry, const QString& hint) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    if (!hint.isEmpty()) button->setToolTip(hint);
    return button;
}

QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setGeometry(geometry);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setAutoFillBackground(true);
    return panel;
}

QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setGeometry(geometry);
    edit->setMaxLength(maxLength);
    return edit;
}

void setBackgroundColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Base, color);
    palette.setColor(QPalette::Button, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor backgroundColor(const QWidget* widget) {
    return widget->palette().color(QPalette::Window);
}

void setTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

}  // namespace ui
