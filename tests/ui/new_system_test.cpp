// "System" > "Nowy" > "Symulacyjny": from any screen back to an empty Stage 1.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <vector>

#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "ui/widgets/needle_gauge.h"
#include "ui/widgets/up_down.h"
#include "ui/window_fixture.h"

class NewSystemTest : public WindowTest {
  protected:
    void newSystem() { window->shell.Symulacja1->trigger(); }

    // What a new system shows, hides, enables, disables and empties.
    std::vector<QWidget*> shown() const {
        const TZuvoform& w = *window;
        return {w.stage1.GroupBox1, w.stage1.Panel1, w.stage2.Label94, w.gen.Label105};
    }
    std::vector<QWidget*> hidden() const {
        const TZuvoform& w = *window;
        return {w.stage2.Panel2,     w.stage3.Panel3,  w.analysis.Panel41, w.analysis.Label402,
                w.analysis.Label118, w.stage2.Label13, w.stage2.Label95,   w.stage2.Label18,
                w.gen.GroupBox2,     w.print.Panel31,  w.print.Panel32,    w.print.Panel52,
                w.shell.Label91,     w.shell.Label92,  w.shell.Button27};
    }
    std::vector<QWidget*> enabled() const {
        const TZuvoform& w = *window;
        std::vector<QWidget*> list = {w.stage1.GroupBox1, w.stage1.Button22, w.stage2.Panel2,
                                      w.stage2.Button14,  w.stage2.Button15, w.stage2.Button16,
                                      w.stage2.Button36,  w.stage3.Button17, w.stage3.Button18,
                                      w.gen.Button20,     w.gen.Button33,    w.gen.Button24,
                                      w.gen.Button19,     w.gen.Button23,    w.print.Button30,
                                      w.print.Button25,   w.print.Button26};
        list.insert(list.end(), w.stage1.positionButtons.begin(), w.stage1.positionButtons.end());
        return list;
    }
    std::vector<QWidget*> disabled() const {
        return {window->stage3.Panel30, window->print.Button32, window->print.Button29};
    }
    std::vector<QLabel*> emptied() const {
        const GeneratorArea& g = window->gen;
        std::vector<QLabel*> list = {g.Label35, g.Label37, g.Label39, window->print.Label59,
                                     window->print.Label60};
        list.insert(list.end(), g.hitCounts.begin(), g.hitCounts.end());
        return list;
    }
    std::vector<QAbstractItemView*> lists() const {
        const GeneratorArea& g = window->gen;
        std::vector<QAbstractItemView*> all = {g.ListBox1};
        all.insert(all.end(), g.numberLists.begin(), g.numberLists.end());
        all.insert(all.end(), g.couponLists.begin(), g.couponLists.end());
        return all;
    }

    // Everything a user can leave behind after a run, a print run and an analysis.
    void leaveEverythingUsed() {
        TZuvoform& w = *window;
        zuvo::ProgramState& s = w.state;
        s.forecast[3] = {50, 30, 20, 0};
        s.visited.fill(1);
        s.chosenTemplates.fill(1);
        s.settings.maskChosen.fill(true);
        s.settings.solutionCount = 40;
        s.settings.solutionType = 2;
        s.run.timeLeft = 17;
        s.run.stepReady = false;
        s.hintTick = 3;
        s.secondsCounter = 5;
        s.analysisDone = true;
        s.systemList = {"1111111111111", "2222222222222"};

        for (QWidget* x : shown()) x->hide();
        for (QWidget* x : hidden()) x->show();
        for (QWidget* x : enabled()) x->setEnabled(false);
        for (QWidget* x : disabled()) x->setEnabled(true);
        for (QLabel* x : emptied()) x->setText(QStringLiteral("7"));
        w.gen.listModel->reload();
        for (HitListModel* m : w.gen.numberModels) m->setNumbers({1});
        for (HitListModel* m : w.gen.couponModels) m->setNumbers({1});
        for (QLineEdit* e : w.stage1.percentEdits) e->setText(QStringLiteral(" 33"));
        w.stage1.ScrollBar1->setValue(40);
        w.stage1.ScrollBar2->setMaximum(60);
        w.stage1.ScrollBar2->setValue(30);
        w.stage1.Gauge1->setValue(40);
        w.stage1.Gauge2->setValue(30);
        w.stage1.Gauge3->setValue(30);
        w.stage2.Label9->setText(QStringLiteral("Faworytów : 4"));
        w.stage2.Label12->setText(QStringLiteral("Możliwych kombinacji : 2592"));
        w.Timer5->start();
        w.stage3.typeItems[2]->setChecked(true);
        for (QCheckBox* box : w.stage3.maskBoxes) box->setChecked(true);
        w.stage3.RadioButton2->setChecked(true);
        w.stage3.RadioButton1->setChecked(false);
        w.stage3.Edit42->setText(QStringLiteral("30"));
        w.stage3.Edit43->setText(QStringLiteral("60"));
        w.stage3.UpDown1->setPosition(30);
        w.stage3.UpDown2->setPosition(60);
        ui::setBackgroundColor(w.stage3.Panel30, ui::kTeal);
        for (QFrame* bar : w.gen.indicatorBars) ui::setBackgroundColor(bar, ui::kRed);
        ui::setBackgroundColor(w.gen.Panel29, ui::kRed);
        w.gen.Edit1->setText(QStringLiteral("1111111111111"));
        w.gen.ProgressBar1->setMaximum(40);
        w.gen.ProgressBar1->setValue(12);
        w.shell.Otworz1->setEnabled(false);
        w.shell.Zapisz1->setEnabled(true);
        w.shell.Gwarancyjny1->setEnabled(false);
    }
};

