#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "ui/TZuvoform.h"
#include "ui/real_platform.h"
#include "ui/widget_utils.h"

namespace {

// The installed icon (by theme, or beside the installed program), else one in the start
// directory; a null icon when there is none.
QIcon applicationIcon() {
    QIcon themed = QIcon::fromTheme(QStringLiteral("zuvo"));
    if (!themed.isNull()) return themed;
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& file :
         {programDir.filePath(QStringLiteral("../../share/icons/hicolor/128x128/apps/zuvo.png")),
          QStringLiteral("zuvo.png")}) {
        if (QFile::exists(file)) return QIcon(file);
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    // The videos play through GStreamer unless the user chose another backend.
    if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "gstreamer");

    QApplication app(argc, argv);
    // The short name makes the per-user data folder (QStandardPaths::AppDataLocation) the one the
    // launcher seeds, ~/.local/share/zuvo; the title stays "Zuvo 2001".
    QApplication::setApplicationName(QStringLiteral("zuvo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Zuvo 2001"));
    // Wayland matches the window to its menu entry by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("pl.dravik.zuvo"));

    // Qt's own dialogs (file dialogs above all) speak Polish like the rest of the program.
    const QLocale polish(QLocale::Polish, QLocale::Poland);
    QLocale::setDefault(polish);
    QTranslator qtTranslator;
    if (qtTranslator.load(polish, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    QApplication::setFont(ui::applicationFont());
    const QIcon icon = applicationIcon();
    if (!icon.isNull()) QApplication::setWindowIcon(icon);

    RealPlatform platform;
    TZuvoform window(platform);
    window.show();
    // The client area is fixed; the menu bar's height is known once the window is laid out.
    window.setFixedSize(window.sizeHint());
    return QApplication::exec();
}
