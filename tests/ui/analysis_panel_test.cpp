// The "Analiza" command and its panel, through the Stage-2 controls.
#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "window_fixture.h"

namespace {

// Six positions certain on 1 and seven at 90 / 5 / 5: far too one-sided for an interval.
ForecastEntry oneSidedForecast() {
    ForecastEntry entry{};
    entry.fill({90, 5});
    for (int k = 0; k < 6; ++k) entry[k] = {100, 0};
    return entry;
}

}  // namespace

class AnalysisPanelTest : public WindowTest {
  protected:
    std::vector<QString> texts(std::initializer_list<QLabel*> labels) const {
        std::vector<QString> result;
        for (QLabel* label : labels) result.push_back(label->text());
        return result;
    }
    void analyse() { clickButton(window->stage2.Button36); }
    const AnalysisArea& a() const { return window->analysis; }
};

TEST_F(AnalysisPanelTest, ShowsMasksTemplatesAndIntervalsOfTheExample) {
    goToStage2(exampleForecast());
    EXPECT_FALSE(a().Panel41->isVisible());
    analyse();

    EXPECT_TRUE(a().Panel41->isVisible());
    EXPECT_FALSE(window->stage1.GroupBox1->isVisible());
    EXPECT_EQ(a().Panel41->geometry(), window->stage1.GroupBox1->geometry());
    EXPECT_EQ(a().Label231->text(), QStringLiteral("643"));
    EXPECT_EQ(texts({a().Label248, a().Label245, a().Label246}),
              (std::vector<QString>{"733", "634", "742"}));
    EXPECT_EQ(a().Label243->text(), QStringLiteral("120"));
    EXPECT_EQ(a().Label244->text(), QStringLiteral("210"));
    EXPECT_EQ(texts({a().Label181, a().Label182}), (std::vector<QString>{"42.84", "45.22"}));
    EXPECT_EQ(texts({a().Label238, a().Label226}), (std::vector<QString>{"45.22", "49.88"}));
    EXPECT_EQ(texts({a().Label408, a().Label412}), (std::vector<QString>{"49.88", "54.54"}));
    EXPECT_FALSE(a().Label402->isVisible());
    EXPECT_FALSE(a().Label118->isVisible());
    EXPECT_TRUE(window->state.analysisDone);
    EXPECT_EQ(window->state.templateSuggestions[0].templateNumber, 8);
    EXPECT_EQ(window->state.templateSuggestions[3].used, 1);
    // Once per visit of Stage 2; the other commands are usable again.
    EXPECT_FALSE(window->stage2.Button36->isEnabled());
    EXPECT_TRUE(window->stage2.Panel2->isEnabled());
    EXPECT_TRUE(window->stage2.Button14->isEnabled());
    EXPECT_TRUE(window->stage2.Button15->isEnabled());
    EXPECT_TRUE(window->stage2.Button16->isEnabled());
}

// No forecast Stage 1 accepts leaves a single template, but the panel and "Extra" must still
// handle one: the analysis reads availability from the boxes, so the others are greyed here.
TEST_F(AnalysisPanelTest, ASingleAvailableTemplateIsTheOnlySuggestion) {
    goToStage2(exampleForecast());
    for (QCheckBox* box : window->stage2.templateBoxes) box->setEnabled(false);
    window->stage2.templateBoxes[29]->setEnabled(true);  // "8 1 4"
    analyse();
    EXPECT_EQ(a().Label231->text(), QStringLiteral("814"));
    EXPECT_EQ(texts({a().Label248, a().Label245, a().Label246}), (std::vector<QString>(3)));
    clickButton(window->stage2.Button16);
    for (int i = 0; i < 30; ++i)
        EXPECT_EQ(window->stage2.templateBoxes[i]->isChecked(), i == 29) << i + 1;
}

