// "Zapisz prognozę" and "Otwórz prognozę" through the window, the way a player meets them.
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "ui/guarantee_panel.h"
#include "ui/widgets/needle_gauge.h"
#include "ui/window_fixture.h"

namespace {

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The example forecast as a file, written here from the percentages the player would type.
QByteArray exampleFile(const char* kind, const QByteArray& tail = {}) {
    QByteArray text = QByteArray("rodzaj: ") + kind + "\n";
    const ForecastEntry entry = exampleForecast();
    for (int k = 0; k < 13; ++k)
        text += QByteArray::number(k + 1) + ": " + QByteArray::number(entry[k].p1) + " " +
                QByteArray::number(entry[k].p0) + " " +
                QByteArray::number(100 - entry[k].p1 - entry[k].p0) + "\n";
    return text + tail;
}

}  // namespace

class ForecastFileTest : public WindowTest {
  protected:
    QAction* saveEntry() const { return window->shell.ZapiszPrognoze1; }
    QAction* openEntry() const { return window->shell.OtworzPrognoze1; }
    void save(const QString& path) {
        platform.expectSaveDialog(path);
        saveEntry()->trigger();
    }
    void open(const QString& path) {
        platform.expectOpenDialog(path);
        openEntry()->trigger();
    }
    // Everything of Stage 1 the player sees and the program keeps, to compare two ways in.
    QStringList stage1Shown() const {
        QStringList all;
        for (int k = 1; k <= 13; ++k)
            for (const QString& text : positionTexts(k)) all << text;
        const Stage1Area& s = window->stage1;
        all << s.Label2->text();
        for (int v : {s.ScrollBar1->value(), s.ScrollBar2->value(), s.ScrollBar2->maximum(),
                      s.Gauge1->value(), s.Gauge2->value(), s.Gauge3->value()})
            all << QString::number(v);
        for (int i = 0; i < 13; ++i) {
            const zuvo::PositionForecast& p = window->state.forecast[i];
            all << QStringLiteral("%1/%2/%3/%4/%5")
                       .arg(p.p1)
                       .arg(p.p0)
                       .arg(p.p2)
                       .arg(p.certain)
                       .arg(window->state.visited[i]);
        }
        return all;
    }
    QStringList stage2Counts() const {
        const Stage2Area& s = window->stage2;
        return {s.Label9->text(), s.Label10->text(), s.Label11->text(), s.Label12->text()};
    }
};

TEST_F(ForecastFileTest, EntriesStandAfterZapiszAndServeOnlyWhenThereIsSomethingToDo) {
    const QList<QAction*> actions = window->shell.System1->actions();
    const qsizetype zapisz = actions.indexOf(window->shell.Zapisz1);
    ASSERT_GE(zapisz, 0);
    EXPECT_EQ(actions.indexOf(openEntry()), zapisz + 2);  // a separator between
    EXPECT_EQ(actions.indexOf(saveEntry()), zapisz + 3);
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("OtworzPrognoze1")), openEntry());
    EXPECT_EQ(window->findChild<QAction*>(QStringLiteral("ZapiszPrognoze1")), saveEntry());
    EXPECT_EQ(openEntry()->text(), QString::fromUtf8("Otwórz prognozę"));
    EXPECT_EQ(saveEntry()->text(), QString::fromUtf8("Zapisz prognozę"));

    EXPECT_FALSE(openEntry()->isEnabled()) << "not during the intro";
    finishIntro();
    EXPECT_TRUE(openEntry()->isEnabled());
    clickButton(window->shell.Button27);
    EXPECT_FALSE(saveEntry()->isEnabled()) << "nothing entered yet";
    selectPosition(4);
    EXPECT_TRUE(saveEntry()->isEnabled());
    window->shell.Symulacja1->trigger();
    EXPECT_FALSE(saveEntry()->isEnabled()) << "a new system holds nothing";

    // A list from a system file comes without a forecast.
    selectPosition(1);
    const QString system = startPath(QStringLiteral("system.txt"));
    ASSERT_TRUE(writeFile(system, "1111111111111\r\n"));
    platform.expectOpenDialog(system);
    window->shell.Otworz1->trigger();
    EXPECT_FALSE(saveEntry()->isEnabled());
    EXPECT_TRUE(openEntry()->isEnabled());
}

TEST_F(ForecastFileTest, NeitherServesDuringARunOrTheFarewell) {
    goToStage3(exampleForecast());
    window->stage3.MaskEdit1->setText(QStringLiteral("   12"));
    window->stage3.MaskEdit2->setText(QStringLiteral("  120"));
    clickButton(window->stage3.Button18);
    ASSERT_TRUE(window->gen.GroupBox2->isVisible());
    ASSERT_TRUE(saveEntry()->isEnabled());
    clickButton(window->gen.Button20);
    ASSERT_TRUE(window->state.run.generatorRunning);
    EXPECT_FALSE(saveEntry()->isEnabled());
    EXPECT_FALSE(openEntry()->isEnabled());
    window->finishRun();
    EXPECT_TRUE(saveEntry()->isEnabled());
    EXPECT_TRUE(openEntry()->isEnabled());

    platform.expectQuestion(QString::fromUtf8("Chcesz już skończyć ?"), QuestionKind::Confirmation,
                            true);
    window->shell.Wyjcie1->trigger();
    EXPECT_FALSE(saveEntry()->isEnabled());
    EXPECT_FALSE(openEntry()->isEnabled());
}

