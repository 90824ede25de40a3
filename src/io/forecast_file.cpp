#include "io/forecast_file.h"

#include "io/whole_file.h"

#include <QFile>
#include <QFileInfo>
#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace zuvo {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr int kFewestHits = 10;
constexpr int kMostSeconds = 600;               // the guarantee panel's longest time limit
constexpr std::uint64_t kAllColumns = 1594323;  // 3^13

struct KindName {
    std::string_view name;
    SystemMode mode;
};
constexpr std::array<KindName, 3> kKinds{{{"symulacyjny", SystemMode::Simulation},
                                          {"globalny", SystemMode::Global},
                                          {"preferencyjny", SystemMode::Preferred}}};

enum class Key { Hits, Budget, Seconds, Ones, Draws, Twos, Favourites, Count };
struct KeyName {
    std::string_view name;
    Key key;
    cover::CountRange cover::Conditions::*range;  // the condition keys only
};
constexpr std::array<KeyName, 7> kKeys{{
    {"gwarancja", Key::Hits, nullptr},
    {"kolumn", Key::Budget, nullptr},
    {"limit", Key::Seconds, nullptr},
    {"jedynki", Key::Ones, &cover::Conditions::ones},
    {"remisy", Key::Draws, &cover::Conditions::draws},
    {"dwójki", Key::Twos, &cover::Conditions::twos},
    {"faworyci", Key::Favourites, &cover::Conditions::favourites},
}};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string lowerAscii(std::string_view s) {
    std::string lower(s);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> all;
    while (true) {
        s = trim(s);
        if (s.empty()) return all;
        size_t end = 0;
        while (end < s.size() && !isBlank(s[end])) ++end;
        all.push_back(s.substr(0, end));
        s.remove_prefix(end);
    }
}

bool allDigits(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// Digits only (no sign, no blanks) with a value of at most `most`.
bool readNumber(std::string_view s, std::uint64_t most, std::uint64_t& value) {
    if (!allDigits(s)) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() && value <= most;
}

// A piece of the player's text inside a message: short, without control characters, and never
// cut inside a UTF-8 sequence.
std::string inQuotes(std::string_view s) {
    constexpr size_t kLongest = 24;
    bool cut = false;
    if (s.size() > kLongest) {
        size_t end = kLongest;
        while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) --end;
        s = s.substr(0, end);
        cut = true;
    }
    std::string text = "„";
    for (char c : s) text += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
    if (cut) text += "…";
    return text + "”";
}

std::string name(Key key) {
    for (const KeyName& k : kKeys)
        if (k.key == key) return std::string(k.name);
    return {};
}

// Combinations the forecast plays: a position plays its outcomes above 0 %, and one with none
// counts as a sure '1', as the guarantee panel counts it.
std::uint64_t combinations(const Forecast& forecast) {
    std::uint64_t product = 1;
    for (const PositionForecast& p : forecast) {
        const int played = (p.p1 > 0) + (p.p0 > 0) + (p.p2 > 0);
        product *= static_cast<std::uint64_t>(played > 0 ? played : 1);
    }
    return product;
}

class Parser {
  public:
    // False once a line is wrong; `error` says why.
    bool line(int number, std::string_view text) {
        lineNumber = number;
        if (const size_t hash = text.find('#'); hash != std::string_view::npos)
            text = text.substr(0, hash);
        text = trim(text);
        if (text.empty()) return true;
        const size_t colon = text.find(':');
        if (colon == std::string_view::npos)
            return fail("wiersz nie ma postaci „klucz: wartość”, np. „1: 45 35 20”.");
        const std::string key = lowerAscii(trim(text.substr(0, colon)));
        const std::string_view value = trim(text.substr(colon + 1));
        if (!haveKind) {
            if (key != "rodzaj")
                return fail(
                    "pierwszy wiersz prognozy podaje rodzaj systemu: „rodzaj: "
                    "symulacyjny”, „rodzaj: globalny” lub „rodzaj: preferencyjny”.");
            return kindLine(lowerAscii(value));
        }
        if (key == "rodzaj") return fail("rodzaj systemu podany drugi raz.");
        if (allDigits(key)) return positionLine(key, value);
        for (const KeyName& k : kKeys)
            if (key == k.name) return setupLine(k, value);
        return fail("nieznany klucz " + inQuotes(key) + ".");
    }

    // The checks that need the whole file; `lastLine` is the number of the file's last line.
    bool finish(int lastLine) {
        if (!haveKind || next <= kPositionCount) {
            lineNumber = lastLine;
            error.atEnd = true;
            if (!haveKind) return fail("brak rodzaju systemu i pozycji prognozy.");
            if (next == kPositionCount) return fail("brak pozycji 13.");
            return fail("brak pozycji od " + std::to_string(next) + " do 13.");
        }
        if (budgetLine != 0) {
            const std::uint64_t most = combinations(record.forecast);
            if (record.setup->budget > most) {
                lineNumber = budgetLine;
                return fail("kolumn do zagrania jest " + std::to_string(record.setup->budget) +
                            ", a prognoza daje tylko " + std::to_string(most) + " kombinacji.");
            }
        }
        return true;
    }

