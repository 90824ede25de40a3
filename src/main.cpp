#include <QApplication>

#include "ui/TZuvoform.h"
#include "ui/real_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zuvo 2001"));
    RealPlatform platform;
    TZuvoform window(platform);
    window.show();
    return QApplication::exec();
}
