// Backspace: erases the last typed character, clears like "CE" when no typed digit would be left,
// and does nothing while no operand is being typed.
#include "calc_scenario.h"

namespace quarnic {
namespace {

using Backspace = CalcScenario;

TEST_F(Backspace, DropsTheLastTypedCharacter) {
    Press("1 2 3 BACK");
    EXPECT_EQ(First(), "12");
    EXPECT_EQ(Console(), "12");
    Press("4");
    EXPECT_EQ(First(), "124");
}

TEST_F(Backspace, DroppingThePointClearsItsFlag) {
    Press("1 . 5 BACK");
    EXPECT_EQ(First(), "1.");
    EXPECT_EQ(State().PointEntered, 1);
    Press("BACK");
    EXPECT_EQ(First(), "1");
    EXPECT_EQ(State().PointEntered, 0);
    Press(". 2");
    EXPECT_EQ(First(), "1.2");
}

TEST_F(Backspace, ALoneMinusActsAsClearEntry) {
    Press("5 +/- BACK");
    EXPECT_EQ(First(), "");
    EXPECT_EQ(Console(), "");
    EXPECT_EQ(State().EntryInProgress, 0);
    EXPECT_TRUE(NotationButtonsEnabled());
}

TEST_F(Backspace, TheZeroPointOfAFirstZeroOrPointActsAsClearEntry) {
    for (const char* typed : {"0", ".", "0 7", ". 7", "0 +/- 7"}) {
        Press("AC");
        Press(typed);
        Press("BACK");
        EXPECT_EQ(First(), "") << typed;
        EXPECT_EQ(Console(), "") << typed;
        EXPECT_EQ(State().PointEntered, 0) << typed;
        EXPECT_TRUE(NotationButtonsEnabled()) << typed;
    }
}

TEST_F(Backspace, OnTheSecondOperandKeepsTheOperator) {
    Press("7 + 4 2 BACK");
    EXPECT_EQ(Second(), "4");
    Press("BACK");
    EXPECT_EQ(Second(), "");
    EXPECT_EQ(Operator(), "+");
    EXPECT_EQ(First(), "7");
    Press("3 =");
    EXPECT_EQ(Console(), "10");
}

TEST_F(Backspace, DoesNothingWhileNoOperandIsTyped) {
    for (const char* keys : {"", "7 =", "7 +", "7 Min AC MR", "1 / 0 ="}) {
        Press("AC");
        Press(keys);
        const std::string console = Console();
        const std::string first = First();
        Press("BACK");
        EXPECT_EQ(Console(), console) << keys;
        EXPECT_EQ(First(), first) << keys;
    }
}

TEST_F(Backspace, AfterAnAnswerItsClearingIsRefusedLikeClearEntry) {
    // "CE" does nothing while an answer's flag is still set, so neither does Backspace's.
    Press("5 = + 3 BACK");
    EXPECT_EQ(Second(), "3");
    Press("4 BACK");
    EXPECT_EQ(Second(), "3");
}

}  // namespace
}  // namespace quarnic
