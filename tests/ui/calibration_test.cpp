// The calibration panel through its controls: kinds, spinners, test print and saving.
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "print/coupon_layout.h"
#include "print/page_reader.h"
#include "ui/print_window_fixture.h"
#include "ui/widgets/up_down.h"

namespace {

class CalibrationTest : public PrintWindowTest {
  protected:
    // "Wydruk" for a list of `n` columns, then "TEST".
    void openPanel(int n = 10) {
        window->state.systemList.assign(static_cast<size_t>(n), "1021021021021");
        window->gen.GroupBox2->show();
        window->print.Panel31->show();
        window->gen.Button24->setEnabled(true);
        clickButton(window->gen.Button24);
        clickButton(window->print.Button30);
    }

    QStringList boxTexts() const {
        return {window->print.Edit44->text(), window->print.Edit45->text(),
                window->print.Edit46->text(), window->print.Edit47->text()};
    }
    void chooseKind(int type) { clickButton(window->print.couponItems[static_cast<size_t>(type)]); }
    // Arrow clicks as the user makes them, from `from` to `to`.
    void moveSpinner(TUpDown* spinner, int from, int to) {
        spinner->setPosition(from);
        const bool towardMaximum = (spinner->maximum() > spinner->minimum()) == (to > from);
        const int clicks = std::abs(to - from);
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(towardMaximum ? spinner->upButton() : spinner->downButton(),
                              Qt::LeftButton);
    }
    // The rectangle the marks of a printed page lie on, from the first mark of place 1 and the
    // last row of place 8 (`lastOutcome` is the outcome printed there).
    void expectPrintedOn(const QImage& page, const zuvo::CouponCalibration& rect, int type,
                         char lastOutcome = '2') {
        const zuvo::CouponLayout& layout = *zuvo::couponLayout(type);
        const QPointF first = pagereader::onPage(pagereader::markCentre(layout, 1, 1, '1'), rect);
        const QPointF last =
            pagereader::onPage(pagereader::markCentre(layout, 8, 13, lastOutcome), rect);
        EXPECT_TRUE(pagereader::blackAt(page, first)) << first.x() << "," << first.y();
        EXPECT_TRUE(pagereader::blackAt(page, last)) << last.x() << "," << last.y();
        // The first mark's top-left corner, and nothing just outside it.
        const QPointF corner =
            pagereader::onPage(zuvo::markRect(layout, 1, 1, '1').topLeft(), rect);
        EXPECT_TRUE(pagereader::blackAt(page, corner + QPointF(1, 1)));
        EXPECT_FALSE(pagereader::blackAt(page, corner + QPointF(-2, 1)));
        EXPECT_FALSE(pagereader::blackAt(page, corner + QPointF(1, -2)));
    }
};

TEST_F(CalibrationTest, OpeningShowsTheKindInUse) {
    writeCalibration(1);
    openPanel();
    EXPECT_TRUE(window->print.Panel52->isVisible());
    EXPECT_TRUE(window->print.couponItems[1]->isChecked());
    EXPECT_EQ(boxTexts(), (QStringList{"90", "1004", "550", "2209"}));
    EXPECT_EQ(window->print.UpDown3->position(), 90);
    // 550 lies inside the reversed range 1000 .. 500.
    EXPECT_EQ(window->print.UpDown4->position(), 550);
}

TEST_F(CalibrationTest, SpinnersClampValuesOutsideTheirRange) {
    writeFile(QStringLiteral("PrnAx1.txt"), "200\r\n");
    writeFile(QStringLiteral("PrnAy1.txt"), "20\r\n");
    openPanel();
    EXPECT_EQ(window->print.Edit44->text(), QStringLiteral("200"));
    EXPECT_EQ(window->print.UpDown3->position(), 140);
    EXPECT_EQ(window->print.UpDown4->position(), 500);
}

TEST_F(CalibrationTest, HorizontalSpinnerKeepsTheWidthOfTheKind) {
    openPanel();
    moveSpinner(window->print.UpDown3, 30, 37);
    EXPECT_EQ(window->print.Edit44->text(), QStringLiteral("37"));
    EXPECT_EQ(window->print.Edit45->text(), QStringLiteral("925"));
    chooseKind(1);
    moveSpinner(window->print.UpDown3, 38, 37);
    EXPECT_EQ(window->print.Edit44->text(), QStringLiteral("37"));
    EXPECT_EQ(window->print.Edit45->text(), QStringLiteral("951"));
    // No wrap-around at the ends.
    moveSpinner(window->print.UpDown3, 140, 141);
    EXPECT_EQ(window->print.Edit44->text(), QStringLiteral("140"));
}

TEST_F(CalibrationTest, VerticalSpinnerRunsUpTowardFiveHundred) {
    openPanel();
    window->print.UpDown4->setPosition(601);
    QTest::mouseClick(window->print.UpDown4->upButton(), Qt::LeftButton);
    EXPECT_EQ(window->print.Edit46->text(), QStringLiteral("600"));
    EXPECT_EQ(window->print.Edit47->text(), QStringLiteral("2049"));
    chooseKind(1);
    window->print.UpDown4->setPosition(599);
    QTest::mouseClick(window->print.UpDown4->downButton(), Qt::LeftButton);
    EXPECT_EQ(window->print.Edit46->text(), QStringLiteral("600"));
    EXPECT_EQ(window->print.Edit47->text(), QStringLiteral("2259"));
}

TEST_F(CalibrationTest, ChoosingAKindChangesItInMemoryOnly) {
    openPanel();
    chooseKind(1);
    EXPECT_EQ(window->calibration.couponType, 1);
    EXPECT_EQ(boxTexts(), (QStringList{"90", "1004", "550", "2209"}));
    EXPECT_EQ(readFile("Index.txt"), "0\r\n");
    chooseKind(0);
    EXPECT_EQ(boxTexts(), (QStringList{"100", "988", "600", "2049"}));
}

TEST_F(CalibrationTest, SaveWritesIndexAndTheChosenKindOnly) {
    openPanel();
    chooseKind(1);
    moveSpinner(window->print.UpDown3, 36, 37);
    moveSpinner(window->print.UpDown4, 599, 600);
    clickButton(window->print.Button34);
    EXPECT_EQ(readFile("Index.txt"), "1\r\n");
    EXPECT_EQ(readFile("PrnBx1.txt"), "37\r\n");
    EXPECT_EQ(readFile("PrnBx2.txt"), "951\r\n");
    EXPECT_EQ(readFile("PrnBy1.txt"), "600\r\n");
    EXPECT_EQ(readFile("PrnBy2.txt"), "2259\r\n");
    EXPECT_EQ(readFile("PrnAx1.txt"), "100\r\n");
    EXPECT_EQ(readFile("PrnAx2.txt"), "988\r\n");
    EXPECT_EQ(readFile("PrnAy1.txt"), "600\r\n");
    EXPECT_EQ(readFile("PrnAy2.txt"), "2049\r\n");
    EXPECT_EQ(window->calibration.types[1].x2, 951);
}

TEST_F(CalibrationTest, SaveFailureIsShown) {
    openPanel();
    QFile::remove(startPath(QStringLiteral("PrnAx1.txt")));
    ASSERT_TRUE(QDir(startDir.path()).mkdir(QStringLiteral("PrnAx1.txt")));
    platform.anyMessage = true;
    clickButton(window->print.Button34);
    // The program's text, then the system's reason, so the player knows what to fix.
    ASSERT_EQ(platform.messages.size(), 1u);
    const QStringList lines = platform.messages[0].split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0],
              QStringLiteral("Nie można utworzyć pliku \"%1\".")
                  .arg(QDir::toNativeSeparators(startPath(QStringLiteral("PrnAx1.txt")))));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Powód: ")) && lines[1].size() > 8);
    // Files after the failing one are not touched.
    EXPECT_EQ(readFile("PrnAx2.txt"), "988\r\n");
}

