#include "ui/window_fixture.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

void WindowTest::SetUp() {
    ASSERT_TRUE(startDir.isValid());
    previousDir = QDir::currentPath();
    QDir::setCurrent(startDir.path());
    window = std::make_unique<TZuvoform>(platform);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::TearDown() {
    window.reset();
    platform.verify();
    QDir::setCurrent(previousDir);
}

bool WindowTest::useRuntimeFile(const QString& name) {
    const QString runtime = qEnvironmentVariable("ZUVO_RUNTIME_DIR");
    const QString source = QDir(runtime).filePath(name);
    if (runtime.isEmpty() || !QFile::exists(source)) return false;
    QFile::remove(startPath(name));
    return QFile::copy(source, startPath(name));
}

void WindowTest::finishIntro() {
    for (int i = 0; i < 100 && window->Timer3->isActive(); ++i) window->Timer3Timer();
    for (int i = 0; i < 100 && window->Timer4->isActive(); ++i) window->Timer4Timer();
    ASSERT_FALSE(window->Timer3->isActive());
    ASSERT_FALSE(window->Timer4->isActive());
}

void WindowTest::openStage1() {
    finishIntro();
    clickButton(window->shell.Button27);
}

void WindowTest::clickButton(QWidget* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
}

void WindowTest::setBars(int p1, int p0) {
    QScrollBar* bar1 = window->stage1.ScrollBar1;
    QScrollBar* bar2 = window->stage1.ScrollBar2;
    bar1->setValue(p1);
    window->ScrollBar1Change();
    bar2->setValue(p0);
    window->ScrollBar2Change();
}

void WindowTest::enterForecast(const ForecastEntry& entry) {
    for (int k = 0; k < 13; ++k) {
        window->stage1.positionButtons[k]->setFocus(Qt::TabFocusReason);
        setBars(entry[k].p1, entry[k].p0);
    }
}

ForecastEntry exampleForecast() {
    return {{{60, 30}, {45, 35}, {70, 20}, {40, 30}, {50, 25}, {33, 33}, {80, 15}, {20, 30},
             {55, 25}, {10, 20}, {65, 25}, {35, 40}, {50, 50}}};
}

ForecastEntry uniformForecast() {
    ForecastEntry entry{};
    entry.fill({34, 33});
    return entry;
}
