// The print panel through its buttons: forms printed onto the fake printer's page and read back.
#include <QAction>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

#include "print/coupon_layout.h"
#include "print/page_reader.h"
#include "ui/print_window_fixture.h"
#include "ui/real_platform.h"

namespace {

using Form = std::vector<std::string>;  // the eight places, "" for an empty one

const QString kLastForm = QStringLiteral("Wydruk ostatniego kuponu !");

std::vector<std::string> numberedColumns(int n) {
    std::vector<std::string> list;
    for (int i = 0; i < n; ++i) {
        std::string column;
        for (int k = 0, v = i; k < 13; ++k, v /= 3) column += "102"[v % 3];
        list.push_back(column);
    }
    return list;
}

class PrintingTest : public PrintWindowTest {
  protected:
    // The generator screen after a run of `n` columns, then "Wydruk".
    void prepare(int n, bool generated = true) {
        list = numberedColumns(n);
        window->state.systemList = list;
        window->state.listGenerated = generated;
        window->gen.GroupBox2->show();
        window->print.Panel31->show();
        window->print.Panel31->raise();
        window->gen.Button24->setEnabled(true);
        clickButton(window->gen.Button24);
    }

    Form expected(int first, int count) const {
        Form form(8);
        for (int i = 0; i < count; ++i)
            form[static_cast<size_t>(i)] = list[static_cast<size_t>(first + i)];
        return form;
    }
    Form page(size_t index, int type = 0) const {
        const zuvo::CouponCalibration& rect = type == 0 ? kRectA : kRectB;
        Form form;
        for (int place = 1; place <= 8; ++place) {
            std::string column = pagereader::readPageColumn(platform.pages.at(index),
                                                            *zuvo::couponLayout(type), place, rect);
            form.push_back(column == std::string(13, '-') ? std::string() : column);
        }
        return form;
    }
    QString needed() const { return window->print.Label59->text(); }
    QString printed() const { return window->print.Label60->text(); }
    void drukuj() { clickButton(window->print.Button26); }
    void powtorz() { clickButton(window->print.Button32); }

