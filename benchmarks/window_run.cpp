// A timed generator run through the real window, offscreen, with the real timers and clock:
// prints how many generator steps the step timer delivers per second. The step timer's 1 ms
// period caps the rate at 1000 steps per second.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cstdio>

#include "bench_platform.h"
#include "ui/TZuvoform.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    BenchPlatform platform;
    TZuvoform window(platform);
    window.show();
    // The intro would share the event loop with the run; a player has long passed it.
    window.Timer3->stop();
    window.Timer4->stop();

    // Every position open to all three outcomes, and one rare template only, so that the
    // count of 99 is out of reach and the time limit ends the run.
    zuvo::ProgramState& state = window.state;
    for (zuvo::PositionForecast& position : state.forecast) position = {34, 33, 33, 0};
    state.combinationCount = 1594323;
    state.chosenTemplates = {};
    state.chosenTemplates[29] = 1;  // "8 1 4"

    window.stage3.Panel3->show();
    window.stage3.MaskEdit1->setText(QStringLiteral("   99"));
    window.stage3.MaskEdit2->setText(QStringLiteral("    5"));
    window.stage3.typeItems[2]->setChecked(true);
    window.stage3.Button18->click();

    long ticks = 0;
    QObject::connect(window.Timer2, &QTimer::timeout, [&ticks] { ++ticks; });
    QEventLoop loop;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!state.run.generatorRunning) loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);

    QElapsedTimer clock;
    clock.start();
    window.gen.Button20->click();
    watch.start();
    loop.exec();
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;

    const double rate = static_cast<double>(ticks) / seconds;
    std::printf("run: %.2f s, %ld steps, %zu columns, %.0f steps per second\n", seconds, ticks,
                state.systemList.size(), rate);
    return state.run.generatorRunning ? 1 : 0;
}