TEST_F(NewSystemTest, FromTheGeneratorScreenEveryControlIsReset) {
    finishIntro();
    leaveEverythingUsed();
    newSystem();
    const TZuvoform& w = *window;

    const zuvo::ProgramState& s = w.state;
    EXPECT_EQ(s.forecast[3].p1, 0);
    EXPECT_EQ(s.forecast[3].p0, 0);
    EXPECT_EQ(s.visited, zuvo::VisitedFlags{});
    EXPECT_EQ(s.chosenTemplates, zuvo::ChosenTemplates{});
    EXPECT_EQ(s.settings.maskChosen, (std::array<bool, 6>{}));
    EXPECT_EQ(s.settings.solutionCount, 0);
    EXPECT_EQ(s.settings.solutionType, 1);
    EXPECT_EQ(s.run.timeLeft, 0);
    EXPECT_TRUE(s.run.stepReady);
    EXPECT_EQ(s.hintTick, 0);
    EXPECT_EQ(s.secondsCounter, 0);
    EXPECT_FALSE(s.analysisDone);
    EXPECT_TRUE(s.listGenerated);
    EXPECT_TRUE(s.systemList.empty());

    for (QWidget* x : shown()) EXPECT_FALSE(x->isHidden()) << x->objectName().toStdString();
    for (QWidget* x : hidden()) EXPECT_TRUE(x->isHidden()) << x->objectName().toStdString();
    for (QWidget* x : enabled()) EXPECT_TRUE(x->isEnabled()) << x->objectName().toStdString();
    for (QWidget* x : disabled()) EXPECT_FALSE(x->isEnabled()) << x->objectName().toStdString();
    for (QLabel* x : emptied()) EXPECT_TRUE(x->text().isEmpty()) << x->objectName().toStdString();
    for (QAbstractItemView* x : lists()) EXPECT_EQ(rowCount(x), 0) << x->objectName().toStdString();
    for (QLineEdit* e : w.stage1.percentEdits) EXPECT_TRUE(e->text().isEmpty());
    EXPECT_EQ(w.stage1.ScrollBar1->value(), 100);
    EXPECT_EQ(w.stage1.ScrollBar2->value(), 0);
    EXPECT_EQ(w.stage1.ScrollBar2->maximum(), 100);
    EXPECT_EQ(w.stage1.Gauge1->value(), 100);
    EXPECT_EQ(w.stage1.Gauge2->value(), 0);
    EXPECT_EQ(w.stage1.Gauge3->value(), 0);
    EXPECT_EQ(w.stage2.Label9->text(), QStringLiteral("Faworytów : "));
    EXPECT_EQ(w.stage2.Label12->text(), QStringLiteral("Możliwych kombinacji : "));
    EXPECT_FALSE(w.Timer5->isActive());
    EXPECT_TRUE(w.stage3.typeItems[1]->isChecked());
    for (QCheckBox* box : w.stage3.maskBoxes) EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(w.stage3.RadioButton1->isChecked());
    EXPECT_FALSE(w.stage3.RadioButton2->isChecked());
    EXPECT_TRUE(w.stage3.Edit42->text().isEmpty());
    EXPECT_TRUE(w.stage3.Edit43->text().isEmpty());
    EXPECT_EQ(w.stage3.UpDown1->position(), 20);
    EXPECT_EQ(w.stage3.UpDown2->position(), 70);
    EXPECT_EQ(ui::backgroundColor(w.stage3.Panel30), ui::kFace);
    for (QFrame* bar : w.gen.indicatorBars) EXPECT_EQ(ui::backgroundColor(bar), ui::kFace);
    EXPECT_EQ(ui::backgroundColor(w.gen.Panel29), ui::kFace);
    EXPECT_TRUE(w.gen.Edit1->text().isEmpty());
    EXPECT_EQ(w.gen.ProgressBar1->value(), 0);
    EXPECT_TRUE(w.shell.Symulacja1->isEnabled());
    EXPECT_TRUE(w.shell.Gwarancyjny1->menuAction()->isEnabled());
    EXPECT_TRUE(w.shell.Otworz1->isEnabled());
    EXPECT_TRUE(w.shell.Wyjcie1->isEnabled());
    EXPECT_FALSE(w.shell.Zapisz1->isEnabled());
}

