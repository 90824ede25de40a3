#pragma once
// The generator screen: list, status, commands and the result check.
#include <QPalette>
#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class HitListModel;
class SystemListModel;
class TSystemListView;
class QProgressBar;
class QPushButton;

struct GeneratorArea {
    QGroupBox* GroupBox2 = nullptr;  // "Generator systemu "
    QLabel* Image3 = nullptr;        // "Dravik.bmp"
    QFrame* Panel4 = nullptr;        // video panel over the picture
    QLabel* Label105 = nullptr;      // warning caption
    TSystemListView* ListBox1 = nullptr;
    SystemListModel* listModel = nullptr;  // over the program state's system list
    QLabel* Label35 = nullptr;             // generated count
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* Label37 = nullptr;               // time left
    QFrame* Panel29 = nullptr;               // time indicator
    QLabel* Label39 = nullptr;               // selection
    std::array<QFrame*, 6> indicatorBars{};  // Panel23 .. Panel28
    // Prebuilt looks of the bars, [0] for an even first draw and [1] for an odd one, and the
    // look they show now (-1: the face colour); the step timer recolours them every tick.
    std::array<std::array<QPalette, 6>, 2> barLooks;
    int barParity = -1;
    QPushButton* Button19 = nullptr;  // "Wstecz"
    QPushButton* Button20 = nullptr;  // "Dalej"
    QPushButton* Button33 = nullptr;  // "Zapisz"
    QPushButton* Button24 = nullptr;  // "Wydruk"
    // result check
    QLineEdit* Edit1 = nullptr;
    QPushButton* Button23 = nullptr;          // "OK"
    std::array<QLabel*, 4> hitCounts{};       // Label43 .. Label46 (13, 12, 11, 10 hits)
    std::array<QListView*, 4> numberLists{};  // ListBox2 .. ListBox5
    std::array<QListView*, 4> couponLists{};  // ListBox6 .. ListBox9
    std::array<HitListModel*, 4> numberModels{};
    std::array<HitListModel*, 4> couponModels{};
};

class QRect;
class TZuvoform;

// Builds the " Rezultaty " group (Edit1, "OK", counts and hit lists) inside the generator screen.
void buildResultCheck(TZuvoform& window, QGroupBox* screen, const QRect& geometry);

// Empties the time and selection labels, the results box, the hit counts and lists and the progress
// bar, and returns the activity bars and the time indicator to the face colour.
void clearGeneratorStatus(GeneratorArea& area);
