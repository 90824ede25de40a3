// The analysis panel: masks, templates and mean-probability intervals of the forecast, shown in
// place of the Stage-1 group.
#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "model/analysis.h"
#include "model/masks.h"
#include "model/templates.h"
#include "ui/TZuvoform.h"
#include "ui/colors.h"
#include "ui/widget_utils.h"

namespace {

constexpr int kValueLeft = 186;
constexpr int kNoticeTop = 290;
constexpr int kNoticeHeight = 78;

QFont boldFont(const QWidget* widget, int extraPoints = 0) {
    QFont font = widget->font();
    font.setBold(true);
    if (extraPoints != 0) font.setPointSize(font.pointSize() + extraPoints);
    return font;
}

// A value of the table: yellow bold text on navy.
QLabel* makeValue(QWidget* parent, const char* name, const QRect& geometry) {
    QLabel* label = ui::makeLabel(parent, name, QString(), geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(boldFont(label));
    ui::setBackgroundColor(label, ui::kNavy);
    ui::setTextColor(label, ui::kYellow);
    return label;
}

QFrame* makeNavyBox(QWidget* parent, const char* name, const QRect& geometry) {
    QFrame* box = ui::makePanel(parent, name, geometry);
    box->setFrameShadow(QFrame::Sunken);
    ui::setBackgroundColor(box, ui::kNavy);
    return box;
}

QLabel* makeCaption(QWidget* parent, const char* name, const QString& text, int top,
                    int height = 24) {
    QLabel* label = ui::makeLabel(parent, name, text, {16, top, kValueLeft - 20, height});
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setFont(boldFont(label));
    return label;
}

QLabel* makeRiskLine(QWidget* parent, const char* name, const QString& text, int top) {
    QLabel* label = ui::makeLabel(parent, name, text, {16, top, 337, 16});
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ui::setTextColor(label, ui::kNavy);
    return label;
}

// "[" lower "-" upper "]" on a navy box; the brackets and the dash are fixed captions.
void makeInterval(QFrame* box, const char* prefix, QLabel*& lower, const char* lowerName,
                  QLabel*& upper, const char* upperName) {
    const int h = box->height() - 4;
    const auto fixed = [&](const char* suffix, const QString& text, int left, int width) {
        const QByteArray name = QByteArray(prefix) + suffix;
        QLabel* label = makeValue(box, name.constData(), {left, 2, width, h});
        label->setText(text);
    };
    fixed("Open", QStringLiteral("["), 2, 12);
    lower = makeValue(box, lowerName, {14, 2, 62, h});
    fixed("Dash", QStringLiteral("-"), 76, 14);
    upper = makeValue(box, upperName, {90, 2, 62, h});
    fixed("Close", QStringLiteral("]"), 152, 12);
}

QLabel* makeNotice(QWidget* parent, const char* name, const QString& text, const QColor& textColour,
                   const QColor& background) {
    // Opaque over the barber's interval, its risk line and the advice.
    QLabel* notice = ui::makeLabel(parent, name, text, {16, kNoticeTop, 337, kNoticeHeight});
    notice->setWordWrap(true);
    notice->setAlignment(Qt::AlignCenter);
    notice->setFrameShape(QFrame::Box);
    notice->setMargin(2);
    // A larger font than the panel's, as large as still lets the whole text fit the notice.
    QFont font = parent->parentWidget()->font();
    font.setBold(true);
    const int panelSize = font.pointSize();
    const QRect room = notice->contentsRect().adjusted(2, 2, -2, -2);
    int chosen = panelSize;
    for (int size = panelSize + 4; size > panelSize; --size) {
        font.setPointSize(size);
        const QRect needed =
            QFontMetrics(font).boundingRect(room, Qt::TextWordWrap | Qt::AlignCenter, text);
        if (needed.height() <= room.height() && needed.width() <= room.width()) {
            chosen = size;
            break;
        }
    }
    font.setPointSize(chosen);
    notice->setFont(font);
    ui::setBackgroundColor(notice, background);
    ui::setTextColor(notice, textColour);
    notice->hide();
    return notice;
}

QString templateText(int number) {
    return QString::fromStdString(zuvo::templateCode(number));
}

QString maskText(int number) {
    return number >= 1 && number <= zuvo::kMaskCount
               ? QString::fromStdString(zuvo::maskCode(number))
               : QString();
}

QString boundText(double value) {
    return QString::fromStdString(zuvo::formatBound(value));
}

void fillPanel(TZuvoform& w, const zuvo::AnalysisResult& result) {
    AnalysisArea& a = w.analysis;
    a.Label231->setText(result.suggestionCount >= 1 ? templateText(result.suggestions[0])
                                                    : QString());
    const std::array<QLabel*, 3> admissible{a.Label248, a.Label245, a.Label246};
    for (int i = 0; i < 3; ++i)
        admissible[i]->setText(
            i + 1 < result.suggestionCount ? templateText(result.suggestions[i + 1]) : QString());
    a.Label243->setText(maskText(result.optimalMask));
    a.Label244->setText(maskText(result.admissibleMask));

    if (result.verdict != zuvo::AnalysisVerdict::Intervals) {
        // No interval can be given; the barber's values lie under the notice untouched.
        for (QLabel* label : {a.Label181, a.Label182, a.Label238, a.Label226}) label->clear();
        if (result.verdict == zuvo::AnalysisVerdict::OneSided)
            a.Label402->show();
        else
            a.Label118->show();
        return;
    }
    a.Label181->setText(boundText(result.lower));
    a.Label182->setText(boundText(result.upper));
    // Each lower bound repeats the text shown as the previous upper bound.
    a.Label238->setText(a.Label182->text());
    a.Label226->setText(boundText(result.ground));
    a.Label408->setText(a.Label226->text());
    a.Label412->setText(boundText(result.mean));
}

}  // namespace

void TZuvoform::buildAnalysisPanel() {
    AnalysisArea& a = analysis;
    a.Panel41 = ui::makePanel(client, "Panel41", {4, 6, 369, 378});
    ui::setBackgroundColor(a.Panel41, ui::kFace);
    QWidget* p = a.Panel41;
    // The table's text is a point smaller than the window's, so that the long risk lines and the
    // advice fit; the notices keep the window's size and stand out.
    QFont small = client->font();
    small.setPointSizeF(small.pointSizeF() - 1.0);
    p->setFont(small);

    a.Label224 = ui::makeLabel(
        p, "Label224", QStringLiteral("Analiza rozkładu prawdopodobieństwa "), {8, 6, 353, 22});
    QFont titleFont = boldFont(a.Label224, 2);
    titleFont.setUnderline(true);
    a.Label224->setFont(titleFont);
    a.Label224->setAlignment(Qt::AlignCenter);
    ui::setTextColor(a.Label224, ui::kNavy);

    makeCaption(p, "OptimalTemplateCaption", QStringLiteral("Optymalny szablon"), 38);
    a.Panel42 = makeNavyBox(p, "Panel42", {kValueLeft, 38, 56, 24});
    a.Label231 = makeValue(a.Panel42, "Label231", {2, 2, 52, 20});

    makeCaption(p, "AdmissibleTemplatesCaption", QStringLiteral("Dopuszczalne szablony"), 68);
    a.Label248 = makeValue(p, "Label248", {kValueLeft, 68, 52, 24});
    a.Label245 = makeValue(p, "Label245", {kValueLeft + 58, 68, 52, 24});
    a.Label246 = makeValue(p, "Label246", {kValueLeft + 114, 68, 52, 24});

    makeCaption(p, "OptimalMaskCaption", QStringLiteral("Optymalna maska"), 98);
    a.Panel44 = makeNavyBox(p, "Panel44", {kValueLeft, 98, 56, 24});
    a.Label243 = makeValue(a.Panel44, "Label243", {2, 2, 52, 20});

    makeCaption(p, "AdmissibleMaskCaption", QStringLiteral("Dopuszczalna maska"), 128);
    a.Label244 = makeValue(p, "Label244", {kValueLeft, 128, 52, 24});

    makeCaption(p, "OptimalIntervalCaption", QStringLiteral("Optymalny przedział"), 164);
    a.Panel43 = makeNavyBox(p, "Panel43", {kValueLeft, 164, 166, 24});
    makeInterval(a.Panel43, "OptimalInterval", a.Label181, "Label181", a.Label182, "Label182");
    a.Label126 = makeRiskLine(
        p, "Label126",
        QStringLiteral("Iloraz zysk/wkład - b. duży ; stopień ryzyka - zrównoważony"), 190);

    makeCaption(p, "GroundIntervalCaption", QStringLiteral("Przedział gruntowy"), 220);
    QFrame* ground = makeNavyBox(p, "GroundIntervalBox", {kValueLeft, 220, 166, 24});
    makeInterval(ground, "GroundInterval", a.Label238, "Label238", a.Label226, "Label226");
    a.Label125 = makeRiskLine(
        p, "Label125", QStringLiteral("Iloraz zysk/wkład - średni ; stopień ryzyka - niewielki"),
        246);

    // The lower block (barber's row, its risk line, the advice) is what a notice covers.
    makeCaption(p, "BarberIntervalCaption", QStringLiteral("Przedział fryzjerski"), kNoticeTop, 22);
    QFrame* barber = makeNavyBox(p, "BarberIntervalBox", {kValueLeft, kNoticeTop, 166, 22});
    makeInterval(barber, "BarberInterval", a.Label408, "Label408", a.Label412, "Label412");
    a.Label124 = makeRiskLine(
        p, "Label124", QStringLiteral("Iloraz zysk/wkład - mały ; stopień ryzyka - bardzo mały"),
        kNoticeTop + 22);

    a.Label123 = ui::makeLabel(
        p, "Label123",
        QStringLiteral("Jeżeli nie jesteś zwolennikiem podwyższonego ryzyka, lub grasz w Totka "
                       "tylko sporadycznie, wybierz przedział gruntowy. "),
        {16, kNoticeTop + 38, 337, kNoticeHeight - 38});
    a.Label123->setWordWrap(true);
    a.Label123->setFrameShape(QFrame::Box);
    a.Label123->setIndent(3);
    ui::setBackgroundColor(a.Label123, ui::kWindow);

    a.Label402 = makeNotice(
        p, "Label402",
        QStringLiteral("   Przy tak jednoznacznym doborze prawdopodobieństw, nie jestem w stanie "
                       "precyzyjnie wskazać optymalnego przedziału.  W takim wypadku, analitycy z "
                       "Firmy Dravik zalecają, stosowanie systemu preferencyjnego."),
        ui::kSilver, ui::kMaroon);
    a.Label118 = makeNotice(
        p, "Label118",
        QStringLiteral("      Przy tak małym zróżnicowaniu prawdopodobieństw,      nie jestem w "
                       "stanie precyzyjnie wskazać       optymalnego przedziału. Spróbuj bardziej "
                       "finezyjnie dobrać dane !"),
        ui::kWindow, ui::kPurple);

    a.Panel41->hide();
}

void TZuvoform::Button36Click() {
    zuvo::TemplateFlags available{};
    bool any = false;
    for (int i = 0; i < zuvo::kTemplateCount; ++i) {
        available[i] = stage2.templateBoxes[i]->isEnabledTo(stage2.Panel2);
        any = any || available[i];
    }
    // The analysis needs at least one template; Stage 2 disables the command otherwise.
    if (!any) return;

    const std::array<QWidget*, 4> commands{stage2.Button14, stage2.Button16, stage2.Button15,
                                           stage2.Panel2};
    stage2.Button36->setEnabled(false);
    for (QWidget* control : commands) control->setEnabled(false);
    state.analysisDone = true;
    const zuvo::AnalysisResult result = zuvo::analyseDistribution(state.forecast, available);
    zuvo::storeSuggestions(result, state.templateSuggestions);
    fillPanel(*this, result);
    stage1.GroupBox1->hide();
    analysis.Panel41->show();
    // "Analiza" stays disabled: one analysis per visit of Stage 2.
    for (QWidget* control : commands) control->setEnabled(true);
}