TEST_F(ForecastFileTest, NeitherServesDuringAGuaranteeSearch) {
    finishIntro();
    window->shell.Globalny1->trigger();
    ForecastEntry entry = uniformForecast();  // 3^13: far from done in a moment
    enterForecast(entry);
    clickButton(window->stage1.Button22);
    GuaranteePanel& panel = *window->guarantee;
    panel.secondsEdit->setText(QStringLiteral("600"));
    clickButton(panel.computeButton);
    ASSERT_TRUE(panel.searching());
    EXPECT_FALSE(saveEntry()->isEnabled());
    EXPECT_FALSE(openEntry()->isEnabled());
    QTest::qWait(50);
    clickButton(panel.stopButton);
    ASSERT_FALSE(panel.searching());
    EXPECT_TRUE(saveEntry()->isEnabled());
    EXPECT_TRUE(openEntry()->isEnabled());
}

// Saved, opened in a new system, "Dalej": everything as if the player had typed it again.
TEST_F(ForecastFileTest, AnOpenedForecastGoesOnExactlyAsATypedOne) {
    openStage1();
    enterForecast(exampleForecast());
    const QString path = startPath(QStringLiteral("kupon.prg"));
    save(path);
    EXPECT_EQ(platform.dialogFilters.back(), QStringLiteral("Plik prognozy(*.prg)"));
    EXPECT_EQ(platform.dialogSuffixes.back(), QStringLiteral("prg"));
    // Position 13 was still being edited: the file holds what its gauges show.
    EXPECT_EQ(readAll(path),
              "# Zuvo 2001 - prognoza\n"
              "# Pozycja: procenty wyników 1, 0 i 2 (razem 100); \"-\" to pozycja "
              "jeszcze nie ustalona.\n" +
                  exampleFile("symulacyjny"));
    window->storePosition(13);
    const QStringList typed = stage1Shown();
    clickButton(window->stage1.Button22);
    const QStringList typedCounts = stage2Counts();

    window->shell.Symulacja1->trigger();
    open(path);
    EXPECT_EQ(platform.dialogFilters.back(), QStringLiteral("Pliki prognoz(*.prg)"));
    EXPECT_TRUE(window->stage1.GroupBox1->isVisible());
    EXPECT_EQ(stage1Shown(), typed);
    clickButton(window->stage1.Button22);
    ASSERT_TRUE(window->stage2.Panel2->isVisible());
    EXPECT_EQ(stage2Counts(), typedCounts);
}

TEST_F(ForecastFileTest, PositionsNeverEnteredStayUnvisited) {
    openStage1();
    selectPosition(2);
    setBars(70, 20);
    selectPosition(5);  // stores 2; 5 keeps the editor's rest state, 100 / 0 / 0
    const QString path = startPath(QStringLiteral("czesc.prg"));
    save(path);
    const QByteArray text = readAll(path);
    for (const char* line : {"\n1: -\n", "\n2: 70 20 10\n", "\n5: 100 0 0\n", "\n13: -\n"})
        EXPECT_TRUE(text.contains(line)) << line;

    window->shell.Symulacja1->trigger();
    open(path);
    for (int k = 1; k <= 13; ++k)
        EXPECT_EQ(window->state.visited[k - 1], k == 2 || k == 5 ? 1 : 0) << k;
    EXPECT_EQ(positionTexts(2), (std::array<QString, 3>{" 70", " 20", " 10"}));
    EXPECT_EQ(positionTexts(1), (std::array<QString, 3>{"", "", ""}));
    platform.expectMessage(
        QString::fromUtf8("Niektóre, lub wszystkie pozycje zostały pominięte. "
                          "Przejście do Etapu 2  - nie jest możliwe !!!"));
    clickButton(window->stage1.Button22);
}

