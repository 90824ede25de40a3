// Saving and opening the system file from the window, and the save prompt before "Otwórz".
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <string>

#include "ui/window_fixture.h"

namespace {

// n different columns, as the generator would list them.
zuvo::SystemList columns(int n) {
    zuvo::SystemList list;
    for (int i = 0; i < n; ++i) {
        std::string text(13, '1');
        int v = i;
        for (int p = 12; p >= 0 && v > 0; --p, v /= 3) text[static_cast<size_t>(p)] = "102"[v % 3];
        list.push_back(text);
    }
    return list;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class FilesTest : public WindowTest {
  protected:
    // A finished run: the list is there and was not offered for saving yet.
    void giveGeneratedList(int n) {
        window->state.systemList = columns(n);
        window->state.resultsUnsaved = true;
        window->shell.Zapisz1->setEnabled(true);
    }
    void open(const QString& path) {  // "Otwórz" with the file chosen in the dialog
        platform.expectOpenDialog(path);
        window->shell.Otworz1->trigger();
    }
    QString unwritablePath() const { return startPath(QStringLiteral("brak/katalogu/sys.txt")); }
};

TEST_F(FilesTest, SaveWritesFifteenBytesPerColumn) {
    finishIntro();
    giveGeneratedList(40);
    platform.expectSaveDialog(QString());  // cancelled: nothing written, not offered again
    window->shell.Zapisz1->trigger();
    EXPECT_FALSE(window->state.resultsUnsaved);
    EXPECT_TRUE(QDir(startDir.path()).entryList(QDir::Files).isEmpty());

    const QString path = startPath(QStringLiteral("system.txt"));
    platform.expectSaveDialog(path);
    window->shell.Zapisz1->trigger();

    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 600);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.left(15), QByteArray::fromStdString(window->state.systemList[0]) + "\r\n");
    EXPECT_EQ(bytes.mid(39 * 15, 13), QByteArray::fromStdString(window->state.systemList[39]));
    ASSERT_EQ(platform.dialogFilters.size(), 2u);
    EXPECT_EQ(platform.dialogFilters[1], QStringLiteral("Plik textowy(*.txt)"));
    EXPECT_EQ(platform.dialogSuffixes[1], QStringLiteral("txt"));
}

TEST_F(FilesTest, SavingAnEmptyListIsRefused) {
    finishIntro();
    window->state.resultsUnsaved = true;
    window->shell.Zapisz1->setEnabled(true);
    platform.expectMessage(QStringLiteral("Co chcesz zapisywać ? Lista jest pusta ! "));
    window->shell.Zapisz1->trigger();
    EXPECT_TRUE(platform.dialogFilters.empty());
    EXPECT_TRUE(window->state.resultsUnsaved);
}

TEST_F(FilesTest, FailedSaveIsReportedAndTheListStaysUnsaved) {
    finishIntro();
    giveGeneratedList(3);
    platform.anyMessage = true;
    platform.expectSaveDialog(unwritablePath());
    window->shell.Zapisz1->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("sys.txt")));
    EXPECT_TRUE(window->state.resultsUnsaved);
}

TEST_F(FilesTest, OpeningShowsTheResultScreen) {
    openStage1();
    const QString path = startPath(QStringLiteral("zapisany.txt"));
    ASSERT_TRUE(writeFile(path, "1021021021021\r\n\r\n0000000000000"));
    open(path);

    EXPECT_EQ(platform.dialogFilters.back(), QStringLiteral("Pliki textowe(*.txt)"));
    EXPECT_EQ(platform.dialogSuffixes.back(), QStringLiteral("txt"));
    ASSERT_EQ(window->state.systemList.size(), 3u);
    EXPECT_EQ(window->state.systemList[1], "");
    EXPECT_FALSE(window->state.listGenerated);
    EXPECT_FALSE(window->state.resultsUnsaved);

    const GeneratorArea& g = window->gen;
    EXPECT_TRUE(g.GroupBox2->isVisible());
    EXPECT_TRUE(g.Label105->isVisible());
    EXPECT_EQ(g.Label35->text(), QStringLiteral("3"));
    ASSERT_EQ(rowCount(g.ListBox1), 3);
    EXPECT_EQ(rowTexts(g.ListBox1).at(2), QStringLiteral("0000000000000"));
    EXPECT_TRUE(window->print.Panel31->isVisible());
    EXPECT_FALSE(window->print.Panel52->isVisible());
    EXPECT_FALSE(window->print.Panel32->isVisible());
    EXPECT_TRUE(g.Button24->isEnabled());
    for (QPushButton* b :
         {g.Button20, g.Button33, g.Button19, window->print.Button29, window->print.Button26,
          window->print.Button32, window->print.Button25, window->print.Button30})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(g.Button23->isEnabled());
    EXPECT_TRUE(g.Edit1->isEnabled());
    EXPECT_FALSE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(window->stage1.Panel1->isVisible());
    EXPECT_FALSE(window->Timer5->isActive());
    EXPECT_TRUE(window->shell.Wyjcie1->isEnabled());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());
    // A file holds no forecast to weigh its columns by; the entry says so.
    EXPECT_FALSE(window->shell.Szanse1->isEnabled());
    EXPECT_FALSE(window->shell.Szanse1->toolTip().isEmpty());
}

TEST_F(FilesTest, AFileThatCannotBeReadKeepsTheListAndTheScreen) {
    finishIntro();
    const QString path = startPath(QStringLiteral("dobry.txt"));
    ASSERT_TRUE(writeFile(path, "1111111111111\r\n2222222222222\r\n"));
    open(path);
    ASSERT_EQ(window->gen.Label35->text(), QStringLiteral("2"));

    platform.anyMessage = true;
    open(startPath(QStringLiteral("nie_ma.txt")));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("nie_ma.txt")));
    EXPECT_EQ(window->state.systemList, (zuvo::SystemList{"1111111111111", "2222222222222"}));
    EXPECT_EQ(window->gen.Label35->text(), QStringLiteral("2"));
    EXPECT_EQ(rowCount(window->gen.ListBox1), 2);
    EXPECT_TRUE(window->gen.GroupBox2->isVisible());
}
