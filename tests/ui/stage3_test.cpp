// Stage 3 through its controls: the checks of "Dalej", the range spinners and "Wstecz".
#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "ui/widgets/up_down.h"
#include "window_fixture.h"

class Stage3Test : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        goToStage3(uniformForecast());
        ASSERT_TRUE(window->stage3.Panel3->isVisible());
    }
    // Replaces the field's text the way a user does: select all, then type.
    void retype(QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void clickArrow(TUpDown* spinner, bool up, int times = 1) {
        for (int i = 0; i < times; ++i)
            clickButton(up ? spinner->upButton() : spinner->downButton());
    }
    bool onGeneratorScreen() const { return window->gen.GroupBox2->isVisible(); }
};

TEST_F(Stage3Test, StartsWithItsDefaults) {
    const Stage3Area& s = window->stage3;
    EXPECT_EQ(s.MaskEdit1->text(), QStringLiteral("   40"));
    EXPECT_EQ(s.MaskEdit2->text(), QStringLiteral("  120"));
    EXPECT_EQ(s.typeGroup->checkedId(), 1);
    EXPECT_EQ(s.typeItems[1]->text(), QString::fromUtf8("Różne o dwa"));
    for (QCheckBox* box : s.maskBoxes) EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(s.maskBoxes[5]->text(), QStringLiteral("2 0 1"));
    EXPECT_TRUE(s.RadioButton1->isChecked());
    EXPECT_FALSE(s.Panel30->isEnabled());
    EXPECT_EQ(s.UpDown1->position(), 20);
    EXPECT_EQ(s.UpDown2->position(), 70);
    EXPECT_TRUE(s.Edit42->text().isEmpty());
    EXPECT_TRUE(s.Edit43->text().isEmpty());
    // Entry fields in the window colour: in the panel's face colour they would look disabled.
    for (QWidget* entry : {static_cast<QWidget*>(s.MaskEdit1), static_cast<QWidget*>(s.MaskEdit2),
                           static_cast<QWidget*>(s.maskBoxes[0])})
        EXPECT_EQ(entry->palette().color(QPalette::Base), ui::kWindow)
            << entry->objectName().toStdString();
}

TEST_F(Stage3Test, AcceptedSettingsAreStoredAndOpenTheGeneratorScreen) {
    Stage3Area& s = window->stage3;
    window->state.combinationCount = 81;
    clickButton(s.typeItems[2]);
    clickButton(s.maskBoxes[0]);
    clickButton(s.maskBoxes[2]);
    clickButton(s.Button18);

    const zuvo::GeneratorSettings& settings = window->state.settings;
    EXPECT_EQ(settings.solutionCount, 40);
    EXPECT_EQ(settings.timeLimit, 120);
    EXPECT_EQ(settings.solutionType, 2);
    EXPECT_EQ(settings.maskChosen, (std::array<bool, 6>{true, false, true, false, false, false}));
    EXPECT_FALSE(settings.rangeFixed);

    EXPECT_TRUE(onGeneratorScreen());
    EXPECT_FALSE(s.Panel3->isVisible());
    EXPECT_FALSE(window->stage2.Panel2->isVisible());
    EXPECT_FALSE(window->stage1.GroupBox1->isVisible());
    EXPECT_TRUE(window->print.Panel31->isVisible());
    EXPECT_TRUE(window->gen.Button20->isEnabled());
    for (QWidget* off :
         {static_cast<QWidget*>(window->gen.Button23), static_cast<QWidget*>(window->gen.Edit1),
          static_cast<QWidget*>(window->gen.Button33), static_cast<QWidget*>(window->gen.Button24),
          static_cast<QWidget*>(window->print.Button26),
          static_cast<QWidget*>(window->print.Button30)})
        EXPECT_FALSE(off->isEnabled()) << off->objectName().toStdString();
}

TEST_F(Stage3Test, TooManySolutionsNamesTheLimitAndEmptiesTheField) {
    window->state.combinationCount = 32;
    platform.expectMessage(
        QString::fromUtf8("Wprowadzone dane dopuszczają max. : 32 rozwiązań !!!"));
    clickButton(window->stage3.Button18);
    EXPECT_TRUE(window->stage3.MaskEdit1->text().trimmed().isEmpty());
    EXPECT_FALSE(onGeneratorScreen());

    // The emptied field now gives the missing-number message.
    platform.expectMessage(QString::fromUtf8("Nie podałeś ilości rozwiązań !"));
    clickButton(window->stage3.Button18);

    // A count equal to the combinations is accepted.
    retype(window->stage3.MaskEdit1, QStringLiteral("32"));
    clickButton(window->stage3.Button18);
    EXPECT_TRUE(onGeneratorScreen());
    EXPECT_EQ(window->state.settings.solutionCount, 32);
}

TEST_F(Stage3Test, MissingTimeLimitKeepsTheCountAlreadyStored) {
    retype(window->stage3.MaskEdit1, QStringLiteral("7"));
    retype(window->stage3.MaskEdit2, QString());
    platform.expectMessage(QString::fromUtf8("Nie podałeś limitu czasu !"));
    clickButton(window->stage3.Button18);
    EXPECT_EQ(window->state.settings.solutionCount, 7);
    EXPECT_TRUE(window->stage3.Panel3->isVisible());
    EXPECT_FALSE(onGeneratorScreen());
}

TEST_F(Stage3Test, TimeLimitWithAGapIsNotAWholeNumber) {
    QLineEdit* time = window->stage3.MaskEdit2;
    retype(time, QStringLiteral("1 5"));
    ASSERT_EQ(time->text(), QStringLiteral("1 5"));
    platform.expectMessage(QStringLiteral("'1 5' is not a valid integer value"));
    clickButton(window->stage3.Button18);
    EXPECT_TRUE(window->stage3.Panel3->isVisible());
    EXPECT_FALSE(onGeneratorScreen());
}

