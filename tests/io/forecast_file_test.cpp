#include "io/forecast_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdio>
#include <string>

namespace {

using zuvo::StoredForecast;
using zuvo::SystemMode;

// Thirteen positions as "p1 p0 p2" or "-", the way a person writes them.
using Lines = std::array<const char*, 13>;

const Lines kTyped = {"45 35 20", "100 0 0",  "34 33 33", "50 50 0",  "0 0 100",
                      "60 30 10", "20 30 50", "10 80 10", "33 33 34", "70 20 10",
                      "0 100 0",  "25 25 50", "40 60 0"};

// The record a reader must give for `lines`, worked out here without the parser.
StoredForecast recordOf(SystemMode mode, const Lines& lines) {
    StoredForecast r;
    r.mode = mode;
    for (size_t i = 0; i < 13; ++i) {
        int a = 0, b = 0, c = 0;
        if (std::sscanf(lines[i], "%d %d %d", &a, &b, &c) != 3) continue;
        r.forecast[i] = {a, b, c, (a == 100 || b == 100 || c == 100) ? 1 : 0};
        r.visited[i] = 1;
    }
    return r;
}

std::string textOf(const char* kind, const Lines& lines, const std::string& tail = "") {
    std::string text = std::string("rodzaj: ") + kind + "\n";
    for (size_t i = 0; i < 13; ++i) text += std::to_string(i + 1) + ": " + lines[i] + "\n";
    return text + tail;
}

bool parse(std::string_view text, StoredForecast& r, zuvo::ForecastTextError& e) {
    return zuvo::parseForecastText(text, r, e);
}

// The file the writer makes is what the reader takes, through a real file on disk.
TEST(ForecastText, WrittenRecordsReadBackTheSame) {
    Lines partial = kTyped;
    for (size_t i : {0u, 4u, 12u}) partial[i] = "-";
    StoredForecast preferred = recordOf(SystemMode::Preferred, kTyped);
    preferred.setup = zuvo::GuaranteeSetup{11, 40, 30, {{3, 9}, {0, 13}, {0, 4}, {5, 13}}};
    StoredForecast global = recordOf(SystemMode::Global, partial);
    global.setup = zuvo::GuaranteeSetup{};  // all defaults: still stored
    global.setup->budget = 99;              // "globalny" plays no budget: none is written
    StoredForecast globalRead = global;
    globalRead.setup->budget = 0;
    const StoredForecast simulation = recordOf(SystemMode::Simulation, kTyped);
    const std::pair<StoredForecast, StoredForecast> cases[] = {
        {simulation, simulation},
        {recordOf(SystemMode::Simulation, partial), recordOf(SystemMode::Simulation, partial)},
        {preferred, preferred},
        {global, globalRead},
        {recordOf(SystemMode::Preferred, kTyped), recordOf(SystemMode::Preferred, kTyped)}};
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("p.prg"));
    for (const auto& [record, expected] : cases) {
        const std::string text = zuvo::formatForecastText(record);
        SCOPED_TRACE(text);
        QString error;
        ASSERT_TRUE(zuvo::writeForecastFile(path, record, error)) << error.toStdString();
        StoredForecast read;
        ASSERT_TRUE(zuvo::readForecastFile(path, read, error)) << error.toStdString();
        EXPECT_TRUE(read == expected);
        // Whole ranges are no condition and are not written.
        EXPECT_EQ(text.find("\nremisy"), std::string::npos);
    }
}

// What a person may change by hand without changing what the file means.
TEST(ForecastText, CommentsBlanksLineEndsBomAndCaseAreAllowed) {
    const std::string plain = textOf("preferencyjny", kTyped, "gwarancja: 11\nkolumn: 40\n");
    StoredForecast expected = recordOf(SystemMode::Preferred, kTyped);
    expected.setup = zuvo::GuaranteeSetup{11, 40, 10, {}};

    std::string crlf;
    for (char c : plain) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    std::string spaced = plain;
    spaced.replace(spaced.find("1: 45 35 20"), 11, "  1 :\t45   35 20   # Legia - Wisła");
    const std::string cases[] = {
        plain,
        crlf,
        "\xEF\xBB\xBF" + plain,
        "# Zuvo 2001 - prognoza\n\n   \n# komentarz\n" + plain + "\n\n# koniec",
        spaced,
        "RODZAJ: Preferencyjny\n" + plain.substr(plain.find('\n') + 1),
        plain.substr(0, plain.size() - 1),  // no line end after the last line
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE(text);
        StoredForecast read;
        zuvo::ForecastTextError error;
        ASSERT_TRUE(parse(text, read, error)) << error.line << ": " << error.reason;
        EXPECT_TRUE(read == expected);
    }
}

