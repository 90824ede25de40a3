#include "ui/window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
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
        selectPosition(k + 1);
        setBars(entry[k].p1, entry[k].p0);
    }
}

void WindowTest::goToStage2(const ForecastEntry& entry) {
    openStage1();
    enterForecast(entry);
    clickButton(window->stage1.Button22);
    ASSERT_TRUE(window->stage2.Panel2->isVisible());
}

void WindowTest::goToStage3(const ForecastEntry& entry) {
    goToStage2(entry);
    for (QCheckBox* box : window->stage2.templateBoxes)
        if (box->isEnabled()) box->setChecked(true);
    clickButton(window->stage2.Button14);
    ASSERT_FALSE(window->stage2.Panel2->isEnabled());
}

void WindowTest::selectPosition(int k) {
    clickButton(window->stage1.positionButtons[k - 1]);
}

std::array<QString, 3> WindowTest::positionTexts(int k) const {
    const int first = (k - 1) * 3;
    return {window->stage1.percentEdits[first]->text(),
            window->stage1.percentEdits[first + 1]->text(),
            window->stage1.percentEdits[first + 2]->text()};
}

QStringList rowTexts(const QAbstractItemView* view) {
    QStringList all;
    const QAbstractItemModel* model = view->model();
    for (int i = 0; i < model->rowCount(); ++i) all << model->index(i, 0).data().toString();
    return all;
}

int rowCount(const QAbstractItemView* view) {
    return view->model()->rowCount();
}

ForecastEntry exampleForecast() {
    return {{{60, 30},
             {45, 35},
             {70, 20},
             {40, 30},
             {50, 25},
             {33, 33},
             {80, 15},
             {20, 30},
             {55, 25},
             {10, 20},
             {65, 25},
             {35, 40},
             {50, 50}}};
}

ForecastEntry uniformForecast() {
    ForecastEntry entry{};
    entry.fill({34, 33});
    return entry;
}
