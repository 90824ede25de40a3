#pragma once
// A needle gauge showing a value of 0 to 100.
#include <QWidget>

class TNeedleGauge : public QWidget {
    Q_OBJECT
public:
    explicit TNeedleGauge(QWidget* parent = nullptr);
    // Clamped to 0..100.
    void setValue(int value);
    int value() const { return value_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int value_ = 0;
};
