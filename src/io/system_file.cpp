#include "io/system_file.h"

#include "io/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace zuvo {

std::vector<std::string> parseSystemText(std::string_view bytes) {
    // Everything after a NUL is ignored, as a text editor would.
    const size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) bytes = bytes.substr(0, nul);

    // A system file may hold 1.6 million lines: room for all of them at once, no regrowing.
    std::vector<std::string> entries;
    entries.reserve(static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) +
                    static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\r')) / 2 + 1);
    const char* const end = bytes.data() + bytes.size();
    const char* start = bytes.data();
    for (const char* i = start; i != end;) {
        const char c = *i;
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        entries.emplace_back(start, i);
        // CR LF is one line end; a lone CR or a lone LF is one as well.
        i += (c == '\r' && i + 1 != end && i[1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start != end) entries.emplace_back(start, end);
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

bool readSystemFile(const QString& path, std::vector<std::string>& list, QString& error,
                    std::stop_token stop) {
    QFile file(path);
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("Nie znaleziono pliku \"%1\".").arg(shownFileName(path));
        return false;
    }
    // A folder, a pipe or a device would never end or never be a system.
    if (!info.isFile()) {
        error = QStringLiteral("\"%1\" nie jest zwykłym plikiem.").arg(shownFileName(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = withReason(
            QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(shownFileName(path)), file);
        return false;
    }
    if (file.size() > kMaxSystemFileBytes) {
        error = QStringLiteral(
                    "Plik \"%1\" jest za duży (%2 MB). Program otwiera pliki systemów do "
                    "32 MB; pełny system 13 pozycji (1594323 kolumn) zajmuje około "
                    "24 MB.")
                    .arg(shownFileName(path))
                    .arg(file.size() / (1024 * 1024));
        return false;
    }
    // In pieces, so that a cancelled read ends soon even on a slow disk.
    QByteArray bytes;
    bytes.reserve(file.size());
    constexpr qint64 kPiece = 4 << 20;
    for (;;) {
        if (stop.stop_requested()) return false;
        const QByteArray piece = file.read(kPiece);
        if (file.error() != QFileDevice::NoError) {
            error = withReason(
                QStringLiteral("Błąd odczytu pliku \"%1\".").arg(shownFileName(path)), file);
            return false;
        }
        if (piece.isEmpty()) break;
        bytes += piece;
        if (bytes.size() > kMaxSystemFileBytes) break;  // the file grew while being read
    }
    // The list is replaced only once the whole file has been read.
    std::vector<std::string> entries =
        parseSystemText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    if (stop.stop_requested()) return false;
    list.swap(entries);
    return true;
}

bool writeSystemFile(const QString& path, const std::vector<std::string>& list, QString& error) {
    return writeWholeFile(path, formatSystemText(list), error);
}

}  // namespace zuvo