TEST_F(Stage3Test, FieldsTakeOnlyTheirDigits) {
    retype(window->stage3.MaskEdit1, QStringLiteral("1a23"));
    EXPECT_EQ(window->stage3.MaskEdit1->text(), QStringLiteral("12"));
    retype(window->stage3.MaskEdit2, QStringLiteral("9x876"));
    EXPECT_EQ(window->stage3.MaskEdit2->text(), QStringLiteral("987"));
    clickButton(window->stage3.Button18);
    EXPECT_EQ(window->state.settings.solutionCount, 12);
    EXPECT_EQ(window->state.settings.timeLimit, 987);
}

TEST_F(Stage3Test, ZeroCountAndZeroTimeAreAccepted) {
    retype(window->stage3.MaskEdit1, QStringLiteral("0"));
    retype(window->stage3.MaskEdit2, QStringLiteral("0"));
    clickButton(window->stage3.Button18);
    EXPECT_TRUE(onGeneratorScreen());
    EXPECT_EQ(window->state.settings.solutionCount, 0);
    EXPECT_EQ(window->state.settings.timeLimit, 0);
}

TEST_F(Stage3Test, FixedRangeSpinnersKeepLowBelowHigh) {
    Stage3Area& s = window->stage3;
    clickButton(s.RadioButton2);
    EXPECT_TRUE(s.Panel30->isEnabled());
    EXPECT_FALSE(s.RadioButton1->isChecked());
    EXPECT_EQ(s.Edit42->text(), QStringLiteral("20"));
    EXPECT_EQ(s.Edit43->text(), QStringLiteral("70"));
    EXPECT_EQ(ui::backgroundColor(s.Panel30), ui::kTeal);

    clickArrow(s.UpDown1, true, 25);
    clickArrow(s.UpDown2, false, 24);
    EXPECT_EQ(s.Edit42->text(), QStringLiteral("45"));
    EXPECT_EQ(s.Edit43->text(), QStringLiteral("46"));
    clickArrow(s.UpDown1, true);
    EXPECT_EQ(s.UpDown1->position(), 45);
    EXPECT_EQ(s.Edit42->text(), QStringLiteral("45"));
    clickArrow(s.UpDown2, false);
    EXPECT_EQ(s.UpDown2->position(), 46);
    EXPECT_EQ(s.Edit43->text(), QStringLiteral("46"));

    // The limits hold at the ends of the range too.
    clickArrow(s.UpDown1, false, 40);
    clickArrow(s.UpDown2, true, 40);
    EXPECT_EQ(s.Edit42->text(), QStringLiteral("20"));
    EXPECT_EQ(s.Edit43->text(), QStringLiteral("70"));

    clickArrow(s.UpDown1, true, 10);
    clickArrow(s.UpDown2, false, 10);
    clickButton(s.Button18);
    const zuvo::GeneratorSettings& settings = window->state.settings;
    EXPECT_TRUE(settings.rangeFixed);
    EXPECT_EQ(settings.rangeLow, 30);
    EXPECT_EQ(settings.rangeHigh, 60);
}

TEST_F(Stage3Test, AnyRangeResetsTheSpinnersAndFixedShowsTheDefaultsAgain) {
    Stage3Area& s = window->stage3;
    clickButton(s.RadioButton2);
    clickArrow(s.UpDown1, true, 10);
    clickArrow(s.UpDown2, false, 10);
    ASSERT_EQ(s.Edit42->text(), QStringLiteral("30"));

    clickButton(s.RadioButton1);
    EXPECT_FALSE(s.RadioButton2->isChecked());
    EXPECT_TRUE(s.Edit42->text().isEmpty());
    EXPECT_TRUE(s.Edit43->text().isEmpty());
    EXPECT_EQ(s.UpDown1->position(), 20);
    EXPECT_EQ(s.UpDown2->position(), 70);
    EXPECT_FALSE(s.Panel30->isEnabled());
    EXPECT_EQ(ui::backgroundColor(s.Panel30), ui::kFace);

    // "Dowolna" leaves the stored range as it was.
    window->state.settings.rangeLow = 33;
    clickButton(s.Button18);
    EXPECT_FALSE(window->state.settings.rangeFixed);
    EXPECT_EQ(window->state.settings.rangeLow, 33);
}

TEST_F(Stage3Test, FixedAgainAfterAnyShowsTwentyAndSeventy) {
    Stage3Area& s = window->stage3;
    clickButton(s.RadioButton2);
    clickArrow(s.UpDown1, true, 10);
    clickButton(s.RadioButton1);
    clickButton(s.RadioButton2);
    EXPECT_EQ(s.Edit42->text(), QStringLiteral("20"));
    EXPECT_EQ(s.Edit43->text(), QStringLiteral("70"));
}

TEST_F(Stage3Test, WsteczReopensStage2AndItsReminders) {
    Stage3Area& s = window->stage3;
    clickButton(s.maskBoxes[3]);
    clickButton(s.Button17);
    EXPECT_FALSE(s.Panel3->isVisible());
    EXPECT_TRUE(window->stage2.Panel2->isEnabled());
    for (QPushButton* b :
         {window->stage2.Button14, window->stage2.Button15, window->stage2.Button16})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(window->Timer5->isActive());
    // Nothing was stored: the settings keep their start values.
    EXPECT_EQ(window->state.settings.solutionCount, 0);
    EXPECT_FALSE(window->state.settings.maskChosen[3]);
}
