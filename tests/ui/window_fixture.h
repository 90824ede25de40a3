#pragma once
// A window in a fresh start directory with the fake platform, and the steps that bring it to
// each screen the way a user gets there.
#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QDir>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>
#include <array>
#include <memory>

#include "ui/TZuvoform.h"
#include "ui/fake_platform.h"
#include "ui/list_models.h"
#include "ui/widgets/system_list_view.h"

// Percentages of outcomes 1 and 0 per position; outcome 2 gets the rest.
struct PositionEntry {
    int p1;
    int p0;
};
using ForecastEntry = std::array<PositionEntry, 13>;

class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Makes a file of the shipped runtime set (pictures, media, calibration) available in the
    // start directory; false when the build has no such file.
    bool useRuntimeFile(const QString& name);
    QString startPath(const QString& name) const { return QDir(startDir.path()).filePath(name); }

    void finishIntro();  // runs the intro timers to their end
    void openStage1();   // intro, then "Symulacja komputerowa"
    // Selects every position in turn and sets its bars, as a user does with the mouse.
    void enterForecast(const ForecastEntry& entry);
    void setBars(int p1, int p0);
    void clickButton(QWidget* button);  // a real mouse click (moves the focus first)
    // Stage 1 with the whole forecast entered, then its "Dalej": Stage 2 is open.
    void goToStage2(const ForecastEntry& entry);
    // Stage 2 as above, every available template ticked, then its "Dalej": Stage 3 is open.
    void goToStage3(const ForecastEntry& entry);
    // Clicks the button of position k (1..13).
    void selectPosition(int k);
    // The three display texts of position k (1..13), in the order 1, 0, 2.
    std::array<QString, 3> positionTexts(int k) const;

    template <class T>
    T* find(const char* name) const {
        T* widget = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QTemporaryDir startDir;
    QString previousDir;
    FakePlatform platform;  // declared before the window so that it outlives it
    std::unique_ptr<TZuvoform> window;
};

// What a list view shows, row by row, and how many rows it has.
QStringList rowTexts(const QAbstractItemView* view);
int rowCount(const QAbstractItemView* view);

// The forecast of the analysis example with all templates available.
ForecastEntry exampleForecast();
// Every position 34 / 33 / 33.
ForecastEntry uniformForecast();