    std::vector<std::string> list;
};

TEST_F(PrintingTest, OneColumnGoesToPlaceOneOfTheLastForm) {
    prepare(1);
    EXPECT_EQ(needed(), QStringLiteral("1"));
    EXPECT_EQ(printed(), QStringLiteral("0"));
    platform.expectMessage(kLastForm);
    drukuj();
    ASSERT_EQ(platform.pages.size(), 1u);
    EXPECT_EQ(page(0), expected(0, 1));
    EXPECT_EQ(printed(), QStringLiteral("1"));
    EXPECT_FALSE(window->print.Button26->isEnabled());
    EXPECT_TRUE(window->print.Button32->isEnabled());
}

TEST_F(PrintingTest, EightColumnsFillOneForm) {
    prepare(8);
    EXPECT_EQ(needed(), QStringLiteral("1"));
    platform.expectMessage(kLastForm);
    drukuj();
    ASSERT_EQ(platform.pages.size(), 1u);
    EXPECT_EQ(page(0), expected(0, 8));
    EXPECT_FALSE(window->print.Button26->isEnabled());
}

TEST_F(PrintingTest, NineColumnsNeedTwoForms) {
    prepare(9);
    EXPECT_EQ(needed(), QStringLiteral("2"));
    drukuj();
    EXPECT_TRUE(window->print.Button26->isEnabled());
    platform.expectMessage(kLastForm);
    drukuj();
    ASSERT_EQ(platform.pages.size(), 2u);
    EXPECT_EQ(page(0), expected(0, 8));
    EXPECT_EQ(page(1), expected(8, 1));
    EXPECT_EQ(printed(), QStringLiteral("2"));
}

TEST_F(PrintingTest, ThirteenColumnsReachTheLowerBlock) {
    prepare(13);
    drukuj();
    platform.expectMessage(kLastForm);
    drukuj();
    ASSERT_EQ(platform.pages.size(), 2u);
    EXPECT_EQ(page(1), expected(8, 5));
}

TEST_F(PrintingTest, FortyColumnsMakeFiveFullForms) {
    prepare(40);
    EXPECT_EQ(needed(), QStringLiteral("5"));
    for (int f = 0; f < 4; ++f) drukuj();
    EXPECT_TRUE(platform.messages.empty());
    platform.expectMessage(kLastForm);
    drukuj();
    ASSERT_EQ(platform.pages.size(), 5u);
    for (size_t f = 0; f < 5; ++f) EXPECT_EQ(page(f), expected(static_cast<int>(f) * 8, 8)) << f;
    EXPECT_EQ(printed(), QStringLiteral("5"));
    EXPECT_EQ(needed(), QStringLiteral("5"));  // not counted down while printing
}

// Every mark of a whole form, on the page the printer gets, at the place the calibration puts it.
TEST_F(PrintingTest, WholeFormLandsOnTheCalibratedRectangle) {
    for (int type : {0, 1}) {
        writeCalibration(type);
        platform.pages.clear();
        prepare(8);
        platform.expectMessage(kLastForm);
        drukuj();
        ASSERT_EQ(platform.pages.size(), 1u);
        const QImage& sheet = platform.pages[0];
        const zuvo::CouponLayout& layout = *zuvo::couponLayout(type);
        const zuvo::CouponCalibration& rect = type == 0 ? kRectA : kRectB;
        for (int place = 1; place <= 8; ++place) {
            for (int position = 1; position <= 13; ++position) {
                for (char outcome : {'1', '0', '2'}) {
                    const bool wanted =
                        list[static_cast<size_t>(place - 1)][static_cast<size_t>(position - 1)] ==
                        outcome;
                    const QPointF at = pagereader::onPage(
                        pagereader::markCentre(layout, place, position, outcome), rect);
                    EXPECT_EQ(pagereader::blackAt(sheet, at), wanted)
                        << "type " << type << " place " << place << " position " << position
                        << " outcome " << outcome;
                }
            }
        }
        // Nothing lies outside the rectangle.
        const QRect inside(rect.x1, rect.y1, rect.x2 - rect.x1, rect.y2 - rect.y1);
        int outside = 0;
        for (int y = 0; y < sheet.height(); y += 5)
            for (int x = 0; x < sheet.width(); x += 5)
                if (!inside.contains(x, y) && pagereader::blackAt(sheet, QPointF(x, y))) ++outside;
        EXPECT_EQ(outside, 0);
        clickButton(window->print.Button29);
    }
}

TEST_F(PrintingTest, MarkOfOutcomeTwoAtPositionThirteenOfPlaceSix) {
    prepare(8);
    window->state.systemList[5] = "2222222222222";
    platform.expectMessage(kLastForm);
    drukuj();
    ASSERT_EQ(platform.pages.size(), 1u);
    // (120, 364) on the coupon image, 13 x 2 pixels, stretched by 888 / 279 and 1449 / 452.
    const double left = 100 + 120 * 888.0 / 279, top = 600 + 364 * 1449.0 / 452;
    const double right = 100 + 133 * 888.0 / 279, bottom = 600 + 366 * 1449.0 / 452;
    EXPECT_TRUE(pagereader::blackAt(platform.pages[0], QPointF(left + 2, top + 2)));
    EXPECT_TRUE(pagereader::blackAt(platform.pages[0], QPointF(right - 2, bottom - 2)));
    EXPECT_FALSE(pagereader::blackAt(platform.pages[0], QPointF(left - 3, top + 2)));
    EXPECT_FALSE(pagereader::blackAt(platform.pages[0], QPointF(left + 2, bottom + 3)));
}

TEST_F(PrintingTest, RepeatAfterTheThirdOfFiveForms) {
    prepare(40);
    for (int f = 0; f < 3; ++f) drukuj();
    powtorz();
    ASSERT_EQ(platform.pages.size(), 4u);
    EXPECT_EQ(page(3), expected(16, 8));
    EXPECT_EQ(printed(), QStringLiteral("3"));
    drukuj();
    ASSERT_EQ(platform.pages.size(), 5u);
    EXPECT_EQ(page(4), expected(24, 8));
    EXPECT_EQ(printed(), QStringLiteral("4"));
}

TEST_F(PrintingTest, RepeatBeforeAnyFormPrintsNothing) {
    prepare(40);
    window->print.Button32->setEnabled(true);  // as after an earlier run
    platform.expectMessage(
        QStringLiteral("Nie wydrukowałeś jeszcze żadnego kuponu ! Mogę powtórzyć wydruk tylko "
                       "ostatniego kuponu już wydrukowanego "));
    powtorz();
    EXPECT_TRUE(platform.pages.empty());
    EXPECT_EQ(printed(), QStringLiteral("0"));
    drukuj();
    EXPECT_EQ(page(0), expected(0, 8));
}

TEST_F(PrintingTest, RepeatOfTheLastFormSaysSoAgain) {
    prepare(9);
    drukuj();
    platform.expectMessage(kLastForm);
    drukuj();
    platform.expectMessage(kLastForm);
    powtorz();
    ASSERT_EQ(platform.pages.size(), 3u);
    EXPECT_EQ(page(2), expected(8, 1));
    EXPECT_EQ(printed(), QStringLiteral("2"));
    EXPECT_FALSE(window->print.Button26->isEnabled());
}

TEST_F(PrintingTest, FailedJobKeepsItsForm) {
    prepare(20);
    drukuj();
    platform.failPrints = 1;
    platform.expectMessage(platform.printError);
    drukuj();
    EXPECT_EQ(platform.pages.size(), 1u);
    EXPECT_EQ(printed(), QStringLiteral("1"));
    EXPECT_EQ(window->printRun.nextColumn, 8);
    EXPECT_EQ(window->printRun.formsRemaining, 2);
    // The same form comes out once the printer is back.
    drukuj();
    ASSERT_EQ(platform.pages.size(), 2u);
    EXPECT_EQ(page(1), expected(8, 8));
    EXPECT_EQ(printed(), QStringLiteral("2"));
    // And "Powtórz" still repeats the form that really came out last.
    powtorz();
    ASSERT_EQ(platform.pages.size(), 3u);
    EXPECT_EQ(page(2), expected(8, 8));
}

TEST_F(PrintingTest, FailedFirstAndLastFormsArePrintedLater) {
    prepare(3);
    platform.failPrints = 1;
    platform.expectMessage(platform.printError);
    drukuj();
    EXPECT_TRUE(platform.pages.empty());
    EXPECT_TRUE(window->print.Button26->isEnabled());
    EXPECT_EQ(printed(), QStringLiteral("0"));
    // No form came out yet: calibration is still open to the user, there is nothing to repeat.
    EXPECT_TRUE(window->print.Button30->isEnabled());
    EXPECT_FALSE(window->print.Button32->isEnabled());
    platform.expectMessage(kLastForm);
    drukuj();
    ASSERT_EQ(platform.pages.size(), 1u);
    EXPECT_EQ(page(0), expected(0, 3));
}

// A rectangle with no room would print a blank page and count it.
TEST_F(PrintingTest, EmptyRectangleSaysSoAndPrintsNothing) {
    writeFile(QStringLiteral("PrnAx2.txt"), "100\r\n");
    prepare(3);
    platform.anyMessage = true;
    drukuj();
    EXPECT_TRUE(platform.pages.empty());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_TRUE(platform.messages[0].contains(QStringLiteral("PrnAx2.txt")));
    EXPECT_EQ(printed(), QStringLiteral("0"));
    EXPECT_EQ(window->printRun.nextColumn, 0);
    EXPECT_TRUE(window->print.Button30->isEnabled()) << "TEST still mends it";
}

TEST_F(PrintingTest, FailedRepeatChangesNothing) {
    prepare(40);
    drukuj();
    drukuj();
    platform.failPrints = 1;
    platform.expectMessage(platform.printError);
    powtorz();
    EXPECT_EQ(platform.pages.size(), 2u);
    EXPECT_EQ(printed(), QStringLiteral("2"));
    EXPECT_EQ(window->printRun.formsPrinted, 2);
    EXPECT_EQ(window->printRun.formsRemaining, 3);
    powtorz();
    ASSERT_EQ(platform.pages.size(), 3u);
    EXPECT_EQ(page(2), expected(8, 8));
    drukuj();
    EXPECT_EQ(page(3), expected(16, 8));
}

TEST_F(PrintingTest, UnknownCouponKindPrintsNothingAndSaysWhy) {
    writeCalibration(2);
    prepare(5);
    platform.expectMessage(
        QStringLiteral("Nieznany rodzaj kuponu w pliku Index.txt. Wybierz rodzaj kuponu "
                       "(przycisk TEST) i zapisz ustawienia."));
    drukuj();
    EXPECT_TRUE(platform.pages.empty());
    EXPECT_EQ(printed(), QStringLiteral("0"));
    EXPECT_EQ(window->printRun.nextColumn, 0);
    // The kind can still be chosen.
    EXPECT_TRUE(window->print.Button30->isEnabled());
}

TEST_F(PrintingTest, EmptyListIsRefused) {
    window->gen.GroupBox2->show();
    window->print.Panel31->show();
    window->gen.Button24->setEnabled(true);
    platform.expectMessage(QStringLiteral("Co chcesz drukować ?  Lista jest pusta !!!"));
    clickButton(window->gen.Button24);
    EXPECT_TRUE(needed().isEmpty());
    EXPECT_TRUE(window->gen.Button24->isEnabled());
}

TEST_F(PrintingTest, PreparingSwitchesTheButtons) {
    prepare(10);
    EXPECT_FALSE(window->gen.Button20->isEnabled());
    EXPECT_FALSE(window->gen.Button33->isEnabled());
    EXPECT_FALSE(window->gen.Button24->isEnabled());
    EXPECT_FALSE(window->gen.Button19->isEnabled());
    for (QPushButton* button : {window->print.Button30, window->print.Button26,
                                window->print.Button25, window->print.Button29})
        EXPECT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_FALSE(window->shell.Otworz1->isEnabled());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());
}