TEST_F(NewSystemTest, APositionSelectedInStageOneIsLeftWithoutItsHighlight) {
    openStage1();
    const QString restCaption = window->stage1.Label2->text();
    selectPosition(1);
    selectPosition(3);
    setBars(60, 30);
    const QColor plain = ui::backgroundColor(window->stage1.percentEdits[0]);
    ASSERT_NE(ui::backgroundColor(window->stage1.percentEdits[6]), plain);
    ASSERT_NE(window->stage1.Label2->text(), restCaption);

    newSystem();
    for (int i = 6; i < 9; ++i) {
        EXPECT_EQ(ui::backgroundColor(window->stage1.percentEdits[static_cast<size_t>(i)]), plain);
        EXPECT_TRUE(window->stage1.percentEdits[static_cast<size_t>(i)]->text().isEmpty());
    }
    EXPECT_FALSE(window->stage1.Label2->text().endsWith(QStringLiteral("3")));
    EXPECT_EQ(window->state.selectedPosition, 0);
    EXPECT_EQ(window->state.forecast[2].p1, 0);
    EXPECT_EQ(window->state.visited, zuvo::VisitedFlags{});
}

TEST_F(NewSystemTest, FromTheEndOfTheIntroOpensStageOne) {
    finishIntro();
    newSystem();
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_FALSE(window->shell.Label91->isVisible());
    EXPECT_FALSE(window->shell.Label92->isVisible());
    EXPECT_FALSE(window->shell.Button27->isVisible());
    EXPECT_FALSE(window->shell.Button28->isVisible());
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_TRUE(window->stage1.Panel1->isVisible());
}

TEST_F(NewSystemTest, AfterACancelledSaveNothingIsAsked) {
    finishIntro();
    window->state.systemList = {"1111111111111"};
    window->state.resultsUnsaved = true;
    window->shell.Zapisz1->setEnabled(true);
    platform.expectSaveDialog(QString());
    window->shell.Zapisz1->trigger();
    newSystem();
    EXPECT_TRUE(platform.questions.empty());
}

TEST_F(NewSystemTest, AfterAnOpenedFileTheListCountsAsGeneratedAgain) {
    finishIntro();
    const QString path = startPath(QStringLiteral("otwarty.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1111111111111\r\n");
    file.close();
    platform.expectOpenDialog(path);
    window->shell.Otworz1->trigger();
    ASSERT_FALSE(window->state.listGenerated);

    newSystem();
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_TRUE(window->state.listGenerated);
    EXPECT_TRUE(window->state.systemList.empty());
    EXPECT_FALSE(window->gen.GroupBox2->isVisible());
    EXPECT_FALSE(window->print.Panel31->isVisible());
    EXPECT_TRUE(window->gen.Button19->isEnabled());
    EXPECT_TRUE(window->gen.Button33->isEnabled());
    EXPECT_FALSE(window->shell.Zapisz1->isEnabled());
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
}
