// The print panel: preparing a run, printing coupon forms one job at a time, repeating the last
// form, the text-print instructions and the end of the run.
#include <QAction>
#include <QFont>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include "print/coupon_form.h"
#include "print/coupon_layout.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/widget_utils.h"

namespace {

// The strip right of the generator screen's list and status.
const QRect kPrintPanelRect(488, 10, 233, 290);
const QRect kInstructionsRect(488, 314, 233, 204);  // clear of the calibration panel

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, const QRect& geometry,
                    bool bold = false) {
    QLabel* label = ui::makeLabel(parent, name, text, geometry);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

void buildInstructions(TZuvoform& w) {
    w.print.Panel32 = ui::makePanel(w.client, "Panel32", kInstructionsRect);
    ui::setBackgroundColor(w.print.Panel32, ui::kSilver);
    QLabel* title =
        makeCaption(w.print.Panel32, "Panel32Caption", QStringLiteral("Kolejność postępowania"),
                    QRect(6, 4, 221, 18), true);
    title->setAlignment(Qt::AlignCenter);
    // The blank runs in these texts decide where the narrow labels break their lines: at this
    // width every run falls at a line end (any width from 170 to 199 does).
    const QString steps[3] = {
        QStringLiteral("1. Użyj  przycisku  \" Zapisz\",         aby  zapisać  wygenerowany      "
                       "System,  w  postaci  pliku             tekstowego  na  dysku ."),
        QStringLiteral("2.  Za  pomocą  Notatnika ,              Worda , lub  innego  programu   "
                       "    tekstowego , otwórz  zapisany       w  ten  sposób  plik ."),
        QStringLiteral("3.  Sprawdź  ustawienia                    wydruku ,  włącz  drukarkę ,   "
                       "      wydaj  polecenie  drukowania .    "),
    };
    const char* names[3] = {"Panel32Step1", "Panel32Step2", "Panel32Step3"};
    for (int i = 0; i < 3; ++i) {
        QLabel* step =
            makeCaption(w.print.Panel32, names[i], steps[i], QRect(24, 26 + 58 * i, 185, 56));
        step->setWordWrap(true);
        step->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    w.print.Panel32->hide();
}

void showCounter(QLabel* label, int value) {
    label->setText(QString::number(value));
}

}  // namespace

namespace printing {

QString unknownCouponTypeText() {
    return QStringLiteral(
        "Nieznany rodzaj kuponu w pliku Index.txt. Wybierz rodzaj kuponu (przycisk TEST) i "
        "zapisz ustawienia.");
}

bool printCouponImage(TZuvoform& w, const QImage& image) {
    if (zuvo::couponLayout(w.calibration.couponType) == nullptr) {
        w.platform.message(&w, unknownCouponTypeText());
        return false;
    }
    // An empty rectangle would come out as a blank page, counted as printed.
    const QString badRectangle = zuvo::rectangleError(w.calibration, w.calibration.couponType);
    if (!badRectangle.isEmpty()) {
        w.platform.message(&w, badRectangle);
        return false;
    }
    const zuvo::CouponCalibration calibration =
        w.calibration.types[static_cast<size_t>(w.calibration.couponType)];
    QString error;
    const bool printed = w.platform.printPage(
        [&](QPainter& painter) { zuvo::paintCoupon(painter, image, calibration); }, error);
    if (!printed) w.platform.message(&w, error);
    return printed;
}

}  // namespace printing

void TZuvoform::buildPrintPanel() {
    print.Panel31 = ui::makePanel(client, "Panel31", kPrintPanelRect);
    ui::setBackgroundColor(print.Panel31, ui::kSilver);
    QFrame* p = print.Panel31;
    QLabel* title = makeCaption(p, "Panel31Caption", QStringLiteral("WYDRUK  SYSTEMU"),
                                QRect(8, 6, 217, 18), true);
    title->setAlignment(Qt::AlignCenter);

    makeCaption(p, "PrintTextCaption", QStringLiteral("W postaci pliku tekstowego "),
                QRect(12, 30, 213, 16));
    print.Button25 = ui::makeButton(p, "Button25", QStringLiteral("Drukuj - txt"),
                                    QRect(12, 50, 120, 26), QStringLiteral("Sposób  postępowania"));

    makeCaption(p, "PrintCouponCaption", QStringLiteral("Na blankietach Totalizatora"),
                QRect(12, 88, 213, 16));
    print.Button30 = ui::makeButton(p, "Button30", QStringLiteral("TEST"), QRect(8, 108, 68, 26),
                                    QStringLiteral("Test kontrolny wydruku"));
    print.Button26 = ui::makeButton(p, "Button26", QStringLiteral("Drukuj"), QRect(82, 108, 68, 26),
                                    QStringLiteral("Wydruk kolejnych kuponów"));
    print.Button32 =
        ui::makeButton(p, "Button32", QStringLiteral("Powtórz"), QRect(156, 108, 68, 26),
                       QStringLiteral("Powtórka ostatnio drukowanego"));

    makeCaption(p, "PrintNeededCaption", QStringLiteral("Potrzebnych blk. :"),
                QRect(12, 150, 130, 18));
    print.Label59 = makeCaption(p, "Label59", QString(), QRect(150, 150, 60, 18), true);
    makeCaption(p, "PrintDoneCaption", QStringLiteral("Wydrukowano :"), QRect(12, 174, 130, 18));
    print.Label60 = makeCaption(p, "Label60", QString(), QRect(150, 174, 60, 18), true);

    print.Button29 = ui::makeButton(p, "Button29", QStringLiteral("Koniec wydruku"),
                                    QRect(12, 252, 209, 28), QStringLiteral("Zakończenie wydruku"));
    print.Button32->setEnabled(false);
    print.Button29->setEnabled(false);
    print.Panel31->hide();

    buildInstructions(*this);
    printing::buildCalibrationPanel(*this);

    connect(print.Button25, &QPushButton::clicked, this, &TZuvoform::Button25Click);
    connect(print.Button30, &QPushButton::clicked, this, &TZuvoform::Button30Click);
    connect(print.Button26, &QPushButton::clicked, this, &TZuvoform::Button26Click);
    connect(print.Button32, &QPushButton::clicked, this, &TZuvoform::Button32Click);
    connect(print.Button29, &QPushButton::clicked, this, &TZuvoform::Button29Click);
    if (gen.Button24 != nullptr)
        connect(gen.Button24, &QPushButton::clicked, this, &TZuvoform::Button24Click);
}

// Prepare the run ("Wydruk").
void TZuvoform::Button24Click() {
    if (state.systemList.empty()) {
        platform.message(this, QStringLiteral("Co chcesz drukować ?  Lista jest pusta !!!"));
        return;
    }
    zuvo::preparePrintRun(printRun, static_cast<int>(state.systemList.size()));
    for (QPushButton* button : {gen.Button20, gen.Button33, gen.Button24, gen.Button19})
        if (button != nullptr) button->setEnabled(false);
    showCounter(print.Label59, printRun.formsRemaining);
    showCounter(print.Label60, printRun.formsPrinted);
    for (QPushButton* button : {print.Button30, print.Button26, print.Button25, print.Button29})
        button->setEnabled(true);
    for (QAction* action : {shell.Otworz1, shell.Zapisz1})
        if (action != nullptr) action->setEnabled(false);
    loadCalibrationFiles();
}

// printNextForm ("Drukuj").
void TZuvoform::Button26Click() {
    // With no layout nothing could be printed: say so and leave everything, "TEST" included,
    // as it was, so that the kind can still be chosen.
    if (zuvo::couponLayout(calibration.couponType) == nullptr) {
        platform.message(this, printing::unknownCouponTypeText());
        return;
    }
    // A failed job must not lose its form: the run and the buttons stay as they were, so the
    // next "Drukuj" prints the same form (and "TEST" stays while no form has come out).
    const zuvo::PrintRun before = printRun;
    const bool repeatWasEnabled = print.Button32->isEnabled();
    const bool testWasEnabled = print.Button30->isEnabled();
    print.Button32->setEnabled(true);
    print.Button30->setEnabled(false);  // calibration only before the first form of a run
    printRun.lastFormStart = printRun.nextColumn;
    const bool lastForm = printRun.formsRemaining <= 1;
    const QImage image = zuvo::composeNextForm(printRun, calibration.couponType, state.systemList);
    if (!printing::printCouponImage(*this, image)) {
        printRun = before;
        print.Button32->setEnabled(repeatWasEnabled);
        print.Button30->setEnabled(testWasEnabled);
        return;
    }
    zuvo::countPrintedForm(printRun);
    showCounter(print.Label60, printRun.formsPrinted);
    if (lastForm) {
        platform.message(this, QStringLiteral("Wydruk ostatniego kuponu !"));
        print.Button26->setEnabled(false);
    }
}

// repeatLastForm ("Powtórz").
void TZuvoform::Button32Click() {
    const zuvo::PrintRun before = printRun;
    if (!zuvo::rewindLastForm(printRun)) {
        platform.message(this,
                         QStringLiteral("Nie wydrukowałeś jeszcze żadnego kuponu ! Mogę powtórzyć "
                                        "wydruk tylko ostatniego kuponu już wydrukowanego "));
        return;
    }
    const int printed = printRun.formsPrinted;
    Button26Click();
    // When the repeat itself failed, nothing of the rewind may remain either.
    if (printRun.formsPrinted == printed) printRun = before;
}

// The text-print instructions ("Drukuj - txt").
void TZuvoform::Button25Click() {
    print.Panel32->show();
    print.Panel32->raise();
    Timer6->start();
}

void TZuvoform::Timer6Timer() {
    state.secondsCounter += 1;
    if (state.secondsCounter >= 9) {
        print.Panel32->hide();
        Timer6->stop();
        state.secondsCounter = 0;
    }
}

// End the run ("Koniec wydruku").
void TZuvoform::Button29Click() {
    if (shell.Otworz1 != nullptr) shell.Otworz1->setEnabled(true);
    for (QPushButton* button :
         {print.Button30, print.Button25, print.Button32, print.Button26, print.Button29})
        button->setEnabled(false);
    if (gen.Button20 != nullptr) gen.Button20->setEnabled(false);
    const bool generated = state.listGenerated;
    for (QPushButton* button : {gen.Button33, gen.Button19})
        if (button != nullptr) button->setEnabled(generated);
    if (shell.Zapisz1 != nullptr) shell.Zapisz1->setEnabled(generated);
    if (gen.Button24 != nullptr) gen.Button24->setEnabled(true);
    print.Label59->clear();
    print.Label60->clear();
}
