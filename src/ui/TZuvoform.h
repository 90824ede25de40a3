#pragma once
// The main window: it owns every control and the program-wide records. The controls and
// handlers of each screen area are built in a file of their own.
#include <QMainWindow>
#include <QString>

#include "io/calibration_file.h"
#include "model/cover/conditions.h"
#include "model/program_state.h"
#include "print/print_run.h"
#include "ui/analysis_area.h"
#include "ui/generator_area.h"
#include "ui/platform.h"
#include "ui/print_area.h"
#include "ui/shell_area.h"
#include "ui/stage1_area.h"
#include "ui/stage2_area.h"
#include "ui/stage3_area.h"

class ChancesDialog;
class GuaranteePanel;
class QLabel;
class QTimer;
class QWidget;

// What the save prompt ended with.
enum class SaveOffer {
    NotAsked,  // nothing unsaved, or the list is empty
    Yes,       // saved, or the save dialog was cancelled
    No,
    Failed,  // Yes, but the file could not be written: the caller stops and keeps the list
};

class TZuvoform : public QMainWindow {
    Q_OBJECT
  public:
    static constexpr int kClientWidth = 729;
    static constexpr int kClientHeight = 526;

    explicit TZuvoform(Platform& platform, QWidget* parent = nullptr);
    ~TZuvoform() override;

    Platform& platform;
    zuvo::ProgramState state;
    zuvo::CalibrationSet calibration;
    zuvo::PrintRun printRun;

    QWidget* client = nullptr;  // the 729 x 526 client area
    ShellArea shell;
    Stage1Area stage1;
    Stage2Area stage2;
    AnalysisArea analysis;
    Stage3Area stage3;
    GeneratorArea gen;
    PrintArea print;
    GuaranteePanel* guarantee = nullptr;     // in place of Stage 2 for a guaranteed system
    ChancesDialog* chances = nullptr;        // "Szanse trafień"
    QLabel* guaranteeCaption = nullptr;      // what was built, over the generated list
    zuvo::cover::Conditions listConditions;  // what the guaranteed system in the list was built for

    QTimer* Timer1 = nullptr;  // 1000 ms: time limit
    QTimer* Timer2 = nullptr;  // 1 ms: generator step
    QTimer* Timer3 = nullptr;  // 200 ms: intro letters appear
    QTimer* Timer4 = nullptr;  // 1 ms: intro letters vanish
    QTimer* Timer5 = nullptr;  // 1000 ms: Stage-2 reminders
    QTimer* Timer6 = nullptr;  // 1000 ms: text-print instructions
    QTimer* Timer7 = nullptr;  // 1000 ms: farewell
    QTimer* Timer8 = nullptr;  // 1000 ms: result-check video

    // Shell: start-up, intro, exit and help
    void FormCreate();
    void FormCloseQuery(bool& canClose);
    void Timer3Timer();
    void Timer4Timer();
    void Button27Click();    // "Symulacja komputerowa"
    void Symulacja1Click();  // new system
    void Globalny1Click();
    void Preferencyjny1Click();
    // False when the list could not be saved: nothing was reset.
    bool newSystem(zuvo::SystemMode mode);
    void Wyjcie1Click();
    void Timer7Timer();
    void Opissystemu1Click();
    void runFarewell(bool withStage2Steps);

    // Files
    void saveSystem();  // menu "Zapisz" and Button33
    void Zapisz1Click();
    void Button33Click();
    void Otworz1Click();  // openSystem
    SaveOffer offerSave(const QString& question);
    // Save dialog and write; false only when a chosen file could not be written.
    bool saveThroughDialog();

    // The forecast file
    void ZapiszPrognoze1Click();
    void OtworzPrognoze1Click();
    // Enables "Zapisz prognozę" and "Otwórz prognozę" for the state the program is in.
    void updateForecastEntries();
    void connectForecastEntries();  // once every area is built
    // The guarantee panel has just opened: the choice read from a forecast file goes onto it.
    void applyStoredGuaranteeSetup();

    // Stage 1
    void selectPosition(int k);
    void storePosition(int k);
    void ScrollBar1Change();
    void ScrollBar2Change();
    void Button22Click();  // confirmForecast

    // Stage 2 and the analysis
    void prepareStage2();
    void Button14Click();  // confirmTemplates
    void Button15Click();  // backToStage1
    void Button16Click();  // "Extra"
    void Button36Click();  // "Analiza"
    void Timer5Timer();

    // Stage 3
    void Button18Click();  // confirmSettings
    void Button17Click();  // backToStage2
    void RadioButton1Click();
    void RadioButton2Click();
    void UpDown1Click();
    void UpDown2Click();

    // Generator screen
    void Button20Enter();
    void Button20Click();  // startGenerator
    void Timer1Timer();
    void Timer2Timer();
    void finishRun();
    void Button19Click();  // backToEditing
    void resetGeneratorScreen();
    void ListBox1Click();

    // Guaranteed systems and the hit chances
    void openGuaranteePanel();    // Stage-1 "Dalej" of "Globalny" and "Preferencyjny"
    void guaranteeBack();         // the panel's "Wstecz"
    void showGuaranteedSystem();  // the panel built a system
    void searchRunningChanged(bool running);
    void Szanse1Click();  // "Szanse trafień"
    // The entry serves a list built here, where the Stage-1 forecast says what it plays.
    void updateChancesEntry();

    // Result check
    bool Edit1KeyPress(QChar key);  // false: the key is discarded
    void Button23Click();
    void Timer8Timer();

    // Printing and calibration
    void Button24Click();  // prepare the print run
    void Button26Click();  // printNextForm
    void Button32Click();  // repeatLastForm
    void Button25Click();  // text-print instructions
    void Timer6Timer();
    void Button29Click();  // end the print run
    void Button30Click();  // "TEST": open calibration
    void RadioGroup1Click();
    void UpDown3Click();
    void UpDown4Click();
    void Button31Click();  // calibration "Drukuj"
    void Button34Click();  // calibration "Zapisz"
    void Button35Click();  // calibration "Koniec"
    bool loadCalibrationFiles();

    // Path of a runtime file in the start directory.
    QString startFile(const QString& name) const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Centres the window by its outer size, frame included once the window manager drew it.
    void placeOnScreen();
    bool placedWithFrame_ = false;
    void buildShell();  // menu and background, first so that it lies below everything
    void buildStage1();
    void buildStage2();
    void buildAnalysisPanel();
    void buildStage3();
    void buildGuarantee();
    void buildGeneratorScreen();
    void buildPrintPanel();
    void buildIntro();  // intro and farewell captions, last so that they lie on top
    void createTimers();
};