TEST_F(PrintingTest, TestButtonOnlyBeforeTheFirstForm) {
    prepare(10);
    EXPECT_TRUE(window->print.Button30->isEnabled());
    drukuj();
    EXPECT_FALSE(window->print.Button30->isEnabled());
    clickButton(window->print.Button29);
    EXPECT_FALSE(window->print.Button30->isEnabled());
    clickButton(window->gen.Button24);
    EXPECT_TRUE(window->print.Button30->isEnabled());
    EXPECT_EQ(printed(), QStringLiteral("0"));
}

TEST_F(PrintingTest, EndOfRunForAGeneratedList) {
    prepare(10);
    drukuj();
    clickButton(window->print.Button29);
    for (QPushButton* button :
         {window->print.Button30, window->print.Button25, window->print.Button32,
          window->print.Button26, window->print.Button29, window->gen.Button20})
        EXPECT_FALSE(button->isEnabled()) << button->objectName().toStdString();
    EXPECT_TRUE(window->gen.Button33->isEnabled());
    EXPECT_TRUE(window->gen.Button24->isEnabled());
    EXPECT_TRUE(window->gen.Button19->isEnabled());
    EXPECT_TRUE(window->shell.Zapisz1->isEnabled());
    EXPECT_TRUE(window->shell.Otworz1->isEnabled());
    EXPECT_TRUE(needed().isEmpty());
    EXPECT_TRUE(printed().isEmpty());
}

