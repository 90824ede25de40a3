#include <gtest/gtest.h>
#include <QApplication>
#include <QFont>

#include "ui/widget_utils.h"

int main(int argc, char** argv) {
    // The window tests run headless, also when the test list is read at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ZUVO_RUNTIME_DIR"))
        qputenv("ZUVO_RUNTIME_DIR", ZUVO_BUILD_RUNTIME_DIR);
    QApplication app(argc, argv);
    // The screens are laid out for the program's own font.
    QApplication::setFont(ui::applicationFont());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
