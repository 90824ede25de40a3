#include "io/system_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <stop_token>
#include <string>
#include <vector>

namespace {

using zuvo::formatSystemText;
using zuvo::parseSystemText;
using List = std::vector<std::string>;

List generatedColumns(int n) {
    List list;
    const char outcomes[3] = {'1', '0', '2'};
    for (int i = 0; i < n; ++i) {
        std::string column;
        for (int k = 0; k < 13; ++k) column += outcomes[(i * 7 + k * (i % 5 + 1)) % 3];
        list.push_back(column);
    }
    return list;
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

TEST(SystemTextReader, SplitsAtEveryKindOfLineEnd) {
    const List expected = {"1111111111111", "2222222222222", "0000000000000"};
    EXPECT_EQ(parseSystemText("1111111111111\r\n2222222222222\r\n0000000000000\r\n"), expected);
    EXPECT_EQ(parseSystemText("1111111111111\n2222222222222\n0000000000000\n"), expected);
    EXPECT_EQ(parseSystemText("1111111111111\r2222222222222\r0000000000000\r"), expected);
    EXPECT_EQ(parseSystemText("1111111111111\r2222222222222\n0000000000000\r\n"), expected);
}

TEST(SystemTextReader, LastLineWithoutLineEndIsAnEntry) {
    EXPECT_EQ(parseSystemText("1111111111111\r\n2222222222222"),
              (List{"1111111111111", "2222222222222"}));
    EXPECT_EQ(parseSystemText("x"), (List{"x"}));
}

TEST(SystemTextReader, EmptyLinesGiveEmptyEntries) {
    EXPECT_EQ(parseSystemText(std::string_view("A\r\n\r\nB")), (List{"A", "", "B"}));
    EXPECT_EQ(parseSystemText("\r\n"), (List{""}));
    EXPECT_EQ(parseSystemText("A\n\nB\n"), (List{"A", "", "B"}));
    // CR CR LF is a lone CR and then a CR LF.
    EXPECT_EQ(parseSystemText("A\r\r\nB"), (List{"A", "", "B"}));
    // LF CR is two line ends, not one.
    EXPECT_EQ(parseSystemText("A\n\rB"), (List{"A", "", "B"}));
}

TEST(SystemTextReader, EmptyTextGivesEmptyList) {
    EXPECT_TRUE(parseSystemText("").empty());
}

TEST(SystemTextReader, NulEndsTheText) {
    const std::string bytes("AB\r\nCD\0EF\r\nGH\r\n", 15);
    EXPECT_EQ(parseSystemText(bytes), (List{"AB", "CD"}));
    EXPECT_TRUE(parseSystemText(std::string("\0AB\r\n", 5)).empty());
}

TEST(SystemTextReader, EntriesAreKeptAsTheyStand) {
    const std::string odd = " 1x2\t\xff\x1a 0 ";
    EXPECT_EQ(parseSystemText(odd + "\r\n12\r\n"), (List{odd, "12"}));
}

TEST(SystemTextWriter, GeneratedSystemIsFifteenBytesPerColumn) {
    const List list = generatedColumns(40);
    const std::string text = formatSystemText(list);
    ASSERT_EQ(text.size(), 600u);
    EXPECT_EQ(text.substr(598), "\r\n");
    for (size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(text.substr(i * 15, 13), list[i]);
        EXPECT_EQ(text.substr(i * 15 + 13, 2), "\r\n");
    }
}

class SystemFileTest : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QTemporaryDir dir;
};

TEST_F(SystemFileTest, RoundTripKeepsTheListAndItsBytes) {
    const List list = generatedColumns(40);
    QString error;
    ASSERT_TRUE(zuvo::writeSystemFile(path("system.txt"), list, error)) << error.toStdString();
    EXPECT_EQ(readBytes(path("system.txt")).size(), 600);

    List read = {"stale"};
    ASSERT_TRUE(zuvo::readSystemFile(path("system.txt"), read, error)) << error.toStdString();
    EXPECT_EQ(read, list);
}

// "Anuluj" during a long read: nothing is reported and the shown list stays.
TEST_F(SystemFileTest, StoppedReadKeepsTheListAndSaysNothing) {
    QString error;
    ASSERT_TRUE(zuvo::writeSystemFile(path("system.txt"), generatedColumns(40), error));
    std::stop_source stop;
    stop.request_stop();
    List list = {"1111111111111"};
    EXPECT_FALSE(zuvo::readSystemFile(path("system.txt"), list, error, stop.get_token()));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(list, (List{"1111111111111"}));
}

TEST_F(SystemFileTest, MissingFileNamesItAndLeavesTheListAlone) {
    List list = {"1111111111111"};
    QString error;
    EXPECT_FALSE(zuvo::readSystemFile(path("brak.txt"), list, error));
    EXPECT_TRUE(error.contains(QStringLiteral("brak.txt"))) << error.toStdString();
    EXPECT_EQ(list, (List{"1111111111111"}));
}

TEST_F(SystemFileTest, ReaderAcceptsAnyBytes) {
    QByteArray bytes;
    for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
    writeBytes(path("any.txt"), bytes);
    List list;
    QString error;
    ASSERT_TRUE(zuvo::readSystemFile(path("any.txt"), list, error));
    // Everything before the NUL at byte 0: nothing.
    EXPECT_TRUE(list.empty());

    writeBytes(path("any.txt"), bytes.mid(1));
    ASSERT_TRUE(zuvo::readSystemFile(path("any.txt"), list, error));
    ASSERT_EQ(list.size(), 3u);  // bytes 1..9, LF, 11..12, CR, 13..255
    EXPECT_EQ(list[0].size(), 9u);
    EXPECT_EQ(list[1].size(), 2u);
    EXPECT_EQ(list[2].size(), 242u);
}

TEST_F(SystemFileTest, WriteIntoMissingFolderFailsWithItsNameAndReason) {
    QString error;
    EXPECT_FALSE(zuvo::writeSystemFile(path("nie/ma/system.txt"), generatedColumns(1), error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Nie można utworzyć pliku")))
        << error.toStdString();
    EXPECT_TRUE(error.contains(QStringLiteral("system.txt\".\nPowód: "))) << error.toStdString();
}

// Files that are no system at all are refused at once, before a byte is read, naming the file.
TEST_F(SystemFileTest, PipesFoldersAndOversizedFilesAreRefused) {
    ASSERT_EQ(mkfifo(path("pipe.txt").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.txt")));
    {
        QFile big(path("big.txt"));
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(zuvo::kMaxSystemFileBytes + 1));  // sparse: no disk is filled
    }
    const struct {
        const char* name;
        const char* says;
    } cases[] = {{"pipe.txt", "nie jest zwykłym plikiem"},
                 {"folder.txt", "nie jest zwykłym plikiem"},
                 {"big.txt", "jest za duży (32 MB). Program otwiera pliki systemów do 32 MB"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        List list = {"1111111111111"};
        QString error;
        EXPECT_FALSE(zuvo::readSystemFile(path(QString::fromLatin1(c.name)), list, error));
        EXPECT_TRUE(error.contains(QString::fromLatin1(c.name))) << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
        EXPECT_EQ(list, (List{"1111111111111"}));
    }
}

// A write that runs out of room half-way must leave the previous file as it was.
TEST_F(SystemFileTest, FailedWriteLeavesTheOldFileIntact) {
    const QByteArray old = "0000000000000\r\n1111111111111\r\n";
    writeBytes(path("system.txt"), old);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 100;  // room for the old file, not for 40 columns
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = zuvo::writeSystemFile(path("system.txt"), generatedColumns(40), error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_TRUE(error.contains(QStringLiteral("system.txt"))) << error.toStdString();
    EXPECT_EQ(readBytes(path("system.txt")), old);
    // No temporary file is left behind either.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("system.txt")});
}

}  // namespace
