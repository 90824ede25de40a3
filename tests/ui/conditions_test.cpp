// Conditions on a guaranteed system through the window: the dialog's live count, its refusals,
// and a conditioned system checked combination by combination against its conditions.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/conditions_dialog.h"
#include "ui/guarantee_steps.h"

namespace {

namespace cover = zuvo::cover;

// Counts of '1', '0', '2' in a column text.
bool meetsByText(const std::string& column, int ones[2], int draws[2], int twos[2]) {
    const auto count = [&](char c) {
        return static_cast<int>(std::count(column.begin(), column.end(), c));
    };
    return count('1') >= ones[0] && count('1') <= ones[1] && count('0') >= draws[0] &&
           count('0') <= draws[1] && count('2') >= twos[0] && count('2') <= twos[1];
}

class ConditionsTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        finishIntro();
    }
    GuaranteePanel& panel() const { return *window->guarantee; }
    ConditionsDialog& dialog() const { return *panel().conditionsDialog; }
    void openPanel(int three, int two) {
        window->shell.Globalny1->trigger();
        enterForecast(structureEntry(three, two));
        clickButton(window->stage1.Button22);
        ASSERT_TRUE(panel().isVisible());
        clickButton(panel().conditionsButton);
        ASSERT_TRUE(dialog().isVisible());
    }
    // Boxes in the order 1s, 0s, 2s, favourites.
    void enter(int row, const char* low, const char* high) {
        dialog().lowEdits[row]->setText(QString::fromLatin1(low));
        dialog().highEdits[row]->setText(QString::fromLatin1(high));
    }
};

// The example: 8 three-way positions and 5 sure '1', 7-10 ones, 1-3 draws, 1-3 twos.
TEST_F(ConditionsTest, CountShowsAtOnceAndTheSystemCoversEveryCombinationThatMeetsThem) {
    openPanel(8, 0);
    enter(0, "7", "10");
    enter(1, "1", "3");
    enter(2, "1", "3");
    int ones[2] = {7, 10}, draws[2] = {1, 3}, twos[2] = {1, 3};
    const cover::Play play = cover::playOf(window->state.forecast);
    std::vector<std::string> meeting;
    for (cover::Point p = 0; p < play.space().size(); ++p)
        if (meetsByText(play.column(p), ones, draws, twos)) meeting.push_back(play.column(p));
    EXPECT_EQ(meeting.size(), 2996u);
    EXPECT_TRUE(dialog().countLabel->text().startsWith(
        QString::fromUtf8("Kombinacji spełniających warunki: 2996 z 6561 (szansa ")))
        << dialog().countLabel->text().toStdString();

    clickButton(dialog().okButton);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(panel().conditionsSummary->text(), QString::fromUtf8("1: 7–10, 0: 1–3, 2: 1–3"));
    EXPECT_EQ(panel().setup().conditions.ones, (cover::CountRange{7, 10}));

    panel().secondsEdit->setText(QStringLiteral("2"));
    clickButton(panel().computeButton);
    ASSERT_TRUE(waitForSystem(panel()));
    const std::vector<std::string>& list = window->state.systemList;
    ASSERT_FALSE(list.empty());
    EXPECT_LT(list.size(), 367u) << "well under a plain greedy cover";
    for (const std::string& column : list) EXPECT_TRUE(meetsByText(column, ones, draws, twos));
    for (const std::string& result : meeting) {
        int best = 0;
        for (const std::string& column : list) {
            int hits = 0;
            for (std::size_t k = 0; k < 13; ++k) hits += column[k] == result[k];
            best = std::max(best, hits);
        }
        ASSERT_GE(best, 12) << result;
    }
    const QString caption = window->guaranteeCaption->text();
    EXPECT_TRUE(caption.startsWith(
        QString::fromUtf8("System gwarancyjny 12 z 13 przy warunkach 1: 7–10, 0: 1–3, 2: 1–3: ")))
        << caption.toStdString();
    EXPECT_TRUE(caption.contains(QStringLiteral("zamiast 2996"))) << caption.toStdString();
    EXPECT_TRUE(caption.contains(QStringLiteral("bez warunków 486 kolumn")))
        << caption.toStdString();
}

TEST_F(ConditionsTest, BadConditionsAreRefusedAndTheDialogStays) {
    openPanel(8, 0);  // five positions are a sure '1': a column has at least five ones
    const struct {
        int row;
        const char* low;
        const char* high;
        const char* message;
    } cases[] = {
        {0, "10", "7", "Warunek „Jedynki (1)”: „od” (10) jest większe niż „do” (7)."},
        {1, "0", "14", "Warunek „Remisy (0)”: liczby od 0 do 13."},
        {2, "", "3", "Warunek „Dwójki (2)”: wpisz liczby od 0 do 13."},
        {0, "0", "4", "Żadna z grywanych kombinacji nie spełnia tych warunków. Zmień warunki."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        clickButton(dialog().clearButton);
        enter(c.row, c.low, c.high);
        EXPECT_EQ(dialog().countLabel->text(), QString::fromUtf8(c.message));
        platform.expectMessage(QString::fromUtf8(c.message));
        clickButton(dialog().okButton);
        EXPECT_TRUE(dialog().isVisible());
    }
    clickButton(dialog().cancelButton);
    EXPECT_TRUE(panel().setup().conditions.none()) << "nothing taken";
}

// Conditions put back from a stored set-up are checked again before anything runs.
TEST_F(ConditionsTest, StoredConditionsThatCannotBeUsedStopTheSearch) {
    openPanel(4, 0);
    clickButton(dialog().cancelButton);
    zuvo::GuaranteeSetup stored;
    stored.conditions.twos = {5, 13};  // four open positions: at most four twos
    panel().applySetup(stored);
    platform.expectMessage(QString::fromUtf8(
        "Żadna z grywanych kombinacji nie spełnia tych warunków. Zmień warunki."));
    clickButton(panel().computeButton);
    EXPECT_FALSE(panel().searching());
}

}  // namespace