// A damaged file is refused before anything is asked or reset; Stage 1 keeps what it held.
TEST_F(ForecastFileTest, ADamagedFileIsNamedWithItsLineAndChangesNothing) {
    QByteArray missing = exampleFile("symulacyjny");
    missing.remove(missing.indexOf("\n7: ") + 1,
                   missing.indexOf("\n8: ") - missing.indexOf("\n7: "));
    QByteArray sum = exampleFile("symulacyjny");
    sum.replace("\n3: 70 20 10\n", "\n3: 70 20 20\n");
    ASSERT_TRUE(QDir(startDir.path()).mkdir(QStringLiteral("folder.prg")));
    const struct {
        const char* name;
        QByteArray bytes;
        const char* says;
    } cases[] = {
        {"brak7.prg", missing, "Wiersz 8: brak pozycji 7 (ten wiersz podaje pozycję 8)."},
        {"suma.prg", sum, "Wiersz 4: pozycja 3: 70 + 20 + 20 = 110"},
        {"folder.prg", {}, "nie jest zwykłym plikiem."},
    };
    goToStage2(uniformForecast());
    window->state.systemList = {"1111111111111"};
    window->state.resultsUnsaved = true;  // no save question for a file that is not taken
    const QStringList before = stage1Shown();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = startPath(QString::fromLatin1(c.name));
        if (!c.bytes.isEmpty()) {
            ASSERT_TRUE(writeFile(path, c.bytes));
        }
        platform.anyMessage = true;
        open(path);
        ASSERT_FALSE(platform.messages.empty());
        const QString shown = platform.messages.back();
        EXPECT_TRUE(shown.contains(QDir::toNativeSeparators(path))) << shown.toStdString();
        EXPECT_TRUE(shown.contains(QString::fromUtf8(c.says))) << shown.toStdString();
        EXPECT_EQ(stage1Shown(), before);
        EXPECT_TRUE(window->stage2.Panel2->isVisible());
        EXPECT_EQ(window->state.mode, zuvo::SystemMode::Simulation);
        EXPECT_TRUE(window->state.resultsUnsaved);
    }
    platform.expectOpenDialog(QString());  // cancelled: nothing happens either
    openEntry()->trigger();
    EXPECT_EQ(stage1Shown(), before);
    EXPECT_TRUE(window->stage2.Panel2->isVisible());
}

TEST_F(ForecastFileTest, UnsavedResultsAreOfferedAndAFailedSaveKeepsThem) {
    finishIntro();
    const QString path = startPath(QStringLiteral("dobra.prg"));
    ASSERT_TRUE(writeFile(path, exampleFile("preferencyjny")));
    window->state.systemList = {"1111111111111"};
    window->state.resultsUnsaved = true;
    const QString question = QString::fromUtf8("Zapisać rozwiązania ?");
    platform.expectQuestion(question, QuestionKind::Confirmation, true);
    platform.expectSaveDialog(startPath(QStringLiteral("nie/ma/system.txt")));
    platform.anyMessage = true;  // the write error
    open(path);
    EXPECT_EQ(window->state.systemList.size(), 1u);
    EXPECT_TRUE(window->state.resultsUnsaved);
    EXPECT_EQ(window->state.mode, zuvo::SystemMode::Simulation);
    EXPECT_EQ(window->state.visited[0], 0);

    platform.expectQuestion(question, QuestionKind::Confirmation, false);
    open(path);
    EXPECT_TRUE(window->state.systemList.empty());
    EXPECT_EQ(window->state.mode, zuvo::SystemMode::Preferred);
    EXPECT_EQ(positionTexts(13), (std::array<QString, 3>{" 50", " 50", "  0"}));
}

// The guarantee chosen on the panel travels with the forecast and is put back on it.
TEST_F(ForecastFileTest, AGuaranteedSystemKeepsItsChoice) {
    finishIntro();
    const QString path = startPath(QStringLiteral("gwarancja.prg"));
    ASSERT_TRUE(writeFile(path, exampleFile("preferencyjny",
                                            "gwarancja: 11\nkolumn: 33\n"
                                            "limit: 45\njedynki: 2-9\n")));
    open(path);
    GuaranteePanel& panel = *window->guarantee;
    clickButton(window->stage1.Button22);
    ASSERT_TRUE(panel.isVisible());
    EXPECT_TRUE(panel.guarantees[2]->isChecked()) << "11 hits";
    EXPECT_EQ(panel.budgetEdit->text(), QStringLiteral("33"));
    EXPECT_EQ(panel.secondsEdit->text(), QStringLiteral("45"));
    EXPECT_EQ(panel.setup().conditions.ones, (zuvo::cover::CountRange{2, 9}));
    EXPECT_EQ(panel.conditionsSummary->text(), QString::fromUtf8("1: 2–9"));

    // Once the panel is open its own choice is saved.
    panel.guarantees[3]->click();  // the radio takes clicks on its text only
    panel.secondsEdit->setText(QStringLiteral("7"));
    save(path);
    const QByteArray text = readAll(path);
    for (const char* line :
         {"\nrodzaj: preferencyjny\n", "\ngwarancja: 10\n", "\nlimit: 7\n", "\njedynki: 2-9\n"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();

    // A typed forecast of the same kind reaches the same panel.
    const QStringList opened = {panel.structureLabels[0]->text(), panel.structureLabels[3]->text()};
    window->shell.Preferencyjny1->trigger();
    enterForecast(exampleForecast());
    clickButton(window->stage1.Button22);
    EXPECT_EQ((QStringList{panel.structureLabels[0]->text(), panel.structureLabels[3]->text()}),
              opened);
    EXPECT_TRUE(panel.guarantees[1]->isChecked()) << "a new system starts from the default";
}
