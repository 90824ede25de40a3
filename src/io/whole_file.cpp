#include "io/whole_file.h"

#include <QDir>
#include <QSaveFile>

namespace zuvo {

namespace {

QString reasonLine(const QString& reason) {
    if (reason.isEmpty() || reason == QStringLiteral("Unknown error")) return {};
    return QStringLiteral("\nPowód: ") + reason;
}

}  // namespace

QString shownFileName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString withReason(const QString& message, const QFileDevice& file) {
    return message + reasonLine(file.errorString());
}

bool writeWholeFile(const QString& path, std::string_view bytes, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = withReason(
            QStringLiteral("Nie można utworzyć pliku \"%1\".").arg(shownFileName(path)), file);
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    // commit() alone does not notice a failing final flush (a full disk would leave a cut file
    // in place of the old one), so flush first and give up on any failure.
    QString reason;
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        reason = file.errorString();  // cancelWriting() puts a text of its own in its place
        file.cancelWriting();
    }
    if (!file.commit()) {
        if (reason.isEmpty()) reason = file.errorString();
        error = QStringLiteral("Nie można zapisać pliku \"%1\".").arg(shownFileName(path)) +
                reasonLine(reason);
        return false;
    }
    return true;
}

}  // namespace zuvo
