#pragma once
// "Szanse trafień": the guarantee a system really gives and the exact chances, under the
// forecast, of its best column's hit count, with a bar chart.
#include <QDialog>
#include <array>
#include <cstdint>

#include "model/cover/conditions.h"
#include "model/cover/verify.h"

class QLabel;
class QPushButton;
class THitChart;

class ChancesDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ChancesDialog(QWidget* parent);

    void showChances(const zuvo::cover::HitChances& chances, std::size_t columns,
                     std::uint64_t combinations, const zuvo::cover::Conditions& conditions = {});

    QLabel* systemLabel = nullptr;
    QLabel* guaranteeLabel = nullptr;
    QLabel* conditionsLabel = nullptr;      // only for a system built for conditions
    std::array<QLabel*, 4> chanceLabels{};  // 13, at least 12, 11, 10 hits
    THitChart* chart = nullptr;
    QPushButton* closeButton = nullptr;
};
