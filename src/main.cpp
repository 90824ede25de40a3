#include <QApplication>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/TZuvoform.h"
#include "ui/real_platform.h"

namespace {

// The first icon file found in the start directory, or a null icon.
QIcon applicationIcon() {
    for (const char* name : {"zuvo.png", "zuvo.svg", "zuvo.ico"}) {
        const QString file = QString::fromLatin1(name);
        if (QFile::exists(file)) return QIcon(file);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    // The videos play through GStreamer unless the user chose another backend.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zuvo 2001"));

    // Qt's own dialogs (file dialogs above all) speak Polish like the rest of the program.
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    QTranslator qtTranslator;
    if (qtTranslator.load(polish, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(8);
    QApplication::setFont(font);
    const QIcon icon = applicationIcon();
    if (!icon.isNull()) QApplication::setWindowIcon(icon);

    RealPlatform platform;
    TZuvoform window(platform);
    window.show();
    // The client area is fixed; the menu bar's height is known once the window is laid out.
    window.setFixedSize(window.sizeHint());
    return QApplication::exec();
}
