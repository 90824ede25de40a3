#pragma once
// The print panel, the text-print instructions and the calibration panel.
#include <array>

class QButtonGroup;
class QFrame;
class QGroupBox;
class QImage;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QString;
class TUpDown;
class TZuvoform;

struct PrintArea {
    QFrame* Panel31 = nullptr;         // "WYDRUK  SYSTEMU"
    QPushButton* Button30 = nullptr;   // "TEST"
    QPushButton* Button26 = nullptr;   // "Drukuj"
    QPushButton* Button32 = nullptr;   // "Powtórz"
    QPushButton* Button25 = nullptr;   // "Drukuj - txt"
    QPushButton* Button29 = nullptr;   // "Koniec wydruku"
    QLabel* Label59 = nullptr;         // forms needed
    QLabel* Label60 = nullptr;         // forms printed
    QFrame* Panel32 = nullptr;         // "Kolejność postępowania"
    QFrame* Panel52 = nullptr;         // calibration
    QGroupBox* RadioGroup1 = nullptr;  // coupon kind A / B
    std::array<QRadioButton*, 2> couponItems{};
    QButtonGroup* couponGroup = nullptr;
    QLineEdit* Edit44 = nullptr;      // L
    QLineEdit* Edit45 = nullptr;      // P
    QLineEdit* Edit46 = nullptr;      // G
    QLineEdit* Edit47 = nullptr;      // D
    TUpDown* UpDown3 = nullptr;       // horizontal: left edge
    TUpDown* UpDown4 = nullptr;       // vertical: top edge
    QPushButton* Button31 = nullptr;  // "Drukuj" (test pattern)
    QPushButton* Button34 = nullptr;  // "Zapisz"
    QPushButton* Button35 = nullptr;  // "Koniec"
};

namespace printing {

// Builds Panel52 over the print panel; called by buildPrintPanel.
void buildCalibrationPanel(TZuvoform& window);
// One print job: the coupon image stretched onto the calibrated rectangle of the coupon type
// in use. A failed job is reported with the platform's text; false then.
bool printCouponImage(TZuvoform& window, const QImage& image);
// Shown instead of printing when "Index.txt" named neither form A nor form B.
QString unknownCouponTypeText();

}  // namespace printing