TEST_F(AnalysisPanelTest, TitleAdviceAndNavyValueBoxes) {
    goToStage2(exampleForecast());
    analyse();
    EXPECT_EQ(a().Label224->text(), QString::fromUtf8("Analiza rozkładu prawdopodobieństwa "));
    EXPECT_TRUE(a().Label224->font().underline());
    EXPECT_EQ(a().Label123->text(),
              QString::fromUtf8("Jeżeli nie jesteś zwolennikiem podwyższonego ryzyka, lub grasz w "
                                "Totka tylko sporadycznie, wybierz przedział gruntowy. "));
    for (QLabel* value : {a().Label231, a().Label243, a().Label181}) {
        EXPECT_EQ(ui::backgroundColor(value), ui::kNavy);
        EXPECT_EQ(value->palette().color(QPalette::WindowText), ui::kYellow);
        EXPECT_TRUE(value->font().bold());
    }
    EXPECT_EQ(ui::backgroundColor(a().Panel42), ui::kNavy);
    EXPECT_EQ(a().Label231->parentWidget(), a().Panel42);
    EXPECT_EQ(a().Label181->parentWidget(), a().Panel43);
    EXPECT_EQ(a().Label243->parentWidget(), a().Panel44);
}

TEST_F(AnalysisPanelTest, OneSidedForecastShowsTheMaroonNotice) {
    goToStage2(oneSidedForecast());
    analyse();
    EXPECT_TRUE(a().Label402->isVisible());
    EXPECT_FALSE(a().Label118->isVisible());
    EXPECT_EQ(ui::backgroundColor(a().Label402), ui::kMaroon);
    EXPECT_EQ(a().Label402->palette().color(QPalette::WindowText), ui::kSilver);
    EXPECT_EQ(texts({a().Label181, a().Label182, a().Label238, a().Label226}),
              (std::vector<QString>(4)));
    // Templates are still offered.
    EXPECT_FALSE(a().Label231->text().isEmpty());
    // The notice covers the lower part of the panel, the barber's row included.
    const QRect notice = a().Label402->geometry();
    EXPECT_EQ(notice.size(), QSize(337, 78));
    EXPECT_EQ(notice.center().x(), a().Panel41->rect().center().x());
    EXPECT_TRUE(notice.contains(a().Label124->geometry()));
    EXPECT_TRUE(notice.contains(a().Label123->geometry()));
    // Both notices in a larger font than the panel's, and still whole.
    for (QLabel* label : {a().Label402, a().Label118}) {
        EXPECT_GT(label->font().pointSize(), a().Panel41->font().pointSize());
        const QRect text = QFontMetrics(label->font())
                               .boundingRect(label->contentsRect(),
                                             Qt::TextWordWrap | Qt::AlignCenter, label->text());
        EXPECT_TRUE(label->contentsRect().contains(text)) << label->objectName().toStdString();
    }
}

TEST_F(AnalysisPanelTest, LowVarietyKeepsTheEarlierBarberValuesUnderItsNotice) {
    goToStage2(exampleForecast());
    analyse();
    clickButton(window->stage2.Button15);
    EXPECT_FALSE(a().Panel41->isVisible());

    // Every position 34 / 33 / 33.
    for (int k = 1; k <= 13; ++k) {
        selectPosition(k);
        setBars(34, 33);
    }
    clickButton(window->stage1.Button22);
    analyse();
    EXPECT_TRUE(a().Label118->isVisible());
    EXPECT_FALSE(a().Label402->isVisible());
    EXPECT_EQ(ui::backgroundColor(a().Label118), ui::kPurple);
    EXPECT_EQ(texts({a().Label181, a().Label182, a().Label238, a().Label226}),
              (std::vector<QString>(4)));
    EXPECT_EQ(texts({a().Label408, a().Label412}), (std::vector<QString>{"49.88", "54.54"}));

    // "Wstecz" hides the notice again.
    clickButton(window->stage2.Button15);
    EXPECT_TRUE(a().Label118->isHidden());
}
