// The menu, the background, start-up and the intro.
#include <QAction>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/list_models.h"
#include "ui/widget_utils.h"
#include "ui/widgets/system_list_view.h"
#include "ui/window_placement.h"

namespace {

constexpr int kIntroLetterCount = 28;

QAction* addEntry(QMenu* menu, const char* name, const QString& text) {
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* addSubmenu(QMenu* parent, const char* name, const QString& text) {
    QMenu* menu = parent->addMenu(text);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
    return menu;
}

QFont boldFont(int pixelSize) {
    QFont font;
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// A caption drawn straight onto the background.
QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                    int pixelSize, const QColor& color) {
    QLabel* label = ui::makeLabel(parent, name, text, geometry);
    label->setFont(boldFont(pixelSize));
    ui::setTextColor(label, color);
    label->hide();
    return label;
}

// Loads a picture of the start directory; a missing or unreadable file leaves the label empty,
// the program works without it.
void loadPicture(QLabel* label, const QString& path) {
    if (label == nullptr) return;
    QPixmap picture(path);
    if (!picture.isNull()) label->setPixmap(picture);
}

// The background picture keeps its colours in the farewell, when the whole window is disabled
// (a plain label would draw it washed out then).
class BackgroundPicture : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        const QPixmap picture = pixmap();
        if (picture.isNull()) return;
        QPainter painter(this);
        const QRect target(QPoint(0, 0), picture.size());
        painter.drawPixmap(target.translated(rect().center() - target.center()), picture);
    }
};

void enableSystemEntries(TZuvoform& w, bool enabled) {
    w.shell.Symulacja1->setEnabled(enabled);
    w.shell.Gwarancyjny1->setEnabled(enabled);
    w.shell.Globalny1->setEnabled(enabled);
    w.shell.Preferencyjny1->setEnabled(enabled);
    w.shell.Otworz1->setEnabled(enabled);
    w.shell.Wyjcie1->setEnabled(enabled);
}

}  // namespace

void TZuvoform::buildShell() {
    setWindowTitle(QStringLiteral("Zuvo 2001"));
    // A fixed window: system menu and minimising only, no maximising.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    QMenuBar* bar = menuBar();
    shell.System1 = bar->addMenu(QStringLiteral("System"));
    shell.System1->setObjectName(QStringLiteral("System1"));
    shell.Nowy1 = addSubmenu(shell.System1, "Nowy1", QStringLiteral("Nowy"));
    shell.Symulacja1 = addEntry(shell.Nowy1, "Symulacja1", QStringLiteral("Symulacyjny"));
    shell.Gwarancyjny1 = addSubmenu(shell.Nowy1, "Gwarancyjny1", QStringLiteral("Gwarancyjny"));
    shell.Globalny1 = addEntry(shell.Gwarancyjny1, "Globalny1", QStringLiteral("Globalny"));
    shell.Preferencyjny1 =
        addEntry(shell.Gwarancyjny1, "Preferencyjny1", QStringLiteral("Preferencyjny"));
    shell.Otworz1 = addEntry(shell.System1, "Otworz1", QStringLiteral("Otwórz"));
    shell.Zapisz1 = addEntry(shell.System1, "Zapisz1", QStringLiteral("Zapisz"));
    shell.System1->addSeparator();
    shell.OtworzPrognoze1 =
        addEntry(shell.System1, "OtworzPrognoze1", QStringLiteral("Otwórz prognozę"));
    shell.ZapiszPrognoze1 =
        addEntry(shell.System1, "ZapiszPrognoze1", QStringLiteral("Zapisz prognozę"));
    shell.System1->addSeparator();
    shell.Szanse1 = addEntry(shell.System1, "Szanse1", QStringLiteral("Szanse trafień"));
    shell.System1->setToolTipsVisible(true);  // says why "Szanse trafień" is disabled
    shell.System1->addSeparator();
    shell.Wyjcie1 = addEntry(shell.System1, "Wyjcie1", QStringLiteral("Wyjście"));

    shell.Pomoc1 = bar->addMenu(QStringLiteral("Pomoc"));
    shell.Pomoc1->setObjectName(QStringLiteral("Pomoc1"));
    shell.Opissystemu1 = addEntry(shell.Pomoc1, "Opissystemu1", QStringLiteral("Tematy pomocy"));

    // Nothing of the system can be chosen before the intro has ended.
    enableSystemEntries(*this, false);
    shell.Zapisz1->setEnabled(false);
    shell.Szanse1->setEnabled(false);

    connect(shell.Symulacja1, &QAction::triggered, this, &TZuvoform::Symulacja1Click);
    connect(shell.Globalny1, &QAction::triggered, this, &TZuvoform::Globalny1Click);
    connect(shell.Preferencyjny1, &QAction::triggered, this, &TZuvoform::Preferencyjny1Click);
    connect(shell.Otworz1, &QAction::triggered, this, &TZuvoform::Otworz1Click);
    connect(shell.Zapisz1, &QAction::triggered, this, &TZuvoform::Zapisz1Click);
    connect(shell.OtworzPrognoze1, &QAction::triggered, this, &TZuvoform::OtworzPrognoze1Click);
    connect(shell.ZapiszPrognoze1, &QAction::triggered, this, &TZuvoform::ZapiszPrognoze1Click);
    connect(shell.Szanse1, &QAction::triggered, this, &TZuvoform::Szanse1Click);
    connect(shell.Wyjcie1, &QAction::triggered, this, &TZuvoform::Wyjcie1Click);
    connect(shell.Opissystemu1, &QAction::triggered, this, &TZuvoform::Opissystemu1Click);

    // Built first, so that every panel lies above the picture; the 804 x 536 picture is
    // centred on the client area and its edges fall outside.
    shell.Image4 = new BackgroundPicture(client);
    shell.Image4->setObjectName(QStringLiteral("Image4"));
    shell.Image4->setGeometry(0, 0, kClientWidth, kClientHeight);
    shell.Panel34 = ui::makePanel(client, "Panel34", QRect(0, 0, kClientWidth, 3));
    ui::setBackgroundColor(shell.Panel34, ui::kNavy);
}

