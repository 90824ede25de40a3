#pragma once
// Stage 3: the generator options.
#include <array>

class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TUpDown;

struct Stage3Area {
    QFrame* Panel3 = nullptr;
    QLineEdit* MaskEdit1 = nullptr;  // number of solutions
    QLineEdit* MaskEdit2 = nullptr;  // time limit
    QGroupBox* Radiotyp = nullptr;   // "Typ rozwiązań "
    std::array<QRadioButton*, 3> typeItems{};
    QButtonGroup* typeGroup = nullptr;      // ids 0..2 = item index
    std::array<QCheckBox*, 6> maskBoxes{};  // MaskBox1 .. MaskBox6
    QRadioButton* RadioButton1 = nullptr;   // "Dowolna"
    QRadioButton* RadioButton2 = nullptr;   // "Ustalona"
    QFrame* Panel30 = nullptr;
    TUpDown* UpDown1 = nullptr;
    TUpDown* UpDown2 = nullptr;
    QLineEdit* Edit42 = nullptr;
    QLineEdit* Edit43 = nullptr;
    QPushButton* Button17 = nullptr;  // "Wstecz"
    QPushButton* Button18 = nullptr;  // "Dalej"
};
