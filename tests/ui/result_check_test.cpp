// The result check on an opened system: typing the results, the counts and hit lists, and the
// video that greets the outcome.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "window_fixture.h"

namespace {

const QString kResults = QStringLiteral("1021021021021");
const QString kIncomplete =
    QString::fromUtf8("Wprowadź najpierw wszystkie trzynaście rezultatów !");

}  // namespace

class ResultCheckTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        // The media and the picture the check reads from the start directory.
        for (const char* name : {"Drav1.avi", "Drav2.avi", "Drv.wav"}) {
            QFile file(startPath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        QImage picture(176, 144, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        ASSERT_TRUE(picture.save(startPath(QStringLiteral("Dravik.bmp")), "BMP"));
    }

    // Opens a system file with these entries, as the menu "Otwórz" does.
    void openSystem(const QStringList& entries) {
        finishIntro();
        const QString name = startPath(QStringLiteral("system.txt"));
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        for (const QString& entry : entries) file.write(entry.toLatin1() + "\r\n");
        file.close();
        platform.expectOpenDialog(name);
        window->shell.Otworz1->trigger();
        ASSERT_TRUE(window->gen.GroupBox2->isVisible());
        ASSERT_EQ(window->state.systemList.size(), static_cast<size_t>(entries.size()));
    }
    // Types into the results box key by key.
    void typeResults(const QString& text) {
        window->gen.Edit1->setFocus();
        QTest::keyClicks(window->gen.Edit1, text);
    }
    QString counts() const {
        QStringList all;
        for (QLabel* label : window->gen.hitCounts) all << label->text();
        return all.join(QLatin1Char(' '));
    }
    void runVideoTimer(int ticks) {
        for (int i = 0; i < ticks; ++i) window->Timer8Timer();
    }
};

// Twelve columns: the 1st and 11th equal the results, the 5th misses once, the 9th twice, the
// 10th three times, the rest four times or more; the 12th is a short entry of a hand-made file.
QStringList exampleSystem() {
    QStringList list;
    list << kResults;                         // 1: 13
    list << QStringLiteral("2222222222222");  // 2
    list << QStringLiteral("0000000000000");  // 3
    list << QStringLiteral("1111111111111");  // 4
    list << QStringLiteral("1021021021022");  // 5: 12
    list << QStringLiteral("0120120120120");  // 6
    list << QStringLiteral("2102102102102");  // 7
    list << QStringLiteral("1021021020202");  // 8: 9
    list << QStringLiteral("2021021021020");  // 9: 11
    list << QStringLiteral("0001021021020");  // 10: 10
    list << kResults;                         // 11: 13
    list << QStringLiteral("10210");          // 12: short, 5 hits
    return list;
}

TEST_F(ResultCheckTest, CountsAndListsEveryHitClassAndPlaysTheWinningVideo) {
    openSystem(exampleSystem());
    EXPECT_TRUE(window->gen.Edit1->isEnabled());
    typeResults(kResults);
    clickButton(window->gen.Button23);

    const GeneratorArea& g = window->gen;
    EXPECT_EQ(counts(), QStringLiteral("2 1 1 1"));
    EXPECT_EQ(rowTexts(g.numberLists[0]), (QStringList{"1", "11"}));
    EXPECT_EQ(rowTexts(g.couponLists[0]), (QStringList{"1/1", "2/3"}));
    EXPECT_EQ(rowTexts(g.numberLists[1]), (QStringList{"5"}));
    EXPECT_EQ(rowTexts(g.couponLists[1]), (QStringList{"1/5"}));
    EXPECT_EQ(rowTexts(g.numberLists[2]), (QStringList{"9"}));
    EXPECT_EQ(rowTexts(g.couponLists[2]), (QStringList{"2/1"}));
    EXPECT_EQ(rowTexts(g.numberLists[3]), (QStringList{"10"}));
    EXPECT_EQ(rowTexts(g.couponLists[3]), (QStringList{"2/2"}));

    ASSERT_EQ(platform.videos, (std::vector<QString>{startPath(QStringLiteral("Drav1.avi"))}));
    EXPECT_EQ(platform.sounds, (std::vector<QString>{startPath(QStringLiteral("Drv.wav"))}));
    const QRect panel = g.Panel4->rect();
    EXPECT_EQ(platform.videoAreas.front(), QRect(2, 2, panel.width() - 4, panel.height() - 4));
    EXPECT_EQ(g.Panel4->geometry(), g.Image3->geometry());
    EXPECT_TRUE(g.Panel4->isVisible());
    EXPECT_TRUE(window->Timer8->isActive());

    // The winning video stands for six ticks and goes at the seventh.
    runVideoTimer(6);
    EXPECT_TRUE(g.Panel4->isVisible());
    runVideoTimer(1);
    EXPECT_FALSE(g.Panel4->isVisible());
    EXPECT_FALSE(window->Timer8->isActive());
    EXPECT_EQ(window->state.videoCounter, 0);
    EXPECT_EQ(platform.videoStops, 1);
    EXPECT_EQ(g.Image3->pixmap().size(), QSize(176, 144));
}

TEST_F(ResultCheckTest, NoColumnWithTenHitsPlaysTheOtherVideoForNineTicks) {
    openSystem({QStringLiteral("0000000000000"), QStringLiteral("2222222222222")});
    typeResults(kResults);
    clickButton(window->gen.Button23);
    EXPECT_EQ(counts(), QStringLiteral("0 0 0 0"));
    for (const QListView* list : window->gen.numberLists) EXPECT_EQ(rowCount(list), 0);
    for (const QListView* list : window->gen.couponLists) EXPECT_EQ(rowCount(list), 0);
    EXPECT_EQ(platform.videos, (std::vector<QString>{startPath(QStringLiteral("Drav2.avi"))}));
    EXPECT_TRUE(platform.sounds.empty());
    runVideoTimer(8);
    EXPECT_TRUE(window->gen.Panel4->isVisible());
    runVideoTimer(1);
    EXPECT_FALSE(window->gen.Panel4->isVisible());
}

TEST_F(ResultCheckTest, SomeHitsButNoThirteenPlayNothing) {
    openSystem({QStringLiteral("1021021021022")});
    typeResults(kResults);
    clickButton(window->gen.Button23);
    EXPECT_EQ(counts(), QStringLiteral("0 1 0 0"));
    EXPECT_TRUE(platform.videos.empty());
    EXPECT_FALSE(window->Timer8->isActive());
}

TEST_F(ResultCheckTest, IncompleteResultsKeepTheLastCheckAndPlayTheOtherVideo) {
    openSystem(exampleSystem());
    typeResults(kResults);
    clickButton(window->gen.Button23);
    runVideoTimer(7);
    ASSERT_EQ(counts(), QStringLiteral("2 1 1 1"));

    QTest::keyClick(window->gen.Edit1, Qt::Key_Backspace);
    platform.expectMessage(kIncomplete);
    clickButton(window->gen.Button23);
    EXPECT_EQ(counts(), QStringLiteral("2 1 1 1"));
    EXPECT_EQ(rowTexts(window->gen.numberLists[0]), (QStringList{"1", "11"}));
    EXPECT_EQ(platform.videos.back(), startPath(QStringLiteral("Drav2.avi")));
    EXPECT_TRUE(window->Timer8->isActive());
}

TEST_F(ResultCheckTest, MissingMediaIsReportedAndTheCountsStand) {
    openSystem(exampleSystem());
    typeResults(kResults);
    QFile::remove(startPath(QStringLiteral("Drav1.avi")));
    platform.expectMessage(
        QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(startPath("Drav1.avi")));
    clickButton(window->gen.Button23);
    EXPECT_EQ(counts(), QStringLiteral("2 1 1 1"));
    EXPECT_FALSE(window->gen.Panel4->isVisible());
    EXPECT_FALSE(window->Timer8->isActive());
}

TEST_F(ResultCheckTest, MissingSoundStillLetsTheVideoEnd) {
    openSystem(exampleSystem());
    typeResults(kResults);
    QFile::remove(startPath(QStringLiteral("Drv.wav")));
    platform.expectMessage(
        QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(startPath("Drv.wav")));
    clickButton(window->gen.Button23);
    runVideoTimer(7);
    EXPECT_FALSE(window->gen.Panel4->isVisible());
}

TEST_F(ResultCheckTest, MissingPictureAfterTheVideoIsReported) {
    openSystem({QStringLiteral("0000000000000")});
    typeResults(kResults);
    clickButton(window->gen.Button23);
    QFile::remove(startPath(QStringLiteral("Dravik.bmp")));
    platform.expectMessage(
        QStringLiteral("Nie można otworzyć pliku \"%1\".").arg(startPath("Dravik.bmp")));
    runVideoTimer(9);
    EXPECT_FALSE(window->gen.Panel4->isVisible());
    EXPECT_FALSE(window->Timer8->isActive());
}

TEST_F(ResultCheckTest, ResultsBoxTakesOnlyOutcomesAndBeepsAtTheRest) {
    openSystem({kResults});
    QLineEdit* edit = window->gen.Edit1;
    const int introBeeps = platform.beeps;
    typeResults(QStringLiteral("1x3 0a2"));
    EXPECT_EQ(edit->text(), QStringLiteral("102"));
    EXPECT_EQ(platform.beeps - introBeeps, 4);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
    EXPECT_EQ(platform.beeps - introBeeps, 4);

    // Pasted text brings nothing foreign in either.
    QGuiApplication::clipboard()->setText(QStringLiteral("12a0"));
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("10"));
    QGuiApplication::clipboard()->setText(QStringLiteral("2010"));
    edit->paste();
    EXPECT_EQ(edit->text(), QStringLiteral("102010"));

    typeResults(QStringLiteral("012012012"));
    EXPECT_EQ(edit->text().size(), 13);
}
