// The history's entries after key scripts, its one-line and grouped forms, and what the window
// does with an entry (another notation, Recall, Copy), through the runner's tokens.
#include "history/history.h"

#include <string>
#include <vector>

#include "calc/clipboard_commands.h"
#include "calc/history_commands.h"
#include "calc_scenario.h"
#include "history/history_entry.h"

namespace quarnic {
namespace {

class HistoryScenario : public CalcScenario {
  protected:
    int Count() { return History().Count(); }
    const std::string& Entry(int index) { return History().Text(index); }
    std::vector<EntryLine> Lines(int index) {
        std::vector<EntryLine> lines;
        EXPECT_TRUE(ParseEntryText(Entry(index), lines)) << Entry(index);
        return lines;
    }
};

std::string Repeated(char c, int n) {
    return std::string(static_cast<std::size_t>(n), c);
}

TEST_F(HistoryScenario, AnEqualsOfAnOperatorAddsTheSavedTextWithEveryDigit) {
    Press("1 2 + 3 =");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "12 (10) +\r\n3 (10) =\r\n15 (10)\r\n");
    Press("AC 1 / 3 =");
    ASSERT_EQ(Count(), 2);
    // 900 places, where the saved answer stops at 300.
    EXPECT_EQ(Entry(0), "1 (10) /\r\n3 (10) =\r\n0." + Repeated('3', 900) + " (10)\r\n");
    EXPECT_EQ(Entry(1), "12 (10) +\r\n3 (10) =\r\n15 (10)\r\n");
}

TEST_F(HistoryScenario, TheEqualsOfALoneNumberAddsNothing) {
    Press("7 = = AC 5 =");
    EXPECT_EQ(Count(), 0);
    Press("+ 1 = =");
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "5 (10) +\r\n1 (10) =\r\n6 (10)\r\n");
}

TEST_F(HistoryScenario, RootsOfTheAnswerAndASwitchOfItsNotationReplaceTheNewestEntry) {
    Press("2 5 5 + 1 = N16");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "255 (10) +\r\n1 (10) =\r\n100 (16)\r\n");
    Press("SQRT SQRT");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "255 (10) +\r\n1 (10) =\r\n100 (16)\r\n2 time(s) SQRT : 4 (16)\r\n");
    // A new first operand greys "Save answer": what follows no longer changes the entry.
    Press("9 SQRT");
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Entry(1), "255 (10) +\r\n1 (10) =\r\n100 (16)\r\n2 time(s) SQRT : 4 (16)\r\n");
}

TEST_F(HistoryScenario, ARunOfRootsOfATypedNumberIsOneEntryThatEachRootUpdates) {
    Press("1 6 SQRT");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "16 (10)\r\n1 time(s) SQRT : 4 (10)\r\n");
    Press("SQRT");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "16 (10)\r\n2 time(s) SQRT : 2 (10)\r\n");
    // An operator ends the run; the root of the second operand starts a new one.
    Press("+ 8 1 SQRT =");
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Entry(1), "81 (10)\r\n1 time(s) SQRT : 9 (10)\r\n");
    EXPECT_EQ(Entry(0), "2 (10) +\r\n9 (10) =\r\n11 (10)\r\n");
}

TEST_F(HistoryScenario, AnErrorDisplayAddsOrChangesNothing) {
    Press("1 + 2 =");
    Press("/ 0 =");
    EXPECT_TRUE(State().ErrorShown);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "1 (10) +\r\n2 (10) =\r\n3 (10)\r\n");
    Press("AC 4 +/- SQRT");
    EXPECT_TRUE(State().ErrorShown);
    EXPECT_EQ(Count(), 1);
}

TEST_F(HistoryScenario, TheOldestEntryDropsOutAtTheLimit) {
    for (int i = 0; i < HISTORY_LIMIT + 2; ++i) {
        Press("AC 1 + 1 =");
    }
    Press("AC 4 + 4 =");
    EXPECT_EQ(Count(), HISTORY_LIMIT);
    EXPECT_EQ(Entry(0), "4 (10) +\r\n4 (10) =\r\n8 (10)\r\n");
}

