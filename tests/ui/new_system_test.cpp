// "System" > "Nowy" > "Symulacyjny": from any screen back to an empty Stage 1.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include "ui/colors.h"
#include "ui/widget_utils.h"
#include "ui/widgets/needle_gauge.h"
#include "ui/widgets/up_down.h"
#include "ui/window_fixture.h"

namespace {

void setAll(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* w : widgets) w->setEnabled(enabled);
}

}  // namespace

class NewSystemTest : public WindowTest {
  protected:
    void giveGeneratedList() {
        window->state.systemList = {"1111111111111", "1021021021021", "2222222222222"};
        window->state.resultsUnsaved = true;
    }
    void newSystem() { window->shell.Symulacja1->trigger(); }

    // Everything a user can leave behind on the generator screen after a run, a print run and
    // an analysis, with the model state of that road.
    void leaveTheGeneratorScreenUsed() {
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
        s.listGenerated = true;
        s.systemList = {"1111111111111", "2222222222222"};
        s.resultsUnsaved = false;

        Stage1Area& a = w.stage1;
        a.GroupBox1->hide();
        a.GroupBox1->setEnabled(false);
        a.Button22->setEnabled(false);
        for (QPushButton* b : a.positionButtons) b->setEnabled(false);
        for (QLineEdit* e : a.percentEdits) e->setText(QStringLiteral(" 33"));
        a.Panel1->hide();
        a.ScrollBar1->setValue(40);
        a.ScrollBar2->setValue(30);
        a.Gauge1->setValue(40);
        a.Gauge2->setValue(30);
        a.Gauge3->setValue(30);

        Stage2Area& s2 = w.stage2;
        s2.Panel2->show();
        setAll({s2.Panel2, s2.Button14, s2.Button15, s2.Button16, s2.Button36}, false);
        s2.Label13->show();
        s2.Label94->hide();
        s2.Label95->show();
        s2.Label18->show();
        s2.Label9->setText(QStringLiteral("Faworytów : 4"));
        s2.Label10->setText(QStringLiteral("Pozycji dwudrogowych : 5"));
        s2.Label11->setText(QStringLiteral("Pozycji trzydrogowych : 4"));
        s2.Label12->setText(QStringLiteral("Możliwych kombinacji : 2592"));
        w.Timer5->start();

        w.analysis.Panel41->show();
        w.analysis.Label402->show();
        w.analysis.Label118->show();

        Stage3Area& s3 = w.stage3;
        s3.Panel3->show();
        s3.typeItems[2]->setChecked(true);
        for (QCheckBox* box : s3.maskBoxes) box->setChecked(true);
        s3.RadioButton2->setChecked(true);
        s3.RadioButton1->setChecked(false);
        s3.Panel30->setEnabled(true);
        s3.Edit42->setText(QStringLiteral("30"));
        s3.Edit43->setText(QStringLiteral("60"));
        s3.UpDown1->setPosition(30);
        s3.UpDown2->setPosition(60);
        setAll({s3.Button17, s3.Button18}, false);

        GeneratorArea& g = w.gen;
        g.GroupBox2->show();
        g.Label105->hide();
        setAll({g.Button20, g.Button33, g.Button24, g.Button19, g.Button23}, false);
        for (QFrame* bar : g.indicatorBars) ui::setBackgroundColor(bar, ui::kRed);
        ui::setBackgroundColor(g.Panel29, ui::kRed);
        for (QLabel* l : {g.Label35, g.Label37, g.Label39}) l->setText(QStringLiteral("7"));
        for (QLabel* l : g.hitCounts) l->setText(QStringLiteral("1"));
        g.Edit1->setText(QStringLiteral("1111111111111"));
        for (QListWidget* l : g.numberLists) l->addItem(QStringLiteral("1"));
        for (QListWidget* l : g.couponLists) l->addItem(QStringLiteral("1/1"));
        g.ListBox1->addItem(QStringLiteral("1111111111111"));
        g.ProgressBar1->setMaximum(40);
        g.ProgressBar1->setValue(12);

        PrintArea& p = w.print;
        p.Panel31->show();
        p.Panel32->show();
        p.Panel52->show();
        p.Label59->setText(QStringLiteral("5"));
        p.Label60->setText(QStringLiteral("2"));
        setAll({p.Button30, p.Button25, p.Button26}, false);
        setAll({p.Button32, p.Button29}, true);

        w.shell.Otworz1->setEnabled(false);
        w.shell.Zapisz1->setEnabled(true);
        w.shell.Gwarancyjny1->setEnabled(false);
    }
};

