#include "io/calibration_file.h"

#include "io/whole_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdint>
#include <limits>
#include <string>

namespace zuvo {

namespace {

constexpr char kCtrlZ = '\x1A';
// A value shown in a message is cut here: the file may hold anything.
constexpr qsizetype kShownTextLength = 40;
// More non-blank characters than this can never form a 32-bit integer.
constexpr size_t kMaxValueLength = 32;
constexpr size_t kKeptBlanks = 4;

QString conversionError(std::string_view text, bool cut) {
    QString shown = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (shown.size() > kShownTextLength) {
        shown.truncate(kShownTextLength);
        cut = true;
    }
    if (cut) shown += QStringLiteral("...");
    return QStringLiteral("\"%1\" nie jest poprawną liczbą całkowitą.").arg(shown);
}

std::string_view firstLine(std::string_view bytes) {
    const size_t end = bytes.find_first_of(std::string_view("\r\x1A", 2));
    return end == std::string_view::npos ? bytes : bytes.substr(0, end);
}

// Leading blanks, an optional sign and at least one digit, nothing else; within 32 bits.
bool convert(std::string_view line, int32_t& value) {
    size_t i = 0;
    while (i < line.size() && line[i] == ' ') ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == '+' || line[i] == '-')) negative = line[i++] == '-';
    if (i == line.size()) return false;
    int64_t magnitude = 0;
    const int64_t limit = negative ? -static_cast<int64_t>(std::numeric_limits<int32_t>::min())
                                   : std::numeric_limits<int32_t>::max();
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c < '0' || c > '9') return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return false;
    }
    value = static_cast<int32_t>(negative ? -magnitude : magnitude);
    return true;
}

// Reads the first line of a file of any size without holding more of it than a value can
// need: surplus leading blanks are counted, not kept, and an overlong line is cut.
bool readFirstLine(QFile& file, std::string& line, bool& cut) {
    line.clear();
    cut = false;
    bool inBlanks = true;
    char buffer[4096];
    for (;;) {
        const qint64 got = file.read(buffer, sizeof buffer);
        if (got < 0) return false;
        if (got == 0) return true;
        for (qint64 i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\r' || c == kCtrlZ) return true;
            if (inBlanks && c == ' ') {
                // Any number of leading blanks is allowed; a few are kept for the message.
                if (line.size() < kKeptBlanks) line += ' ';
                continue;
            }
            inBlanks = false;
            if (line.size() >= kKeptBlanks + kMaxValueLength) {
                cut = true;
                return true;
            }
            line += c;
        }
    }
}

bool readValue(const QString& path, int32_t& value, QString& error) {
    if (!QFileInfo::exists(path)) {
        error = QStringLiteral("Nie znaleziono pliku \"%1\".").arg(shownFileName(path));
        return false;
    }
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        error = QStringLiteral("\"%1\" nie jest zwykłym plikiem.").arg(shownFileName(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        error = withReason(
            QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(shownFileName(path)), file);
        return false;
    }
    std::string line;
    bool cut = false;
    if (!readFirstLine(file, line, cut)) {
        error = QStringLiteral("Błąd odczytu pliku \"%1\".").arg(shownFileName(path));
        return false;
    }
    if (cut) {
        error = conversionError(line, true);
        return false;
    }
    if (!parseCalibrationValue(line, value, error)) return false;
    if (QString::number(value).size() > kCalibrationBoxLength) {
        error = QStringLiteral(
                    "Błąd odczytu pliku \"%1\": wartość %2 nie mieści się w polu "
                    "kalibracji (najwyżej %3 znaki).")
                    .arg(shownFileName(path))
                    .arg(value)
                    .arg(kCalibrationBoxLength);
        return false;
    }
    return true;
}

bool writeValue(const QString& path, const QByteArray& text, QString& error) {
    // Written whole or not at all, so a failure never leaves an empty calibration file.
    const QByteArray bytes = text + "\r\n";
    return writeWholeFile(
        path, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), error);
}