TEST_F(CalibrationTest, EndWithoutTakingOverKeepsTheOldRectangle) {
    openPanel();
    moveSpinner(window->print.UpDown3, 20, 30);
    moveSpinner(window->print.UpDown4, 800, 900);
    clickButton(window->print.Button35);
    EXPECT_FALSE(window->print.Panel52->isVisible());
    clickButton(window->print.Button26);
    ASSERT_EQ(platform.pages.size(), 1u);
    expectPrintedOn(platform.pages[0], kRectA, 0, '1');
}

TEST_F(CalibrationTest, TestPrintUsesTheNewRectangleWithoutStoringIt) {
    openPanel(1);
    moveSpinner(window->print.UpDown3, 20, 30);
    moveSpinner(window->print.UpDown4, 800, 700);
    clickButton(window->print.Button31);
    ASSERT_EQ(platform.pages.size(), 1u);
    const zuvo::CouponCalibration moved{30, 918, 700, 2149};
    expectPrintedOn(platform.pages[0], moved, 0);
    // The test pattern fills every box.
    for (int place = 1; place <= 8; ++place)
        EXPECT_EQ(
            pagereader::readPageColumn(platform.pages[0], *zuvo::couponLayout(0), place, moved),
            std::string(13, '*'));
    EXPECT_EQ(window->printRun.formsPrinted, 0);
    EXPECT_EQ(readFile("PrnAx1.txt"), "100\r\n");

    // The coupon forms of this run follow the new rectangle too.
    clickButton(window->print.Button35);
    platform.expectMessage(QStringLiteral("Wydruk ostatniego kuponu !"));
    clickButton(window->print.Button26);
    ASSERT_EQ(platform.pages.size(), 2u);
    EXPECT_EQ(pagereader::readPageColumn(platform.pages[1], *zuvo::couponLayout(0), 1, moved),
              "1021021021021");
}

TEST_F(CalibrationTest, FailedTestPrintIsReported) {
    openPanel();
    platform.failPrints = 1;
    platform.expectMessage(platform.printError);
    clickButton(window->print.Button31);
    EXPECT_TRUE(platform.pages.empty());
}

TEST_F(CalibrationTest, UnknownKindNeedsAChoiceFirst) {
    writeCalibration(5);
    openPanel();
    EXPECT_FALSE(window->print.couponItems[0]->isChecked());
    EXPECT_FALSE(window->print.couponItems[1]->isChecked());
    EXPECT_EQ(boxTexts(), (QStringList{"", "", "", ""}));
    platform.expectMessage(
        QStringLiteral("Nieznany rodzaj kuponu w pliku Index.txt. Wybierz rodzaj kuponu "
                       "(przycisk TEST) i zapisz ustawienia."));
    clickButton(window->print.Button31);
    platform.expectMessage(QStringLiteral("Wybierz rodzaj kuponu: A lub B."));
    clickButton(window->print.Button34);
    EXPECT_TRUE(platform.pages.empty());
    EXPECT_EQ(readFile("Index.txt"), "5\r\n");

    chooseKind(0);
    clickButton(window->print.Button34);
    EXPECT_EQ(readFile("Index.txt"), "0\r\n");
    clickButton(window->print.Button35);
    clickButton(window->print.Button26);
    EXPECT_EQ(platform.pages.size(), 1u);
}

}  // namespace