void TZuvoform::buildIntro() {
    static const char* const kNames[kIntroLetterCount] = {
        "Label61", "Label62", "Label63", "Label64", "Label65", "Label66", "Label67",
        "Label68", "Label69", "Label70", "Label71", "Label72", "Label73", "Label74",
        "Label75", "Label76", "Label77", "Label78", "Label79", "Label80", "Label81",
        "Label82", "Label83", "Label84", "Label85", "Label86", "Label87", "Label88"};
    // "SYSTEM" falls down a diagonal; the rest of the phrase stands on one line, word by word;
    // the 28th letter is empty and only beeps.
    const QString phrase = QStringLiteral(
        "SYSTEM"
        "ZKTÓRYM"
        "OSIĄGNIESZ"
        "CEL!");
    // Letter indexes that begin a word on the line: "Z", "KTÓRYM", "OSIĄGNIESZ", "CEL!".
    const int wordStarts[] = {6, 7, 13, 23};
    int x = 228;
    for (int i = 0; i < kIntroLetterCount; ++i) {
        QRect geometry;
        if (i < 6) {
            geometry = QRect(52 + 28 * i, 32 + 8 * i, 28, 36);
        } else {
            if (i == wordStarts[1] || i == wordStarts[2] || i == wordStarts[3]) x += 10;
            geometry = QRect(x, 56, 21, 36);
            x += 21;
        }
        const QString text = i < phrase.size() ? QString(phrase.at(i)) : QString();
        QLabel* letter = makeCaption(client, kNames[i], text, geometry, 24, ui::kYellow);
        letter->setAlignment(Qt::AlignCenter);
        shell.introLetters[static_cast<size_t>(i)] = letter;
    }

    shell.Label91 = makeCaption(client, "Label91", QStringLiteral("Firma   Dravik   prezentuje "),
                                QRect(52, 150, 625, 32), 20, ui::kWindow);
    shell.Label91->setAlignment(Qt::AlignCenter);
    shell.Label92 = makeCaption(
        client, "Label92",
        QStringLiteral("Systemy  Totalizatora         piłkarskiego         nowej  generacji "),
        QRect(12, 200, 705, 32), 17, ui::kYellow);
    shell.Label92->setAlignment(Qt::AlignCenter);

    shell.Button27 = ui::makeButton(client, "Button27", QStringLiteral("Symulacja komputerowa"),
                                    QRect(148, 300, 200, 40));
    shell.Button28 = ui::makeButton(client, "Button28", QStringLiteral("Systemy gwarancyjne"),
                                    QRect(381, 300, 200, 40));
    for (QPushButton* button : {shell.Button27, shell.Button28}) {
        button->setFont(boldFont(13));
        QPalette face = button->palette();
        face.setColor(QPalette::Button, ui::kFace);
        button->setPalette(face);
    }
    shell.Button27->hide();
    shell.Button28->hide();
    shell.Button28->setEnabled(false);  // until the intro ends, as the menu
    // The same two entries as "System > Nowy > Gwarancyjny", so they are enabled together.
    auto* guaranteed = new QMenu(shell.Button28);
    guaranteed->setObjectName(QStringLiteral("Button28Menu"));
    guaranteed->addAction(shell.Globalny1);
    guaranteed->addAction(shell.Preferencyjny1);
    shell.Button28->setMenu(guaranteed);
    connect(shell.Button27, &QPushButton::clicked, this, &TZuvoform::Button27Click);

    shell.Label116 = makeCaption(
        client, "Label116",
        QStringLiteral("Uśmiechnij  się  i  uwierz , że  i  Ty  zdobędziesz  szczyt  !"),
        QRect(8, 40, 713, 36), 20, ui::kYellow);
    shell.Label116->setAlignment(Qt::AlignCenter);
    shell.Label117 = makeCaption(
        client, "Label117",
        QStringLiteral("Do  zobaczenia  wkrótce !                                          "
                       "         Firma  Dravik"),
        QRect(64, 470, 657, 40), 15, ui::kWindow);
    shell.Label117->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void TZuvoform::FormCreate() {
    // 1. Runtime files are read from where the program was started.
    state.startDirectory = QDir::currentPath().toStdString();

    // 2. Centre the window on its screen, unless the screen leaves no room.
    placeOnScreen();

    // 3. The pictures; a missing one leaves its place empty.
    loadPicture(gen.Image3, startFile(QStringLiteral("Dravik.bmp")));
    loadPicture(shell.Image4, startFile(QStringLiteral("Lab.bmp")));

    // 4. Flags of the shell.
    state.secondsCounter = 0;
    state.run.generatorRunning = false;
    state.resultsUnsaved = false;
    state.listGenerated = true;
    state.askOnClose = true;
    state.analysisDone = false;
    state.videoCounter = 0;

    // 5-7. The video surface is handed to the platform when a video plays; the texts and the
    // intro letters are made with their controls. The intro starts.
    state.hintTick = 0;
    state.introStep = 0;
    Timer3->start();

    // 8. Model defaults.
    state.templateSuggestions = {};
    zuvo::resetForecast(state.forecast, state.visited);
    state.chosenTemplates = {};
    state.settings = zuvo::GeneratorSettings{};
    state.run = zuvo::GeneratorRun{};
    state.editor = zuvo::PositionEditor{};
    state.selectedPosition = 0;

    // 9. Eight rows, one coupon form, fill the generated list; its rows take this height.
    if (gen.ListBox1) gen.ListBox1->setRowHeight(gen.ListBox1->height() / 8);
}

void TZuvoform::placeOnScreen() {
    const QScreen* screenHere = QGuiApplication::primaryScreen();
    if (screenHere == nullptr) return;
    const QRect area = screenHere->geometry();
    // The frame that the window manager adds is known only once the window is shown; until then
    // the outer size is the client area and the menu bar.
    QSize outer(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
    if (isVisible() && frameGeometry().size() != geometry().size()) outer = frameGeometry().size();
    const WindowOrigin origin =
        placeWindow(area.width(), area.height(), outer.width(), outer.height());
    const QPoint wanted(area.left() + origin.left, area.top() + origin.top);
    if (pos() != wanted) move(wanted);
}

void TZuvoform::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (placedWithFrame_) return;
    placedWithFrame_ = true;
    // The window manager adds its frame a moment after the window appears.
    for (const int delay : {0, 150, 600})
        QTimer::singleShot(delay, this, [this] { placeOnScreen(); });
}

void TZuvoform::Timer3Timer() {
    ++state.introStep;
    const int step = state.introStep;
    if (step > 0 && step <= kIntroLetterCount) {
        shell.introLetters[static_cast<size_t>(step - 1)]->show();
        platform.beep();
    }
    if (step >= kIntroLetterCount) {
        shell.Label91->show();
        state.introStep = -5;  // five silent ticks before the letters go
        Timer3->stop();
        Timer4->start();
    }
}

void TZuvoform::Timer4Timer() {
    ++state.introStep;
    const int step = state.introStep;
    if (step > 0 && step <= kIntroLetterCount)
        shell.introLetters[static_cast<size_t>(step - 1)]->hide();
    if (step == 12) shell.Label92->show();
    if (step >= kIntroLetterCount) {
        Timer4->stop();
        shell.Button27->show();
        shell.Button28->show();
        shell.Button28->setEnabled(true);
        enableSystemEntries(*this, true);
    }
}

void TZuvoform::Button27Click() {
    shell.Label91->hide();
    shell.Label92->hide();
    shell.Wyjcie1->setEnabled(true);
    shell.Button27->hide();
    shell.Button28->hide();
    stage1.GroupBox1->show();
    stage1.Panel1->show();
}

void TZuvoform::Globalny1Click() {
    newSystem(zuvo::SystemMode::Global);
}
void TZuvoform::Preferencyjny1Click() {
    newSystem(zuvo::SystemMode::Preferred);
}