    StoredForecast record;
    ForecastTextError error;

  private:
    bool fail(std::string reason) {
        error.line = lineNumber;
        error.reason = std::move(reason);
        return false;
    }

    bool kindLine(const std::string& value) {
        for (const KindName& kind : kKinds) {
            if (value == kind.name) {
                record.mode = kind.mode;
                haveKind = true;
                return true;
            }
        }
        return fail("nieznany rodzaj systemu " + inQuotes(value) +
                    ": symulacyjny, globalny lub preferencyjny.");
    }

    bool positionLine(const std::string& key, std::string_view value) {
        std::uint64_t k = 0;
        if (!readNumber(key, kPositionCount, k) || k == 0)
            return fail("nie ma pozycji " + inQuotes(key) + ": pozycje mają numery od 1 do 13.");
        const int position = static_cast<int>(k);
        if (position < next)
            return fail("pozycja " + std::to_string(position) + " podana drugi raz.");
        if (position > next)
            return fail("brak pozycji " + std::to_string(next) + " (ten wiersz podaje pozycję " +
                        std::to_string(position) + ").");
        const std::string at = "pozycja " + std::to_string(position) + ": ";
        ++next;
        if (value == "-") return true;  // never entered: stays unvisited, all zero
        const std::vector<std::string_view> numbers = words(value);
        if (numbers.size() != 3)
            return fail(at +
                        "potrzebne są trzy liczby (procenty wyników 1, 0 i 2) albo „-” "
                        "dla pozycji jeszcze nie ustalonej.");
        std::array<int, 3> percent{};
        for (size_t i = 0; i < 3; ++i) {
            std::uint64_t v = 0;
            if (!readNumber(numbers[i], 100, v)) {
                return fail(at + inQuotes(numbers[i]) +
                            (allDigits(numbers[i]) ? " to więcej niż 100 %."
                                                   : " nie jest liczbą całkowitą od 0 do 100."));
            }
            percent[i] = static_cast<int>(v);
        }
        const int sum = percent[0] + percent[1] + percent[2];
        if (sum != 100)
            return fail(at + std::to_string(percent[0]) + " + " + std::to_string(percent[1]) +
                        " + " + std::to_string(percent[2]) + " = " + std::to_string(sum) +
                        ", a procenty pozycji muszą dawać razem 100.");
        PositionForecast& p = record.forecast[static_cast<size_t>(position - 1)];
        p.p1 = percent[0];
        p.p0 = percent[1];
        p.p2 = percent[2];
        p.certain = (p.p1 == 100 || p.p0 == 100 || p.p2 == 100) ? 1 : 0;
        record.visited[static_cast<size_t>(position - 1)] = 1;
        return true;
    }

    bool setupLine(const KeyName& k, std::string_view value) {
        const std::string key = "„" + std::string(k.name) + "” ";
        if (record.mode == SystemMode::Simulation)
            return fail(key + "należy tylko do systemów gwarancyjnych, a ten jest symulacyjny.");
        if (k.key == Key::Budget && record.mode != SystemMode::Preferred)
            return fail(key + "należy tylko do systemu preferencyjnego.");
        bool& was = seen[static_cast<size_t>(k.key)];
        if (was) return fail(key + "podany drugi raz.");
        was = true;
        if (!record.setup) record.setup.emplace();
        GuaranteeSetup& s = *record.setup;
        std::uint64_t v = 0;
        switch (k.key) {
            case Key::Hits:
                if (!readNumber(value, kPositionCount, v) || v < kFewestHits)
                    return fail("gwarancja to liczba trafień: 13, 12, 11 lub 10.");
                s.hits = static_cast<int>(v);
                return true;
            case Key::Budget:
                if (!readNumber(value, kAllColumns, v) || v == 0)
                    return fail("kolumn do zagrania może być od 1 do 1594323.");
                s.budget = v;
                budgetLine = lineNumber;
                return true;
            case Key::Seconds:
                if (!readNumber(value, kMostSeconds, v) || v == 0)
                    return fail("limit to liczba sekund od 1 do 600.");
                s.seconds = static_cast<int>(v);
                return true;
            default:
                return rangeLine(value, s.conditions.*(k.range));
        }
    }

    bool rangeLine(std::string_view value, cover::CountRange& range) {
        const size_t dash = value.find('-');
        std::uint64_t low = 0;
        std::uint64_t high = 0;
        if (dash == std::string_view::npos ||
            !readNumber(trim(value.substr(0, dash)), kPositionCount, low) ||
            !readNumber(trim(value.substr(dash + 1)), kPositionCount, high))
            return fail("zakres ma postać „od-do” z liczbami od 0 do 13, np. „7-10”.");
        if (low > high)
            return fail("w zakresie " + inQuotes(value) +
                        " pierwsza liczba jest większa od drugiej.");
        range.low = static_cast<int>(low);
        range.high = static_cast<int>(high);
        return true;
    }

