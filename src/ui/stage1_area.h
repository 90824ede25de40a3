#pragma once
// Stage 1: the 13 positions and the editor.
#include <array>

class QGroupBox;
class QObject;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class TNeedleGauge;

struct Stage1Area {
    QGroupBox* GroupBox1 = nullptr;                  // "Etapy edycji danych"
    std::array<QPushButton*, 13> positionButtons{};  // Button1 .. Button13, "Pozycja  1" ...
    std::array<QLineEdit*, 39> percentEdits{};  // Edit2 .. Edit40, three per position (1, 0, 2)
    QFrame* Panel1 = nullptr;                   // entry panel
    QLabel* Label2 = nullptr;                   // caption line
    QScrollBar* ScrollBar1 = nullptr;
    QScrollBar* ScrollBar2 = nullptr;
    TNeedleGauge* Gauge1 = nullptr;
    TNeedleGauge* Gauge2 = nullptr;   // outcome 0
    TNeedleGauge* Gauge3 = nullptr;   // outcome 2
    QPushButton* Button22 = nullptr;  // Stage-1 "Dalej"
    // Watches the whole application for the player's selecting acts; it must go before the
    // window starts to come apart, or it would see the focus events of the window's closing.
    QObject* positionFilter = nullptr;
};
