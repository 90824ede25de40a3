#pragma once
// Small factories for the window's controls: every control gets its name as objectName.
#include <QColor>
#include <QRect>
#include <QString>

class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ui {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
// The navy, bold, centred heading of a stage panel ("ETAP  2"), two points above the panel's font.
QLabel* makeHeading(QWidget* parent, const char* name, const QString& text, const QRect& geometry);
QPushButton* makeButton(QWidget* parent, const char* name, const QString& text,
                        const QRect& geometry, const QString& hint = {});
// A raised panel that paints its own background.
QFrame* makePanel(QWidget* parent, const char* name, const QRect& geometry);
// A read-only or editable single-line box with a maximum length.
QLineEdit* makeEdit(QWidget* parent, const char* name, const QRect& geometry, int maxLength);

// "1 kolumna", "3 kolumny", "12 kolumn", "22 kolumny": Polish counts its nouns.
QString columnsText(unsigned long long count);
// "1 trafienie", "3 trafienia", "12 trafień", "22 trafienia".
QString hitsText(int count);

// A chance as a percentage with `decimals` places, "83.8": cut, not rounded, so that a chance
// short of certainty never reads as 100. Certainty (a share of 1) reads "100.0".
QString percentText(double share, int decimals);
// The same followed by a blank that never breaks and "%", so a caption keeps them on one line.
QString percentWithUnit(double share, int decimals);

// The font every control starts from; the screens are laid out for it.
QFont applicationFont();

void setBackgroundColor(QWidget* widget, const QColor& color);
QColor backgroundColor(const QWidget* widget);
void setTextColor(QWidget* widget, const QColor& color);

}  // namespace ui
