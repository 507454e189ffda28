#include "calc/keypad_entry.h"

#include "calc_scenario.h"

namespace quarnic {
namespace {

using KeypadEntry = CalcScenario;

TEST_F(KeypadEntry, TypingStopsAtTwentyFourCharactersSignIncluded) {
    PressRepeatedly("1", 30);
    EXPECT_EQ(First(), std::string(24, '1'));

    Press("AC 1 +/-");
    PressRepeatedly("1", 30);
    EXPECT_EQ(First(), "-" + std::string(23, '1'));
}

TEST_F(KeypadEntry, SignCanStillPrefixAFullEntryButDigitsStayRefused) {
    PressRepeatedly("7", 24);
    Press("+/- 7 .");
    EXPECT_EQ(First(), "-" + std::string(24, '7'));
    EXPECT_EQ(Console(), First());
}

struct TypedText {
    const char* keys;
    const char* text;
};

TEST_F(KeypadEntry, ANumberNeverStartsWithZeroFollowedByADigit) {
    const TypedText cases[] = {{".", "0."},           {"0", "0."},       {"5 0", "50"},
                               {"0 5", "0.5"},        {"0 0 7", "0.07"}, {"5 . .", "5."},
                               {"5 . 2 . 3", "5.23"}, {"A", "A"}};
    for (const TypedText& c : cases) {
        Press("AC N16");
        Press(c.keys);
        EXPECT_EQ(First(), c.text) << c.keys;
        EXPECT_EQ(Console(), c.text) << c.keys;
    }
}

TEST_F(KeypadEntry, SignKeyTogglesOperandAndConsoleTogether) {
    Press("1 2 +/-");
    EXPECT_EQ(Console(), "-12");
    Press("+/-");
    EXPECT_EQ(First(), "12");
    EXPECT_EQ(Console(), "12");
    Press("3");
    EXPECT_EQ(First(), "123") << "typing goes on after a sign change";

    // With an operator pending the copied second operand changes, and the console with it.
    Press("AC 5 + +/-");
    EXPECT_EQ(First(), "5");
    EXPECT_EQ(Second(), "-5");
    EXPECT_EQ(Console(), "-5 +");
}

TEST_F(KeypadEntry, SignKeyOnNothingOnlyRepaints) {
    Press("AC");
    const int draws = View().ConsoleDraws();
    Press("+/-");
    EXPECT_EQ(First(), "");
    EXPECT_EQ(Console(), "");
    EXPECT_EQ(View().ConsoleDraws(), draws + 1);
}

TEST_F(KeypadEntry, SignChangeOfAnAnswerWithEveryPlaceKeepsEveryDigit) {
    const std::string full = std::string(300, '9') + "." + std::string(900, '9');
    SetText(Calc().state.FirstOperandText, full);
    SetText(Calc().state.ConsoleText, "9 10^299");
    Press("+/-");
    EXPECT_EQ(First(), "-" + full);
    EXPECT_EQ(Console(), "-9 10^299");
    Press("+/-");
    EXPECT_EQ(First(), full);
}

TEST_F(KeypadEntry, ClearEntryDoesNothingWhileAnAnswerIsShown) {
    Press("5 = CE");
    EXPECT_EQ(Console(), "5");
    EXPECT_EQ(First(), "5");
    Press("+ 3 CE");
    EXPECT_EQ(Console(), "3");
    EXPECT_EQ(Second(), "3");
}

TEST_F(KeypadEntry, ClearEntryRightAfterAnOperatorTakesItBack) {
    Press("5 + CE");
    EXPECT_EQ(Console(), "5");
    EXPECT_EQ(Operator(), "");
    EXPECT_EQ(State().SecondOperandActive, 0) << "the first operand is on show again";
    EXPECT_FALSE(NotationButtonsEnabled()) << "text left on the console";
    Press("-");
    EXPECT_EQ(Console(), "5 -");
}

TEST_F(KeypadEntry, ClearEntryWhileTypingTheSecondOperandKeepsTheOperator) {
    Press("5 + 3 CE");
    EXPECT_EQ(Console(), "");
    EXPECT_EQ(Operator(), "+");
    EXPECT_TRUE(NotationButtonsEnabled()) << "blank console";
    Press("=");
    EXPECT_EQ(Console(), "") << "the second operand is empty";
    Press("4 =");
    EXPECT_EQ(Console(), "9");
}

TEST_F(KeypadEntry, ClearEntryWithoutOperatorClearsFirstOperandAndError) {
    Press("1 / 0 =");
    ASSERT_EQ(Console(), ERROR_DISPLAY_TEXT);
    Press("CE");
    EXPECT_EQ(Console(), "");
    EXPECT_EQ(State().ErrorShown, 0);

    Press("5 = / 0 =");
    ASSERT_EQ(Console(), ERROR_DISPLAY_TEXT);
    Press("CE");
    EXPECT_EQ(Console(), ERROR_DISPLAY_TEXT) << "AnswerShown is still 1 from the first =";
    Press("8");
    EXPECT_EQ(Console(), "8");
}

TEST_F(KeypadEntry, AllClearEmptiesMemoryButKeepsTheNotation) {
    Press("N16 F Min");
    ASSERT_TRUE(Enabled(IDC_MEMORY_RECALL));
    ASSERT_TRUE(View().MemoryMarkShown());
    Press("AC");
    EXPECT_FALSE(Enabled(IDC_MEMORY_RECALL));
    EXPECT_FALSE(View().MemoryMarkShown());
    EXPECT_EQ(State().MemoryHeld, 0);
    EXPECT_EQ(Memory(), "");
    EXPECT_TRUE(Checked(IDC_NOTATION_16));
    EXPECT_EQ(EnabledDigitKeys(), 16);
    EXPECT_TRUE(NotationButtonsEnabled());
    Press("MR");
    EXPECT_EQ(Console(), "");
}

TEST_F(KeypadEntry, OnlyANewFirstOperandGreysSaveAnswer) {
    Press("5 =");
    ASSERT_TRUE(SaveEnabled());
    Press("+ 7");
    EXPECT_TRUE(SaveEnabled());
    Press("= 7");
    EXPECT_FALSE(SaveEnabled());
}

TEST(CopyCharRange, CopiesAnInclusiveOneBasedRange) {
    char out[8] = {};
    EXPECT_EQ(CopyCharRange("-123", out, 2, 4, 8), 0);
    EXPECT_STREQ(out, "123");
}

TEST(CopyCharRange, RefusesBadRangesWithoutWriting) {
    struct Case {
        const char* source;
        int first;
        int last;
        int capacity;
    };
    const Case refused[] = {{"", 1, 1, 8},    {"abc", 0, 2, 8}, {"abc", 1, 0, 8},
                            {"abc", 3, 2, 8}, {"abc", 1, 4, 8}, {"abcd", 1, 4, 4},
                            {"-", 2, 1, 8},   {"abc", -1, 2, 8}};
    for (const Case& c : refused) {
        char out[8] = {};
        EXPECT_EQ(CopyCharRange(c.source, out, c.first, c.last, c.capacity), -1)
            << c.source << " " << c.first << ".." << c.last;
        EXPECT_STREQ(out, "");
    }
    char out[8] = {};
    EXPECT_EQ(CopyCharRange("abcd", out, 2, 4, 4), 0) << "three characters fit in four bytes";
}

}  // namespace
}  // namespace quarnic