int32_t* fieldOf(CalibrationSet& set, size_t fileIndex) {
    if (fileIndex >= 8) return &set.couponType;
    CouponCalibration& c = set.types[fileIndex / 4];
    switch (fileIndex % 4) {
        case 0:
            return &c.x1;
        case 1:
            return &c.x2;
        case 2:
            return &c.y1;
        default:
            return &c.y2;
    }
}

}  // namespace

const std::array<const char*, 9>& calibrationFileNames() {
    static const std::array<const char*, 9> names = {"PrnAx1.txt", "PrnAx2.txt", "PrnAy1.txt",
                                                     "PrnAy2.txt", "PrnBx1.txt", "PrnBx2.txt",
                                                     "PrnBy1.txt", "PrnBy2.txt", "Index.txt"};
    return names;
}

bool parseCalibrationValue(std::string_view bytes, int32_t& value, QString& error) {
    const std::string_view line = firstLine(bytes);
    if (!convert(line, value)) {
        error = conversionError(line, false);
        return false;
    }
    return true;
}

bool loadCalibration(const QString& directory, CalibrationSet& set, QString& error) {
    const QDir dir(directory);
    const auto& names = calibrationFileNames();
    for (size_t i = 0; i < names.size(); ++i) {
        int32_t value = 0;
        if (!readValue(dir.filePath(QString::fromLatin1(names[i])), value, error)) return false;
        *fieldOf(set, i) = value;
    }
    return true;
}

bool saveCalibration(const QString& directory, int32_t couponType,
                     const std::array<QString, 4>& boxTexts, CalibrationSet& set, QString& error) {
    if (couponType != CouponA && couponType != CouponB) {
        error = QStringLiteral("Nieznany rodzaj kuponu.");
        return false;
    }
    const QDir dir(directory);
    const auto& names = calibrationFileNames();
    if (!writeValue(dir.filePath(QString::fromLatin1(names[8])), QByteArray::number(couponType),
                    error))
        return false;
    set.couponType = couponType;
    for (size_t edge = 0; edge < 4; ++edge) {
        const size_t fileIndex = static_cast<size_t>(couponType) * 4 + edge;
        const QByteArray text = boxTexts[edge].toLatin1();
        int32_t value = 0;
        // Converted before the file is touched, so a bad box leaves the old file in place.
        if (!parseCalibrationValue(
                std::string_view(text.constData(), static_cast<size_t>(text.size())), value, error))
            return false;
        *fieldOf(set, fileIndex) = value;
        if (!writeValue(dir.filePath(QString::fromLatin1(names[fileIndex])), text, error))
            return false;
    }
    return true;
}

QString rectangleError(const CalibrationSet& set, int32_t couponType) {
    if (couponType != CouponA && couponType != CouponB) return {};
    const CouponCalibration& c = set.types[static_cast<size_t>(couponType)];
    const QString kind = couponType == CouponA ? QStringLiteral("A") : QStringLiteral("B");
    QString problem;
    if (c.x2 <= c.x1)
        problem = QStringLiteral(
                      "prawa krawędź (Prn%1x2.txt: %2) nie leży na prawo od lewej "
                      "(Prn%1x1.txt: %3)")
                      .arg(kind)
                      .arg(c.x2)
                      .arg(c.x1);
    else if (c.y2 <= c.y1)
        problem = QStringLiteral(
                      "dolna krawędź (Prn%1y2.txt: %2) nie leży poniżej górnej "
                      "(Prn%1y1.txt: %3)")
                      .arg(kind)
                      .arg(c.y2)
                      .arg(c.y1);
    if (problem.isEmpty()) return {};
    return QStringLiteral(
               "Prostokąt wydruku kuponu %1 jest pusty: %2. Nic nie zostało "
               "wydrukowane; popraw kalibrację (TEST).")
        .arg(kind, problem);
}

int32_t rightEdgeFor(int32_t couponType, int32_t left) {
    return left + (couponType == CouponB ? 914 : 888);
}

int32_t bottomEdgeFor(int32_t couponType, int32_t top) {
    return top + (couponType == CouponB ? 1659 : 1449);
}

}  // namespace zuvo
