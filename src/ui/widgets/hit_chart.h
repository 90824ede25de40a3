#pragma once
// Bars of the chance of each best hit count, from 13 hits down, the percentage above each bar.
#include <QFontMetrics>
#include <QString>
#include <QWidget>
#include <array>

class THitChart : public QWidget {
    Q_OBJECT
  public:
    explicit THitChart(QWidget* parent = nullptr);

    // chance[h]: chance that the best column has exactly h hits; bars from 13 down to `lowest`.
    void setChances(const std::array<double, 14>& chance, int lowest);
    int lowest() const { return lowest_; }
    double chance(int hits) const { return chance_[static_cast<std::size_t>(hits)]; }
    // The value shown above a bar `width` pixels wide; empty when no form of it fits.
    static QString fittingLabel(const QFontMetrics& metrics, double share, int width);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<double, 14> chance_{};
    int lowest_ = 10;
};
