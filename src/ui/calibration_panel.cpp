// The calibration panel: choosing the coupon kind, shifting the printed rectangle, printing the
// test pattern and storing the calibration files.
#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <string>

#include "io/calibration_file.h"
#include "print/coupon_form.h"
#include "print/coupon_layout.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "ui/widgets/up_down.h"

namespace {

const QRect kCalibrationRect(488, 10, 233, 300);  // over the print panel
constexpr int kPictureWidth = 56;
constexpr int kPictureHeight = 90;

bool knownType(int couponType) {
    return zuvo::couponLayout(couponType) != nullptr;
}

// A small picture of a form: its test pattern, scaled down.
QPixmap formPicture(int couponType) {
    QImage image = zuvo::newCouponImage();
    zuvo::composeTestPattern(image, *zuvo::couponLayout(couponType));
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_Grayscale8)
                                  .scaled(kPictureWidth, kPictureHeight, Qt::IgnoreAspectRatio,
                                          Qt::SmoothTransformation));
}

std::array<QLineEdit*, 4> boxes(TZuvoform& w) {
    return {w.print.Edit44, w.print.Edit45, w.print.Edit46, w.print.Edit47};
}

void showCalibration(TZuvoform& w, int couponType) {
    const zuvo::CouponCalibration& c = w.calibration.types[static_cast<size_t>(couponType)];
    w.print.Edit44->setText(QString::number(c.x1));
    w.print.Edit45->setText(QString::number(c.x2));
    w.print.Edit46->setText(QString::number(c.y1));
    w.print.Edit47->setText(QString::number(c.y2));
    w.print.UpDown3->setPosition(c.x1);
    w.print.UpDown4->setPosition(c.y1);
}

void selectItem(TZuvoform& w, int couponType) {
    if (knownType(couponType)) {
        w.print.couponItems[static_cast<size_t>(couponType)]->setChecked(true);
        return;
    }
    // An unknown kind from "Index.txt": neither item is chosen.
    w.print.couponGroup->setExclusive(false);
    for (QRadioButton* item : w.print.couponItems) item->setChecked(false);
    w.print.couponGroup->setExclusive(true);
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
    return ui::makeLabel(parent, name, text, geometry);
}

void buildEdgeBox(QWidget* panel, QLineEdit*& box, const char* name, const char* captionName,
                  const char* unitName, const QString& text, int x, int y) {
    caption(panel, captionName, text, QRect(x, y + 2, 40, 18));
    box = ui::makeEdit(panel, name, QRect(x + 42, y, 44, 22), zuvo::kCalibrationBoxLength);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight);
    box->setAccessibleName(text.trimmed());
    caption(panel, unitName, QStringLiteral("Pk"), QRect(x + 90, y + 2, 20, 18));
}

}  // namespace

namespace printing {

void buildCalibrationPanel(TZuvoform& w) {
    PrintArea& a = w.print;
    a.Panel52 = ui::makePanel(w.client, "Panel52", kCalibrationRect);
    ui::setBackgroundColor(a.Panel52, ui::kSilver);
    QFrame* p = a.Panel52;

    caption(p, "Panel52Caption", QStringLiteral("Wybierz rodzaj kuponu"), QRect(8, 4, 217, 18));
    const char* pictureNames[2] = {"ImageCouponA", "ImageCouponB"};
    const char* pictureCaptions[2] = {"LabelCouponA", "LabelCouponB"};
    for (int type = 0; type < 2; ++type) {
        const int x = 10 + 62 * type;
        QLabel* picture =
            caption(p, pictureNames[type], QString(), QRect(x, 24, kPictureWidth, kPictureHeight));
        picture->setPixmap(formPicture(type));
        picture->setFrameShape(QFrame::Box);
        QLabel* name =
            caption(p, pictureCaptions[type], type == 0 ? QStringLiteral("A") : QStringLiteral("B"),
                    QRect(x, 116, kPictureWidth, 16));
        name->setAlignment(Qt::AlignCenter);
    }

    a.RadioGroup1 = new QGroupBox(p);
    a.RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    a.RadioGroup1->setGeometry(134, 24, 90, 92);
    a.couponGroup = new QButtonGroup(a.RadioGroup1);
    a.couponGroup->setObjectName(QStringLiteral("RadioGroup1Items"));
    for (int type = 0; type < 2; ++type) {
        auto* item =
            new QRadioButton(type == 0 ? QStringLiteral("A") : QStringLiteral("B"), a.RadioGroup1);
        item->setObjectName(type == 0 ? QStringLiteral("RadioGroup1A")
                                      : QStringLiteral("RadioGroup1B"));
        item->setGeometry(14, 18 + 34 * type, 60, 22);
        a.couponGroup->addButton(item, type);
        a.couponItems[static_cast<size_t>(type)] = item;
    }

    caption(p, "Panel52Advanced", QStringLiteral("Ustawienia zaawansowane"),
            QRect(8, 138, 217, 18));
    buildEdgeBox(p, a.Edit44, "Edit44", "Edit44Caption", "Edit44Unit", QStringLiteral("    L"), 4,
                 158);
    buildEdgeBox(p, a.Edit45, "Edit45", "Edit45Caption", "Edit45Unit", QStringLiteral("    P"), 118,
                 158);
    a.UpDown3 = new TUpDown(Qt::Horizontal, p);
    a.UpDown3->setObjectName(QStringLiteral("UpDown3"));
    a.UpDown3->setGeometry(46, 184, 150, 18);
    a.UpDown3->setRange(0, 140);
    a.UpDown3->setAccessibleNames(QStringLiteral("L"));
    a.UpDown3->setPosition(0);

    buildEdgeBox(p, a.Edit46, "Edit46", "Edit46Caption", "Edit46Unit", QStringLiteral("    G"), 4,
                 208);
    buildEdgeBox(p, a.Edit47, "Edit47", "Edit47Caption", "Edit47Unit", QStringLiteral("    D"), 4,
                 234);
    a.UpDown4 = new TUpDown(Qt::Vertical, p);
    a.UpDown4->setObjectName(QStringLiteral("UpDown4"));
    a.UpDown4->setGeometry(120, 208, 20, 48);
    // Given the wrong way round on purpose: "up" then moves the rectangle up the page.
    a.UpDown4->setRange(1000, 500);
    a.UpDown4->setAccessibleNames(QStringLiteral("G"));
    a.UpDown4->setPosition(500);

    a.Button31 = ui::makeButton(p, "Button31", QStringLiteral("Drukuj"), QRect(6, 268, 70, 26),
                                QStringLiteral("Wydruk kontrolny"));
    a.Button34 = ui::makeButton(p, "Button34", QStringLiteral("Zapisz"), QRect(82, 268, 70, 26),
                                QStringLiteral("Zapamiętuje aktualne ustawienia "));
    a.Button35 = ui::makeButton(p, "Button35", QStringLiteral("Koniec"), QRect(158, 268, 70, 26),
                                QStringLiteral("Zakończenie testu"));
    a.Panel52->hide();

    QObject::connect(a.couponGroup, &QButtonGroup::idClicked, &w,
                     [&w](int) { w.RadioGroup1Click(); });
    QObject::connect(a.UpDown3, &TUpDown::clicked, &w, &TZuvoform::UpDown3Click);
    QObject::connect(a.UpDown4, &TUpDown::clicked, &w, &TZuvoform::UpDown4Click);
    QObject::connect(a.Button31, &QPushButton::clicked, &w, &TZuvoform::Button31Click);
    QObject::connect(a.Button34, &QPushButton::clicked, &w, &TZuvoform::Button34Click);
    QObject::connect(a.Button35, &QPushButton::clicked, &w, &TZuvoform::Button35Click);
}

}  // namespace printing