TEST_F(PrintingTest, EndOfRunForAnOpenedList) {
    prepare(10, false);
    clickButton(window->print.Button29);
    EXPECT_TRUE(window->gen.Button24->isEnabled());
    EXPECT_FALSE(window->gen.Button33->isEnabled());
    EXPECT_FALSE(window->gen.Button19->isEnabled());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());
    EXPECT_TRUE(window->shell.Otworz1->isEnabled());
}

TEST_F(PrintingTest, MissingCalibrationFileIsNamedAndThePanelIsReady) {
    QFile::remove(startPath(QStringLiteral("PrnAy2.txt")));
    platform.expectMessage(
        QStringLiteral("Nie znaleziono pliku \"%1\".")
            .arg(QDir::toNativeSeparators(startPath(QStringLiteral("PrnAy2.txt")))));
    prepare(3);
    EXPECT_TRUE(window->print.Button26->isEnabled());
    EXPECT_EQ(needed(), QStringLiteral("1"));
    // The edges read before the missing file are in use.
    EXPECT_EQ(window->calibration.types[0].y1, kRectA.y1);
    EXPECT_EQ(window->calibration.types[0].y2, 0);
}

TEST_F(PrintingTest, BadCalibrationValueIsNamed) {
    writeFile(QStringLiteral("PrnBx2.txt"), "1004 \r\n");
    platform.expectMessage(QStringLiteral("\"1004 \" nie jest poprawną liczbą całkowitą."));
    prepare(3);
    EXPECT_EQ(window->calibration.types[1].x1, kRectB.x1);
}

