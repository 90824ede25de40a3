#pragma once
// The guarantee panel of "Globalny" and "Preferencyjny": it stands where Stage 2 stands, shows
// the structure of the forecast, lets the player choose the guarantee (and for "Preferencyjny"
// the number of columns to pay for) and the time limit, and runs the search on worker threads.
#include <QFrame>
#include <QString>
#include <array>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "model/cover/play.h"
#include "model/forecast.h"
#include "model/guarantee_setup.h"
#include "ui/guarantee_search.h"

class ConditionsDialog;
class Platform;
class QButtonGroup;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;

class GuaranteePanel : public QFrame {
    Q_OBJECT
  public:
    // What the panel built, for the generator screen's list.
    struct Result {
        std::vector<std::string> columns;
        QString caption;
        zuvo::cover::Conditions conditions;  // what the system was built for
    };

    GuaranteePanel(Platform& platform, QWidget* parent);

    // Shows the panel for this forecast (the window has checked it) and mode.
    void open(const zuvo::Forecast& forecast, bool preferred);
    // Ends a running search without taking its system (a new system, the farewell).
    void cancel();
    // Cancels and hides: another screen takes the panel's place.
    void dismiss() {
        cancel();
        hide();
    }
    bool searching() const;
    // Leaving the program during a search: stops it as "Przerwij" does, so that what was found
    // enters the list and can be saved.
    void stopForExit();
    // What the player chose, and a stored choice put back once the panel is open; values out of
    // range are left at the panel's own.
    zuvo::GuaranteeSetup setup() const;
    void applySetup(const zuvo::GuaranteeSetup& setup);
    const Result& result() const { return result_; }
    // Hands the columns over without a copy; the caption stays.
    std::vector<std::string> takeColumns() { return std::move(result_.columns); }

    // The poll timer's handler: progress, the best found so far, and the end of the search.
    void pollSearch();

    // Controls, named for the tests and the accessibility tree.
    QLabel* modeCaption = nullptr;
    std::array<QLabel*, 4> structureLabels{};   // favourites, two-way, three-way, combinations
    std::array<QRadioButton*, 4> guarantees{};  // 13, 12, 11, 10 hits
    std::array<QLabel*, 4> knownSizes{};        // beside each guarantee
    QLabel* budgetCaption = nullptr;
    QLineEdit* budgetEdit = nullptr;  // "Preferencyjny" only
    QLineEdit* secondsEdit = nullptr;
    QPushButton* conditionsButton = nullptr;  // "Warunki ..."
    QLabel* conditionsSummary = nullptr;
    QLabel* conditionsCount = nullptr;
    ConditionsDialog* conditionsDialog = nullptr;
    QProgressBar* progressBar = nullptr;
    QLabel* statusLabel = nullptr;
    QPushButton* computeButton = nullptr;  // "Oblicz"
    QPushButton* stopButton = nullptr;     // "Przerwij"
    QPushButton* backButton = nullptr;     // "Wstecz"
    QTimer* pollTimer = nullptr;

  signals:
    void built();                       // result() holds the system
    void runningChanged(bool running);  // a search began or ended
    void backRequested();

  private:
    void compute();
    void interrupt();
    void chooseGuarantee();
    void finish(bool interrupted);
    QString caption(std::size_t columns, int reach, double chance) const;
    void setRunning(bool running);
    int radius() const;
    void showConditions();

    Platform& platform_;
    QButtonGroup* group_ = nullptr;
    zuvo::cover::Play play_;
    bool preferred_ = false;
    zuvo::cover::Conditions conditions_;
    std::chrono::steady_clock::time_point started_;
    std::chrono::milliseconds limit_{0};
    GuaranteeSearch search_;
    std::uint64_t generation_ = 0;  // counts the cancels, which make a finishing search void
    Result result_;
};