TEST(ForecastText, GuaranteeKeysAreOptionalAndEachTakesItsDefaults) {
    StoredForecast read;
    zuvo::ForecastTextError error;
    ASSERT_TRUE(parse(textOf("globalny", kTyped), read, error)) << error.reason;
    EXPECT_FALSE(read.setup.has_value());

    ASSERT_TRUE(parse(textOf("globalny", kTyped, "remisy: 2-5\n"), read, error)) << error.reason;
    ASSERT_TRUE(read.setup.has_value());
    zuvo::GuaranteeSetup expected;
    expected.conditions.draws = {2, 5};
    EXPECT_EQ(*read.setup, expected);
}

struct Broken {
    std::string text;
    int line;
    bool atEnd;
    const char* says;
};

// Every damaged file is refused whole, naming the line and what is wrong there.
TEST(ForecastText, DamagedTextsNameTheirLineAndLeaveTheRecordAlone) {
    Lines lines = kTyped;
    const auto with = [&](size_t i, const char* value) {
        Lines changed = kTyped;
        changed[i] = value;
        return textOf("symulacyjny", changed);
    };
    std::string missing7 = textOf("symulacyjny", lines);
    missing7.erase(missing7.find("7: "), missing7.find("8: ") - missing7.find("7: "));
    std::string twice = textOf("symulacyjny", lines);
    twice.insert(twice.find("4: "), "3: 100 0 0\n");
    const std::string head = "rodzaj: globalny\n1: 45 35 20\n";
    const Broken cases[] = {
        {with(2, "34 33 34"), 4, false, "pozycja 3: 34 + 33 + 34 = 101, a procenty"},
        {with(0, "101 0 0"), 2, false, "pozycja 1: „101” to więcej niż 100 %"},
        {with(5, "60 3O 10"), 7, false, "„3O” nie jest liczbą całkowitą od 0 do 100"},
        {with(5, "-5 55 50"), 7, false, "„-5” nie jest liczbą"},
        {with(5, "+50 40 10"), 7, false, "„+50” nie jest liczbą"},
        {with(12, "40 60"), 14, false, "pozycja 13: potrzebne są trzy liczby"},
        {with(12, "40 60 0 0"), 14, false, "potrzebne są trzy liczby"},
        {with(12, "99999999999999999999999 0 0"), 14, false, "to więcej niż 100 %"},
        {with(3, ""), 5, false, "potrzebne są trzy liczby"},
        {missing7, 8, false, "brak pozycji 7 (ten wiersz podaje pozycję 8)"},
        {twice, 5, false, "pozycja 3 podana drugi raz"},
        {head + "14: 100 0 0\n", 3, false, "nie ma pozycji „14”"},
        {head + "0: 100 0 0\n", 3, false, "nie ma pozycji „0”"},
        {head, 2, true, "brak pozycji od 2 do 13"},
        {with(12, "40 60 0").substr(0, with(12, "").find("13:")), 13, true, "brak pozycji 13."},
        {"", 0, true, ""},
        {"# tylko komentarz\n\n", 2, true, "brak rodzaju systemu"},
        {"1: 45 35 20\nrodzaj: globalny\n", 1, false, "pierwszy wiersz prognozy podaje rodzaj"},
        {"rodzaj: pełny\n", 1, false, "nieznany rodzaj systemu „pełny”"},
        {head + "rodzaj: globalny\n", 3, false, "rodzaj systemu podany drugi raz"},
        {head + "Legia - Wisła\n", 3, false, "nie ma postaci „klucz: wartość”"},
        {textOf("globalny", lines, "kupon: 3\n"), 15, false, "nieznany klucz „kupon”"},
        {textOf("globalny", lines, "limit: 5\nlimit: 6\n"), 16, false, "„limit” podany drugi"},
        {textOf("globalny", lines, "kolumn: 40\n"), 15, false, "tylko do systemu preferencyjnego"},
        {textOf("symulacyjny", lines, "gwarancja: 12\n"), 15, false, "systemów gwarancyjnych"},
        {textOf("globalny", lines, "gwarancja: 9\n"), 15, false, "13, 12, 11 lub 10"},
        {textOf("globalny", lines, "gwarancja: 14\n"), 15, false, "13, 12, 11 lub 10"},
        {textOf("globalny", lines, "limit: 0\n"), 15, false, "od 1 do 600"},
        {textOf("globalny", lines, "limit: 601\n"), 15, false, "od 1 do 600"},
        {textOf("preferencyjny", lines, "kolumn: 0\n"), 15, false, "od 1 do 1594323"},
        {textOf("globalny", lines, "jedynki: 10-7\n"), 15, false, "„10-7” pierwsza liczba"},
        {textOf("globalny", lines, "remisy: 0-14\n"), 15, false, "zakres ma postać „od-do”"},
        {textOf("globalny", lines, "faworyci: 5\n"), 15, false, "zakres ma postać"},
        // The typed forecast plays 3^8 * 2^2 = 26244 combinations.
        {textOf("preferencyjny", lines, "kolumn: 26245\nlimit: 5\n"), 15, false,
         "kolumn do zagrania jest 26245, a prognoza daje tylko 26244 kombinacji"},
        {head + std::string("2: 100\0 0 0\n", 12), 3, false, "„100?” nie jest liczbą"},
        {head + "2:\x01\x02\x03 0 0\n", 3, false, "„???” nie jest liczbą"},
    };
    for (const Broken& c : cases) {
        SCOPED_TRACE(c.text);
        StoredForecast record;
        record.forecast[0].p1 = -7;  // whatever it held stays
        zuvo::ForecastTextError error;
        ASSERT_FALSE(parse(c.text, record, error));
        EXPECT_EQ(record.forecast[0].p1, -7);
        EXPECT_EQ(error.line, c.line);
        EXPECT_EQ(error.atEnd, c.atEnd);
        EXPECT_NE(error.reason.find(c.says), std::string::npos) << error.reason;
    }
    // The budget check counts outcomes above 0 % only, so exactly all combinations pass.
    StoredForecast record;
    zuvo::ForecastTextError error;
    EXPECT_TRUE(parse(textOf("preferencyjny", lines, "kolumn: 26244\n"), record, error))
        << error.reason;
}