// "TEST": open the calibration panel.
void TZuvoform::Button30Click() {
    print.Panel52->show();
    print.Panel52->raise();
    selectItem(*this, calibration.couponType);
    if (knownType(calibration.couponType)) {
        showCalibration(*this, calibration.couponType);
    } else {
        for (QLineEdit* box : boxes(*this)) box->clear();
    }
}

void TZuvoform::RadioGroup1Click() {
    const int type = print.couponGroup->checkedId();
    if (!knownType(type)) return;
    showCalibration(*this, type);
    calibration.couponType = type;  // in memory only, until "Zapisz"
}

// Left and right edge: the rectangle keeps the fixed width of its kind.
void TZuvoform::UpDown3Click() {
    if (!knownType(calibration.couponType)) return;
    const int left = print.UpDown3->position();
    print.Edit44->setText(QString::number(left));
    print.Edit45->setText(QString::number(zuvo::rightEdgeFor(calibration.couponType, left)));
}

// Top and bottom edge: the rectangle keeps the fixed height of its kind.
void TZuvoform::UpDown4Click() {
    if (!knownType(calibration.couponType)) return;
    const int top = print.UpDown4->position();
    print.Edit46->setText(QString::number(top));
    print.Edit47->setText(QString::number(zuvo::bottomEdgeFor(calibration.couponType, top)));
}

// "Drukuj": take the boxes over (in memory only) and print the test pattern.
void TZuvoform::Button31Click() {
    if (!knownType(calibration.couponType)) {
        platform.message(this, printing::unknownCouponTypeText());
        return;
    }
    std::array<int32_t, 4> values{};
    const auto edits = boxes(*this);
    for (size_t i = 0; i < edits.size(); ++i) {
        const std::string text = edits[i]->text().toStdString();
        QString error;
        if (!zuvo::parseCalibrationValue(text, values[i], error)) {
            platform.message(this, error);
            return;
        }
    }
    zuvo::CouponCalibration& c = calibration.types[static_cast<size_t>(calibration.couponType)];
    c = {values[0], values[1], values[2], values[3]};

    QImage image = zuvo::newCouponImage();
    zuvo::composeTestPattern(image, *zuvo::couponLayout(calibration.couponType));
    printing::printCouponImage(*this, image);
}

// "Zapisz": "Index.txt" and the four files of the chosen kind.
void TZuvoform::Button34Click() {
    const int type = print.couponGroup->checkedId();
    if (!knownType(type)) {
        platform.message(this, QStringLiteral("Wybierz rodzaj kuponu: A lub B."));
        return;
    }
    const auto edits = boxes(*this);
    const std::array<QString, 4> texts = {edits[0]->text(), edits[1]->text(), edits[2]->text(),
                                          edits[3]->text()};
    QString error;
    if (!zuvo::saveCalibration(QString::fromStdString(state.startDirectory), type, texts,
                               calibration, error))
        platform.message(this, error);
}

// "Koniec": values not taken over by "Drukuj" or "Zapisz" are dropped.
void TZuvoform::Button35Click() {
    print.Panel52->hide();
}

bool TZuvoform::loadCalibrationFiles() {
    QString error;
    if (zuvo::loadCalibration(QString::fromStdString(state.startDirectory), calibration, error))
        return true;
    platform.message(this, error);
    return false;
}