TEST_F(HistoryScenario, DeleteAndClearChangeTheListAndStopTheFollowing) {
    Press("1 + 2 = AC 3 + 4 =");
    Press("HDELETE=1");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Entry(0), "1 (10) +\r\n2 (10) =\r\n3 (10)\r\n");
    // The deleted calculation is still on show; its root must not overwrite the other one.
    Press("SQRT");
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Entry(1), "1 (10) +\r\n2 (10) =\r\n3 (10)\r\n");
    Press("HDELETE=9 HCLEAR");
    EXPECT_EQ(Count(), 0);
}

TEST_F(HistoryScenario, OneLineFormShortensLongNumbersAroundAnEllipsis) {
    Press("1 2 + 3 =");
    EXPECT_EQ(OneLineForm(Lines(0)), "12 (10) + 3 (10) = 15 (10)");
    Press("AC 1 / 3 =");
    EXPECT_EQ(OneLineForm(Lines(0)), "1 (10) / 3 (10) = 0.33333333333333…333333 (10)");
    Press("AC 2 SQRT SQRT");
    EXPECT_EQ(OneLineForm(Lines(0)), "2 (10) √×2 = 1.18920711500272…376737 (10)");
    // The list shows that form; a text that is no entry stands there as it is.
    EXPECT_EQ(ListLineOf(Entry(0)), "2 (10) √×2 = 1.18920711500272…376737 (10)");
    EXPECT_EQ(ListLineOf("12 (8) +\r\n"), "12 (8) +\r\n");
}

TEST_F(HistoryScenario, GroupedFormNumbersTheLinesOfALongFraction) {
    Press("1 / 3 =");
    const std::string grouped = GroupedForm(Lines(0));
    std::string groups = "33333";
    for (int i = 1; i < 10; ++i) {
        groups += " 33333";
    }
    std::string expected = "1 (10) /\r\n3 (10) =\r\n\r\n0.";
    for (int place = 1; place <= 851; place += 50) {
        std::string number = std::to_string(place);
        expected += "\r\n" + std::string(3 - number.size(), ' ') + number + "  " + groups;
    }
    expected += " (10)\r\n";
    EXPECT_EQ(grouped, expected);
}

TEST_F(HistoryScenario, GroupedFormCountsGroupsFromThePoint) {
    Press("1 2 3 4 5 6 . 7 5 + 0 =");
    EXPECT_EQ(GroupedForm(Lines(0)), "1 23456.75 (10) +\r\n0 (10) =\r\n1 23456.75 (10)\r\n");
    Press("AC 1");
    PressRepeatedly("0", 22);
    Press("* 1");
    PressRepeatedly("0", 23);
    Press("= * =");
    // (10^22 * 10^23) squared: an integer of 91 digits takes two lines, the first one short.
    const std::string grouped = GroupedForm(Lines(0));
    EXPECT_NE(grouped.find("\r\n\r\n1 00000 00000 00000 00000 00000 00000 00000 00000\r\n00000 "),
              std::string::npos)
        << grouped;
}

TEST_F(HistoryScenario, TheNotationBoxConvertsAsASwitchOfTheShownAnswerDoes) {
    Press("1 / 3 =");
    const std::string entry = Entry(0);
    // One switch from the answer's own notation each: "X" is stepped to 7 or 32 beforehand.
    const struct {
        int notation;
        const char* script;
    } switches[] = {{2, "1 / 3 = N2"},
                    {16, "1 / 3 = N16"},
                    {7, "NX X+ X+ X+ X+ N10 1 / 3 = NX"},
                    {32, "NX N10 1 / 3 = NX"}};
    for (const auto& each : switches) {
        std::string shown;
        ASSERT_TRUE(EntryNumberIn(Calc(), entry, each.notation, shown));
        ScriptedCalculator other;
        ASSERT_FALSE(ApplyKeyScript(other, each.script).has_value());
        ASSERT_EQ(other.calc.state.AnswerNotation, each.notation);
        EXPECT_EQ(shown, CopyText(other.calc)) << each.notation;
    }
    // The calculator itself is not changed by looking.
    EXPECT_EQ(Console(), "0.333333333333333333333333333333333333333333333");
    EXPECT_EQ(State().AnswerNotation, 10);
}