TEST_F(PrintingTest, TextPrintInstructionsHideAfterNineSeconds) {
    prepare(3);
    window->state.secondsCounter = 0;
    clickButton(window->print.Button25);
    EXPECT_TRUE(window->print.Panel32->isVisible());
    EXPECT_TRUE(window->Timer6->isActive());
    for (int tick = 0; tick < 8; ++tick) window->Timer6Timer();
    EXPECT_TRUE(window->print.Panel32->isVisible());
    window->Timer6Timer();
    EXPECT_FALSE(window->print.Panel32->isVisible());
    EXPECT_FALSE(window->Timer6->isActive());
    EXPECT_EQ(window->state.secondsCounter, 0);
    EXPECT_TRUE(platform.pages.empty());
}

// What the player reads on the print panel, the instructions and the calibration panel, blanks
// included: name of the control, its caption, its hint.
TEST_F(PrintingTest, CaptionsAndHintsAreThePrograms) {
    const struct {
        const char* name;
        const char* text;
        const char* hint;
    } controls[] = {
        {"Panel31Caption", "WYDRUK  SYSTEMU", ""},
        {"PrintTextCaption", "W postaci pliku tekstowego ", ""},
        {"PrintCouponCaption", "Na blankietach Totalizatora", ""},
        {"Button25", "Drukuj - txt", "Sposób  postępowania"},
        {"Button30", "TEST", "Test kontrolny wydruku"},
        {"Button26", "Drukuj", "Wydruk kolejnych kuponów"},
        {"Button32", "Powtórz", "Powtórka ostatnio drukowanego"},
        {"Button29", "Koniec wydruku", "Zakończenie wydruku"},
        {"PrintNeededCaption", "Potrzebnych blk. :", ""},
        {"PrintDoneCaption", "Wydrukowano :", ""},
        {"Panel32Caption", "Kolejność postępowania", ""},
        {"Panel32Step1",
         "1. Użyj  przycisku  \" Zapisz\",         aby  zapisać  wygenerowany      System,  w  "
         "postaci  pliku             tekstowego  na  dysku .",
         ""},
        {"Panel32Step2",
         "2.  Za  pomocą  Notatnika ,              Worda , lub  innego  programu       tekstowego "
         ", otwórz  zapisany       w  ten  sposób  plik .",
         ""},
        {"Panel32Step3",
         "3.  Sprawdź  ustawienia                    wydruku ,  włącz  drukarkę ,         wydaj  "
         "polecenie  drukowania .    ",
         ""},
        {"Panel52Caption", "Wybierz rodzaj kuponu", ""},
        {"Panel52Advanced", "Ustawienia zaawansowane", ""},
        {"Edit44Caption", "    L", ""},
        {"Edit45Caption", "    P", ""},
        {"Edit46Caption", "    G", ""},
        {"Edit47Caption", "    D", ""},
        {"Edit44Unit", "Pk", ""},
        {"Button31", "Drukuj", "Wydruk kontrolny"},
        {"Button34", "Zapisz", "Zapamiętuje aktualne ustawienia "},
        {"Button35", "Koniec", "Zakończenie testu"},
    };
    for (const auto& c : controls) {
        const QString name = QString::fromLatin1(c.name);
        auto* widget = window->findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << c.name;
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QPushButton*>(widget);
        ASSERT_TRUE(label != nullptr || button != nullptr) << c.name;
        EXPECT_EQ(label != nullptr ? label->text() : button->text(), QString::fromUtf8(c.text))
            << c.name;
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.hint)) << c.name;
    }
}

// The real printer: 300 dots per inch from the top left of the printable area, not from Qt's
// default margins.
TEST(CouponPrinter, OriginIsThePrintableAreaAtThreeHundredDpi) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageMargins(QMarginsF(20, 30, 20, 30), QPageLayout::Point);
    setUpCouponPrinter(printer);
    EXPECT_EQ(printer.resolution(), 300);
    EXPECT_FALSE(printer.fullPage());
    const QMarginsF minimum = printer.pageLayout().minimumMargins();
    const QRectF printable = printer.pageRect(QPrinter::DevicePixel);
    const double perUnit = 300.0 / 72;  // minimum margins are in points here
    ASSERT_EQ(printer.pageLayout().units(), QPageLayout::Point);
    EXPECT_NEAR(printable.left(), minimum.left() * perUnit, 0.5);
    EXPECT_NEAR(printable.top(), minimum.top() * perUnit, 0.5);
    // An A4 page is 2480 dots wide at 300 dpi.
    EXPECT_NEAR(printer.paperRect(QPrinter::DevicePixel).width(), 2480, 1);
}

}  // namespace