    int lineNumber = 0;
    bool haveKind = false;
    int next = 1;  // the position the next position line must give
    std::array<bool, static_cast<size_t>(Key::Count)> seen{};
    int budgetLine = 0;
};

}  // namespace

bool StoredForecast::operator==(const StoredForecast& other) const {
    for (size_t i = 0; i < forecast.size(); ++i) {
        const PositionForecast& a = forecast[i];
        const PositionForecast& b = other.forecast[i];
        if (a.p1 != b.p1 || a.p0 != b.p0 || a.p2 != b.p2 || a.certain != b.certain) return false;
    }
    return mode == other.mode && visited == other.visited && setup == other.setup;
}

bool parseForecastText(std::string_view bytes, StoredForecast& record, ForecastTextError& error) {
    if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    Parser parser;
    int number = 0;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        ++number;
        if (!parser.line(number, bytes.substr(0, end))) {
            error = parser.error;
            return false;
        }
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    }
    if (!parser.finish(number)) {
        error = parser.error;
        return false;
    }
    record = parser.record;
    return true;
}

std::string formatForecastText(const StoredForecast& record) {
    std::string text =
        "# Zuvo 2001 - prognoza\n"
        "# Pozycja: procenty wyników 1, 0 i 2 (razem 100); \"-\" to pozycja jeszcze nie "
        "ustalona.\n";
    for (const KindName& kind : kKinds)
        if (kind.mode == record.mode) text += "rodzaj: " + std::string(kind.name) + "\n";
    for (int k = 1; k <= kPositionCount; ++k) {
        const size_t i = static_cast<size_t>(k - 1);
        const PositionForecast& p = record.forecast[i];
        text += std::to_string(k) + ": ";
        text += record.visited[i] != 0
                    ? std::to_string(p.p1) + " " + std::to_string(p.p0) + " " + std::to_string(p.p2)
                    : std::string("-");
        text += "\n";
    }
    if (record.mode == SystemMode::Simulation || !record.setup) return text;
    const GuaranteeSetup& s = *record.setup;
    text += "# Gwarancja: trafień z 13; kolumn: do zagrania; limit: sekund szukania.\n";
    text += name(Key::Hits) + ": " + std::to_string(s.hits) + "\n";
    if (record.mode == SystemMode::Preferred && s.budget > 0)
        text += name(Key::Budget) + ": " + std::to_string(s.budget) + "\n";
    text += name(Key::Seconds) + ": " + std::to_string(s.seconds) + "\n";
    for (const KeyName& k : kKeys) {
        if (k.range == nullptr) continue;
        const cover::CountRange& range = s.conditions.*(k.range);
        if (!range.whole())
            text += std::string(k.name) + ": " + std::to_string(range.low) + "-" +
                    std::to_string(range.high) + "\n";
    }
    return text;
}

bool readForecastFile(const QString& path, StoredForecast& record, QString& error) {
    const QFileInfo info(path);
    const QString shown = shownFileName(path);
    if (!info.exists()) {
        error = QStringLiteral("Nie znaleziono pliku \"%1\".").arg(shown);
        return false;
    }
    // A folder, a pipe or a device would never end or never be a forecast.
    if (!info.isFile()) {
        error = QStringLiteral("\"%1\" nie jest zwykłym plikiem.").arg(shown);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = withReason(QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(shown), file);
        return false;
    }
    // One byte past the limit tells a file that grew since it was measured.
    const QByteArray bytes = file.read(kMaxForecastFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        error = withReason(QStringLiteral("Błąd odczytu pliku \"%1\".").arg(shown), file);
        return false;
    }
    if (bytes.size() > kMaxForecastFileBytes) {
        error = QStringLiteral(
                    "Plik \"%1\" jest za duży jak na prognozę (ponad 64 KB); plik prognozy "
                    "zajmuje kilkaset bajtów.")
                    .arg(shown);
        return false;
    }
    ForecastTextError bad;
    if (!parseForecastText(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                           record, bad)) {
        const QString reason = QString::fromStdString(bad.reason);
        QString where;
        if (!bad.atEnd)
            where = QStringLiteral("Wiersz %1: %2").arg(bad.line).arg(reason);
        else if (bad.line == 0)
            where = QStringLiteral("Plik jest pusty.");
        else
            where = QStringLiteral("Po wierszu %1 (koniec pliku): %2").arg(bad.line).arg(reason);
        error = QStringLiteral("Plik \"%1\" nie jest poprawną prognozą.\n").arg(shown) + where;
        return false;
    }
    return true;
}

bool writeForecastFile(const QString& path, const StoredForecast& record, QString& error) {
    return writeWholeFile(path, formatForecastText(record), error);
}

}  // namespace zuvo
