#pragma once
// Stage 2: structure counts, the template check boxes and the commands.
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;

struct Stage2Area {
    QFrame* Panel2 = nullptr;
    std::array<QCheckBox*, 30> templateBoxes{};  // CheckBox1 .. CheckBox30
    QLabel* Label9 = nullptr;                    // "Faworytów : "
    QLabel* Label10 = nullptr;                   // "Pozycji dwudrogowych : "
    QLabel* Label11 = nullptr;                   // "Pozycji trzydrogowych : "
    QLabel* Label12 = nullptr;                   // "Możliwych kombinacji : "
    QLabel* Label13 = nullptr;                   // notice: no template fits
    QLabel* Label94 = nullptr;                   // legend
    QPushButton* Button14 = nullptr;             // "Dalej"
    QPushButton* Button15 = nullptr;             // "Wstecz"
    QPushButton* Button16 = nullptr;             // "Extra"
    QPushButton* Button36 = nullptr;             // "Analiza"
    QLabel* Label95 = nullptr;                   // first reminder
    QLabel* Label18 = nullptr;                   // second reminder
};