TEST_F(NewSystemTest, FromTheGeneratorScreenEveryControlIsReset) {
    finishIntro();
    leaveTheGeneratorScreenUsed();
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

    const Stage1Area& a = w.stage1;
    EXPECT_TRUE(a.GroupBox1->isVisible());
    EXPECT_TRUE(a.GroupBox1->isEnabled());
    EXPECT_TRUE(a.Button22->isEnabled());
    for (QPushButton* b : a.positionButtons) EXPECT_TRUE(b->isEnabled());
    for (QLineEdit* e : a.percentEdits) EXPECT_TRUE(e->text().isEmpty());
    EXPECT_TRUE(a.Panel1->isVisible());
    EXPECT_EQ(a.ScrollBar1->value(), 100);
    EXPECT_EQ(a.ScrollBar2->value(), 0);
    EXPECT_EQ(a.Gauge1->value(), 100);
    EXPECT_EQ(a.Gauge2->value(), 0);
    EXPECT_EQ(a.Gauge3->value(), 0);

    const Stage2Area& s2 = w.stage2;
    EXPECT_FALSE(s2.Panel2->isVisible());
    for (QWidget* x : {static_cast<QWidget*>(s2.Panel2), static_cast<QWidget*>(s2.Button14),
                       static_cast<QWidget*>(s2.Button15), static_cast<QWidget*>(s2.Button16),
                       static_cast<QWidget*>(s2.Button36)})
        EXPECT_TRUE(x->isEnabled()) << x->objectName().toStdString();
    EXPECT_FALSE(s2.Label13->isVisible());
    EXPECT_FALSE(s2.Label94->isHidden());
    EXPECT_FALSE(s2.Label95->isVisible());
    EXPECT_FALSE(s2.Label18->isVisible());
    EXPECT_FALSE(w.Timer5->isActive());
    EXPECT_EQ(s2.Label9->text(), QStringLiteral("Faworytów : "));
    EXPECT_EQ(s2.Label10->text(), QStringLiteral("Pozycji dwudrogowych : "));
    EXPECT_EQ(s2.Label11->text(), QStringLiteral("Pozycji trzydrogowych : "));
    EXPECT_EQ(s2.Label12->text(), QStringLiteral("Możliwych kombinacji : "));

    EXPECT_FALSE(w.analysis.Panel41->isVisible());
    EXPECT_TRUE(w.analysis.Label402->isHidden());
    EXPECT_TRUE(w.analysis.Label118->isHidden());

    const Stage3Area& s3 = w.stage3;
    EXPECT_FALSE(s3.Panel3->isVisible());
    EXPECT_TRUE(s3.typeItems[1]->isChecked());
    EXPECT_FALSE(s3.typeItems[2]->isChecked());
    for (QCheckBox* box : s3.maskBoxes) EXPECT_FALSE(box->isChecked());
    EXPECT_TRUE(s3.RadioButton1->isChecked());
    EXPECT_FALSE(s3.RadioButton2->isChecked());
    EXPECT_FALSE(s3.Panel30->isEnabled());
    EXPECT_TRUE(s3.Edit42->text().isEmpty());
    EXPECT_TRUE(s3.Edit43->text().isEmpty());
    EXPECT_EQ(s3.UpDown1->position(), 20);
    EXPECT_EQ(s3.UpDown2->position(), 70);
    EXPECT_TRUE(s3.Button17->isEnabled());
    EXPECT_TRUE(s3.Button18->isEnabled());

    const GeneratorArea& g = w.gen;
    EXPECT_FALSE(g.GroupBox2->isVisible());
    EXPECT_FALSE(g.Label105->isHidden());
    for (QPushButton* b : {g.Button20, g.Button33, g.Button24, g.Button19, g.Button23})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    for (QFrame* bar : g.indicatorBars) EXPECT_EQ(ui::backgroundColor(bar), ui::kFace);
    EXPECT_EQ(ui::backgroundColor(g.Panel29), ui::kFace);
    for (QLabel* l : {g.Label35, g.Label37, g.Label39}) EXPECT_TRUE(l->text().isEmpty());
    for (QLabel* l : g.hitCounts) EXPECT_TRUE(l->text().isEmpty());
    EXPECT_TRUE(g.Edit1->text().isEmpty());
    for (QListWidget* l : g.numberLists) EXPECT_EQ(l->count(), 0);
    for (QListWidget* l : g.couponLists) EXPECT_EQ(l->count(), 0);
    EXPECT_EQ(g.ListBox1->count(), 0);
    EXPECT_EQ(g.ProgressBar1->value(), 0);

    const PrintArea& p = w.print;
    EXPECT_FALSE(p.Panel31->isVisible());
    EXPECT_FALSE(p.Panel32->isVisible());
    EXPECT_FALSE(p.Panel52->isVisible());
    EXPECT_TRUE(p.Label59->text().isEmpty());
    EXPECT_TRUE(p.Label60->text().isEmpty());
    for (QPushButton* b : {p.Button30, p.Button25, p.Button26}) EXPECT_TRUE(b->isEnabled());
    EXPECT_FALSE(p.Button32->isEnabled());
    EXPECT_FALSE(p.Button29->isEnabled());

    EXPECT_TRUE(w.shell.Symulacja1->isEnabled());
    EXPECT_TRUE(w.shell.Gwarancyjny1->menuAction()->isEnabled());
    EXPECT_TRUE(w.shell.Otworz1->isEnabled());
    EXPECT_TRUE(w.shell.Wyjcie1->isEnabled());
    EXPECT_FALSE(w.shell.Zapisz1->isEnabled());
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
    giveGeneratedList();
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
