#pragma once
// Menu, background, intro and farewell controls.
#include <array>

class QAction;
class QLabel;
class QFrame;
class QMenu;
class QPushButton;

struct ShellArea {
    // "System" menu
    QMenu* System1 = nullptr;
    QMenu* Nowy1 = nullptr;         // "Nowy"
    QAction* Symulacja1 = nullptr;  // "Symulacyjny"
    QMenu* Gwarancyjny1 = nullptr;  // "Gwarancyjny"
    QAction* Globalny1 = nullptr;
    QAction* Preferencyjny1 = nullptr;
    QAction* Otworz1 = nullptr;  // "Otwórz"
    QAction* Zapisz1 = nullptr;  // "Zapisz"
    QAction* Szanse1 = nullptr;  // "Szanse trafień"
    QAction* Wyjcie1 = nullptr;  // "Wyjście"

    // "System" menu: the forecast file, after "Zapisz"
    QAction* OtworzPrognoze1 = nullptr;  // "Otwórz prognozę"
    QAction* ZapiszPrognoze1 = nullptr;  // "Zapisz prognozę"

    // "Pomoc" menu
    QMenu* Pomoc1 = nullptr;
    QAction* Opissystemu1 = nullptr;  // "Tematy pomocy"

    QLabel* Image4 = nullptr;   // background picture
    QFrame* Panel34 = nullptr;  // strip along the top

    std::array<QLabel*, 28> introLetters{};  // Label61 .. Label88
    QLabel* Label91 = nullptr;               // company line
    QLabel* Label92 = nullptr;               // slogan
    QPushButton* Button27 = nullptr;         // "Symulacja komputerowa"
    QPushButton* Button28 = nullptr;         // "Systemy gwarancyjne"

    QLabel* Label116 = nullptr;  // farewell, top
    QLabel* Label117 = nullptr;  // farewell, bottom right
};
