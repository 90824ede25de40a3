#include "io/system_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zuvo {

namespace {

QString shownName(const QString& path) {
    return QDir::toNativeSeparators(path);
}

}  // namespace

std::vector<std::string> parseSystemText(std::string_view bytes) {
    // Everything after a NUL is ignored, as a text editor would.
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);

    std::vector<std::string> entries;
    size_t start = 0;
    size_t i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            entries.emplace_back(bytes.substr(start, i - start));
            // CR LF is one line end; a lone CR or a lone LF is one as well.
            i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < bytes.size()) entries.emplace_back(bytes.substr(start));
    return entries;
}

std::string formatSystemText(const std::vector<std::string>& list) {
    std::string text;
    size_t size = 0;
    for (const std::string& entry : list) size += entry.size() + 2;
    text.reserve(size);
    for (const std::string& entry : list) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

bool readSystemFile(const QString& path, std::vector<std::string>& list, QString& error) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("Nie znaleziono pliku \"%1\".").arg(shownName(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(shownName(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("Błąd odczytu pliku \"%1\".").arg(shownName(path));
        return false;
    }
    // The list is replaced only once the whole file has been read.
    std::vector<std::string> entries =
        parseSystemText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    list.swap(entries);
    return true;
}

bool writeSystemFile(const QString& path, const std::vector<std::string>& list, QString& error) {
    // The previous file is replaced only when the whole list has been written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("Nie można utworzyć pliku \"%1\".").arg(shownName(path));
        return false;
    }
    const std::string text = formatSystemText(list);
    const qint64 size = static_cast<qint64>(text.size());
    // commit() alone does not notice a failing final flush (a full disk would leave a cut
    // file in place of the old one), so flush first and give up on any failure.
    if (file.write(text.data(), size) != size || !file.flush()) file.cancelWriting();
    if (!file.commit()) {
        error = QStringLiteral("Nie można zapisać pliku \"%1\".").arg(shownName(path));
        return false;
    }
    return true;
}

}  // namespace zuvo