TEST(ForecastText, QuotedTextIsCutShortAtACharacterBoundary) {
    StoredForecast record;
    zuvo::ForecastTextError error;
    // 41 bytes: byte 24, where the quote is cut, falls inside a two-byte letter.
    const std::string key = "ażółćżółćżółćżółćżółć";
    ASSERT_FALSE(parse(textOf("globalny", kTyped, key + ": 1\n"), record, error));
    EXPECT_NE(error.reason.find("„ażółćżółćżół…”"), std::string::npos) << error.reason;
}

class ForecastFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void writeBytes(const QString& name, const QByteArray& bytes) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QTemporaryDir dir;
};

TEST_F(ForecastFileTest, ABadFileNamesTheFileAndTheLine) {
    writeBytes(QStringLiteral("zla.prg"), "rodzaj: symulacyjny\n1: 50 50 1\n");
    writeBytes(QStringLiteral("krotka.prg"), "rodzaj: symulacyjny\n1: 50 50 0\n");
    writeBytes(QStringLiteral("pusta.prg"), "");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.prg")));
    {
        QFile big(path(QStringLiteral("duza.prg")));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(zuvo::kMaxForecastFileBytes + 1));
    }
    const struct {
        const char* name;
        const char* says;
    } cases[] = {
        {"zla.prg",
         "\"%1\" nie jest poprawną prognozą.\nWiersz 2: pozycja 1: 50 + 50 + 1 = 101, a procenty "
         "pozycji muszą dawać razem 100."},
        {"krotka.prg",
         "\"%1\" nie jest poprawną prognozą.\nPo wierszu 2 (koniec pliku): brak pozycji od 2 do "
         "13."},
        {"pusta.prg", "\"%1\" nie jest poprawną prognozą.\nPlik jest pusty."},
        {"folder.prg", "\"%1\" nie jest zwykłym plikiem."},
        {"duza.prg", "\"%1\" jest za duży jak na prognozę (ponad 64 KB)"},
        {"brak.prg", "Nie znaleziono pliku \"%1\"."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        StoredForecast record = recordOf(SystemMode::Global, kTyped);
        const StoredForecast before = record;
        QString error;
        const QString file = path(QString::fromLatin1(c.name));
        EXPECT_FALSE(zuvo::readForecastFile(file, record, error));
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.says).arg(QDir::toNativeSeparators(file))))
            << error.toStdString();
        EXPECT_TRUE(record == before);
    }
}

// A file that opens but cannot be read (address 0 of this process's memory gives EIO).
TEST_F(ForecastFileTest, AReadErrorGivesTheSystemsReason) {
    StoredForecast record;
    QString error;
    EXPECT_FALSE(zuvo::readForecastFile(QStringLiteral("/proc/self/mem"), record, error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Błąd odczytu pliku \"/proc/self/mem\".\nPowód: ")))
        << error.toStdString();
}

TEST_F(ForecastFileTest, AFailedWriteNamesTheFile) {
    QString error;
    EXPECT_FALSE(zuvo::writeForecastFile(path(QStringLiteral("nie/ma/p.prg")),
                                         recordOf(SystemMode::Simulation, kTyped), error));
    EXPECT_TRUE(error.contains(QStringLiteral("p.prg\".\nPowód: "))) << error.toStdString();
}

}  // namespace