TEST_F(HistoryScenario, RecallFillsTheOperandAsPasteDoesWithItsRefusals) {
    Press("1 / 3 = AC 2 + 2 =");
    Press("AC 5 + RECALL=2 =");
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Entry(0), "5 (10) +\r\n0." + Repeated('3', 900) + " (10) =\r\n5." +
                            Repeated('3', 900) + " (10)\r\n");
    // A typed operand fixes the notation: a number of notation 16 is refused, as its paste is.
    Press("AC N16 F F + 1 = AC N10 7 RECALL=1");
    EXPECT_EQ(First(), "7");
    ASSERT_EQ(View().Messages(), 1);
    const std::string refusal = View().LastMessage();
    Press("PASTE=100%20(16)");
    EXPECT_EQ(View().LastMessage(), refusal);
    EXPECT_EQ(First(), "7");
    // With the buttons free, Recall selects the entry's notation, as Paste selects the suffix's.
    Press("= RECALL=1");
    EXPECT_EQ(First(), "100");
    EXPECT_TRUE(Checked(IDC_NOTATION_16));
}

TEST_F(HistoryScenario, ARecalledNumberStopsTheFollowingAsAPasteDoes) {
    Press("1 + 2 = AC 9 + 7 =");
    // Recalled over the answer on show, 3 is a new first operand: its root is an entry of its
    // own, and the calculation that was on show keeps its text.
    Press("RECALL=2 SQRT");
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Entry(1), "9 (10) +\r\n7 (10) =\r\n16 (10)\r\n");
    EXPECT_EQ(Lines(0).size(), 2u);
}

TEST_F(HistoryScenario, CopyGivesTheShownNumberWithEveryDigitAndNoNotation) {
    Press("2 / 3 = AC 1 + 1 =");
    CopyEntry(Calc(), Entry(1), 10);
    EXPECT_EQ(View().Clipboard(), "0." + Repeated('6', 899) + "6");
    CopyEntry(Calc(), Entry(0), 2);
    EXPECT_EQ(View().Clipboard(), "10");
}

TEST(HistoryEntryText, OnlyTheTwoShapesWithDigitsOfTheirNotationRead) {
    std::vector<EntryLine> lines;
    EXPECT_TRUE(ParseEntryText("12 (10) +\r\n3 (10) =\r\n15 (10)\r\n", lines));
    EXPECT_TRUE(ParseEntryText("-1.5 (16) *\r\n2 (16) =\r\n-3 (16)\r\n", lines));
    EXPECT_TRUE(ParseEntryText("V (32)\r\n1 time(s) SQRT : 5.7 (32)\r\n", lines));
    for (const char* bad : {
             "",
             "12 (10) +\r\n3 (10) =\r\n",                // no answer
             "12 (10) +\r\n3 (10) =\r\n15 (10)",         // no CR LF at the end
             "12 (10) +\n3 (10) =\n15 (10)\n",           // LF alone
             "1A (10) +\r\n3 (10) =\r\n15 (10)\r\n",     // A is no digit of notation 10
             "12 (33) +\r\n3 (10) =\r\n15 (10)\r\n",     // no notation 33
             "12 (10) %\r\n3 (10) =\r\n15 (10)\r\n",     // no such operator
             "1. (10) +\r\n3 (10) =\r\n15 (10)\r\n",     // a point without fraction
             "16 (10)\r\n0 time(s) SQRT : 4 (10)\r\n",   // no roots
             "16 (10)\r\n1 time(s) SQRT : -4 (10)\r\n",  // a negative root
             "ff (16) +\r\n1 (16) =\r\n100 (16)\r\n",    // lower case is not written
         }) {
        EXPECT_FALSE(ParseEntryText(bad, lines)) << bad;
    }
    const std::string tooLong = std::string(301, '1') + " (10)\r\n1 time(s) SQRT : 1 (10)\r\n";
    EXPECT_FALSE(ParseEntryText(tooLong, lines));
}

}  // namespace
}  // namespace quarnic
