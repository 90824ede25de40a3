// Saving and opening the system file from the window, and the save prompt before "Otwórz".
#include <QAction>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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
    void open(const QString& path) {
        platform.expectOpenDialog(path);
        window->shell.Otworz1->trigger();
    }
    QString unwritablePath() const { return startPath(QStringLiteral("brak/katalogu/sys.txt")); }
};

TEST_F(FilesTest, SaveWritesFifteenBytesPerColumn) {
    finishIntro();
    giveGeneratedList(40);
    const QString path = startPath(QStringLiteral("system.txt"));
    platform.expectSaveDialog(path);
    window->shell.Zapisz1->trigger();

    const QByteArray bytes = readAll(path);
    ASSERT_EQ(bytes.size(), 600);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.left(15), QByteArray::fromStdString(window->state.systemList[0]) + "\r\n");
    EXPECT_EQ(bytes.mid(39 * 15, 13), QByteArray::fromStdString(window->state.systemList[39]));
    ASSERT_EQ(platform.dialogFilters.size(), 1u);
    EXPECT_EQ(platform.dialogFilters[0], QStringLiteral("Plik textowy(*.txt)"));
    EXPECT_EQ(platform.dialogSuffixes[0], QStringLiteral("txt"));
    EXPECT_FALSE(window->state.resultsUnsaved);
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

TEST_F(FilesTest, CancelledSaveWritesNothingButClearsTheFlag) {
    finishIntro();
    giveGeneratedList(3);
    platform.expectSaveDialog(QString());
    window->shell.Zapisz1->trigger();
    EXPECT_TRUE(QDir(startDir.path()).entryList({QStringLiteral("*.txt")}).isEmpty());
    EXPECT_FALSE(window->state.resultsUnsaved);
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
    ASSERT_TRUE(writeFile(path, "1021021021021\r\n2222200000111\r\n0000000000000\r\n"));
    open(path);

    EXPECT_EQ(platform.dialogFilters.back(), QStringLiteral("Pliki textowe(*.txt)"));
    EXPECT_EQ(platform.dialogSuffixes.back(), QStringLiteral("txt"));
    ASSERT_EQ(window->state.systemList.size(), 3u);
    EXPECT_EQ(window->state.systemList[1], "2222200000111");
    EXPECT_FALSE(window->state.listGenerated);
    EXPECT_FALSE(window->state.resultsUnsaved);

    const GeneratorArea& g = window->gen;
    EXPECT_TRUE(g.GroupBox2->isVisible());
    EXPECT_TRUE(g.Label105->isVisible());
    EXPECT_EQ(g.Label35->text(), QStringLiteral("3"));
    ASSERT_EQ(g.ListBox1->count(), 3);
    EXPECT_EQ(g.ListBox1->item(2)->text(), QStringLiteral("0000000000000"));
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
}

TEST_F(FilesTest, EmptyLinesCountAsEntries) {
    finishIntro();
    const QString path = startPath(QStringLiteral("ab.txt"));
    ASSERT_TRUE(writeFile(path, "A\r\n\r\nB"));
    open(path);
    EXPECT_EQ(window->gen.Label35->text(), QStringLiteral("3"));
    EXPECT_EQ(window->gen.ListBox1->count(), 3);
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
    EXPECT_EQ(window->gen.ListBox1->count(), 2);
    EXPECT_TRUE(window->gen.GroupBox2->isVisible());
}

TEST_F(FilesTest, FailedOpenFromStageOneStaysOnStageOne) {
    openStage1();
    platform.anyMessage = true;
    open(startPath(QStringLiteral("nie_ma.txt")));
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(window->gen.GroupBox2->isVisible());
    EXPECT_TRUE(window->state.listGenerated);
}

TEST_F(FilesTest, CancelledOpenChangesNothing) {
    openStage1();
    open(QString());
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_FALSE(window->gen.GroupBox2->isVisible());
    EXPECT_TRUE(window->state.listGenerated);
}

TEST_F(FilesTest, OpenAfterNoToTheSavePromptForgetsTheUnsavedList) {
    finishIntro();
    giveGeneratedList(5);
    platform.expectQuestion(QStringLiteral("Zapisać rozwiązania ?"), QuestionKind::Confirmation,
                            false);
    open(QString());
    EXPECT_FALSE(window->state.resultsUnsaved);
    EXPECT_EQ(window->state.systemList.size(), 5u);  // the open was cancelled
}

TEST_F(FilesTest, OpenAfterYesSavesThenOpens) {
    finishIntro();
    giveGeneratedList(5);
    const QString saved = startPath(QStringLiteral("przed.txt"));
    const QString other = startPath(QStringLiteral("inny.txt"));
    ASSERT_TRUE(writeFile(other, "0000000000000\r\n"));
    platform.expectQuestion(QStringLiteral("Zapisać rozwiązania ?"), QuestionKind::Confirmation,
                            true);
    platform.expectSaveDialog(saved);
    open(other);
    EXPECT_EQ(readAll(saved).size(), 75);
    EXPECT_EQ(window->state.systemList, (zuvo::SystemList{"0000000000000"}));
    EXPECT_FALSE(window->state.resultsUnsaved);
}

TEST_F(FilesTest, OpenAfterYesAndACancelledSaveDialogStillOpens) {
    finishIntro();
    giveGeneratedList(5);
    platform.expectQuestion(QStringLiteral("Zapisać rozwiązania ?"), QuestionKind::Confirmation,
                            true);
    platform.expectSaveDialog(QString());
    open(QString());
    EXPECT_FALSE(window->state.resultsUnsaved);
    EXPECT_EQ(platform.dialogFilters.size(), 2u);  // save, then open
}

TEST_F(FilesTest, AFailedSaveBeforeOpeningStopsTheOpen) {
    finishIntro();
    giveGeneratedList(5);
    platform.anyMessage = true;
    platform.expectQuestion(QStringLiteral("Zapisać rozwiązania ?"), QuestionKind::Confirmation,
                            true);
    platform.expectSaveDialog(unwritablePath());
    window->shell.Otworz1->trigger();  // no open dialog may follow
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.dialogFilters.size(), 1u);
    EXPECT_TRUE(window->state.resultsUnsaved);
    EXPECT_EQ(window->state.systemList.size(), 5u);
}

TEST_F(FilesTest, AnEmptyUnsavedListIsNotOfferedBeforeOpening) {
    finishIntro();
    window->state.resultsUnsaved = true;
    open(QString());
    EXPECT_TRUE(platform.questions.empty());
}
