#pragma once
// A needle gauge showing a value of 0 to 100 on a half dial, with the value written below.
#include <QWidget>

class TNeedleGauge : public QWidget {
    Q_OBJECT
  public:
    explicit TNeedleGauge(QWidget* parent = nullptr);
    // Clamped to 0..100.
    void setValue(int value);
    int value() const { return value_; }

    // Direction of the needle in degrees: 180 (left) for 0, 90 (up) for 50, 0 (right) for 100.
    static double needleAngle(int value);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int value_ = 0;
};
