#pragma once
// An up-down spinner: integer range, step 1, no wrap. A range given with its minimum above its
// maximum reverses the arrows (the "up" arrow then moves toward the maximum, i.e. downwards).
#include <QWidget>

class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
  public:
    TUpDown(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Clamped to the range.
    void setPosition(int position);
    int position() const { return position_; }

    // The arrow toward the maximum ("up" / right) and toward the minimum ("down" / left).
    void stepUp();
    void stepDown();
    // Names the arrows for a screen reader after what they move ("Od: w górę").
    void setAccessibleNames(const QString& subject);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    // After every arrow click, also when the position did not move.
    void clicked();

  private:
    int clamp(int value) const;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    QToolButton* up_;
    QToolButton* down_;
};
