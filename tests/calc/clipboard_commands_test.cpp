// Copy and Paste of the calculator, through the same tokens as the key-script runner.
#include "calc/clipboard_commands.h"

#include "calc_scenario.h"

namespace quarnic {
namespace {

using CalculatorCopy = CalcScenario;
using CalculatorPaste = CalcScenario;

TEST_F(CalculatorCopy, AnAnswerGivesEveryDigitNotOnlyThoseShown) {
    Press("1 / 3 = COPY");
    EXPECT_EQ(View().Clipboard(), "0." + std::string(900, '3'));
    EXPECT_LT(Console().size(), 50u);
}

TEST_F(CalculatorCopy, PlainTextOfConvertedAnswersRootsAndTypedOperands) {
    const std::pair<const char*, const char*> cases[] = {
        {"2 5 5 = N16", "FF"}, {"3 - 5 =", "-2"}, {"1 2 . 5 0", "12.5"},
        {"1 2 .", "12"},       {"0", "0"},        {"5 +/-", "-5"},
        {"5 +", "5"},          {"7 + 4 2", "42"}, {"2 . 5 * 4 =", "10"},
        {"N2 1 1 = N10", "3"}, {"0 +/-", "0"},    {"4 SQRT", "2"},
    };
    for (const auto& [keys, copied] : cases) {
        Press("AC N10");
        Press(keys);
        Press("COPY");
        EXPECT_EQ(View().Clipboard(), copied) << keys;
    }
}

TEST_F(CalculatorCopy, ASquareRootGivesTheWholeRoot) {
    Press("2 SQRT COPY");
    const std::string& root = View().Clipboard();
    EXPECT_EQ(root.substr(0, 22), "1.41421356237309504880");
    EXPECT_GE(root.size(), 100u);
    EXPECT_NE(root.back(), '0');
}

TEST_F(CalculatorCopy, GreyedWhileTheConsoleIsBlankOrShowsTheError) {
    EXPECT_FALSE(View().IsMenuItemEnabled(IDM_COPY));
    Press("COPY");
    EXPECT_FALSE(View().HasClipboard());
    Press("1");
    EXPECT_TRUE(View().IsMenuItemEnabled(IDM_COPY));
    Press("/ 0 =");
    EXPECT_FALSE(View().IsMenuItemEnabled(IDM_COPY));
    Press("COPY");
    EXPECT_FALSE(View().HasClipboard());
    Press("5 CE");
    EXPECT_FALSE(View().IsMenuItemEnabled(IDM_COPY));
    Press("PASTE=8");
    EXPECT_TRUE(View().IsMenuItemEnabled(IDM_COPY));
    Press("AC");
    EXPECT_FALSE(View().IsMenuItemEnabled(IDM_COPY));
}

TEST_F(CalculatorCopy, ALongAnswerIsCopiedWithEveryDigit) {
    const std::string integer = "1" + std::string(99, '0');
    const std::string third = "0." + std::string(900, '3');
    Press("PASTE=" + integer + " + PASTE=" + third + " =");
    EXPECT_EQ(First(), integer + "." + std::string(900, '3'));
    Press("COPY");
    EXPECT_EQ(View().Clipboard(), integer + "." + std::string(900, '3'));
}

TEST_F(CalculatorCopy, ABusyClipboardSaysNothingWasCopied) {
    View().SetClipboardText("before");
    View().SetClipboardBusy(true);
    Press("7 COPY");
    EXPECT_EQ(View().Clipboard(), "before");
    EXPECT_EQ(View().Messages(), 1);
    EXPECT_EQ(View().LastMessage(),
              "The clipboard is in use by another program.\nNothing was copied.");
}

TEST_F(CalculatorPaste, ANumberWithSuffixSelectsItsNotationAndBecomesTheFirstOperand) {
    Press("PASTE=ff%20(16)");
    EXPECT_EQ(First(), "FF");
    EXPECT_EQ(Console(), "FF");
    EXPECT_TRUE(Checked(IDC_NOTATION_16));
    EXPECT_EQ(State().FirstNotation, 16);
    EXPECT_EQ(EnabledDigitKeys(), 16);
    EXPECT_FALSE(NotationButtonsEnabled());
    EXPECT_EQ(State().EntryInProgress, 0);
    Press("+ 1 =");
    EXPECT_EQ(Console(), "100");
    EXPECT_TRUE(NotationButtonsEnabled());
}

TEST_F(CalculatorPaste, APrefixChoosesItsNotationUnderTheSuffixRule) {
    Press("PASTE=0xFF_FF");
    EXPECT_EQ(Console(), "FFFF");
    EXPECT_TRUE(Checked(IDC_NOTATION_16));
    Press("AC N10 1 2 PASTE=-0b1");
    EXPECT_EQ(First(), "12");
    EXPECT_EQ(View().LastMessage(), "Notation 2 cannot be selected now.\nNothing was pasted.");
    Press("AC N10 PASTE=0.33333%0D%0A%20%2033333");
    EXPECT_EQ(First(), "0.3333333333");
}

TEST_F(CalculatorPaste, ANotationBehindXIsSteppedTo) {
    Press("PASTE=J%20(20)");
    EXPECT_TRUE(Checked(IDC_NOTATION_X));
    EXPECT_EQ(State().OtherNotation, 20);
    EXPECT_EQ(View().OtherBoxLabel(), "20");
    EXPECT_EQ(First(), "J");
}

TEST_F(CalculatorPaste, FillsTheSecondOperandAfterAnOperator) {
    Press("7 * PASTE=6");
    EXPECT_EQ(First(), "7");
    EXPECT_EQ(Second(), "6");
    EXPECT_EQ(Console(), "6");
    Press("=");
    EXPECT_EQ(Console(), "42");
}

TEST_F(CalculatorPaste, TheNextDigitStartsANewOperand) {
    Press("PASTE=12 3");
    EXPECT_EQ(First(), "3");
}

TEST_F(CalculatorPaste, ReplacesAnAnswerAsMemoryRecallDoes) {
    Press("5 = PASTE=-0.250");
    EXPECT_EQ(First(), "-0.25");
    EXPECT_EQ(Console(), "-0.25");
    EXPECT_EQ(State().AnswerShown, 0);
    EXPECT_FALSE(SaveEnabled());
}

TEST_F(CalculatorPaste, ClearsTheErrorDisplay) {
    Press("1 / 0 = PASTE=9");
    EXPECT_EQ(State().ErrorShown, 0);
    EXPECT_EQ(Console(), "9");
}

TEST_F(CalculatorPaste, ZeroHasNoSign) {
    Press("PASTE=-000.000");
    EXPECT_EQ(First(), "0");
    EXPECT_EQ(Console(), "0");
}

TEST_F(CalculatorPaste, WhileTypingOnlyTheSelectedNotationIsTaken) {
    Press("1 2 PASTE=34%20(10)");
    EXPECT_EQ(First(), "34");
    Press("AC 1 2 PASTE=FF%20(16)");
    EXPECT_EQ(First(), "12");
    EXPECT_TRUE(Checked(IDC_NOTATION_10));
    EXPECT_EQ(View().LastMessage(), "Notation 16 cannot be selected now.\nNothing was pasted.");
}

TEST_F(CalculatorPaste, ARefusalChangesNothing) {
    Press("N16 1 A +");
    const std::string console = Console();
    const std::vector<int> enabled = View().EnabledIds(IDC_COMMAND_FIRST, IDC_COMMAND_LAST);
    for (const char* text : {"", "1G", "1.2.3", "1%20%201", "1%20(40)", "1,5", "0xF%20(10)"}) {
        const int before = View().Messages();
        Press(std::string("PASTE=") + text);
        EXPECT_EQ(View().Messages(), before + 1) << text;
        EXPECT_EQ(Console(), console) << text;
        EXPECT_EQ(Second(), "1A") << text;
        EXPECT_EQ(View().EnabledIds(IDC_COMMAND_FIRST, IDC_COMMAND_LAST), enabled) << text;
    }
}

TEST_F(CalculatorPaste, AFullOperandKeepsEveryDigit) {
    const std::string number = std::string(300, '9') + "." + std::string(900, '1');
    Press("PASTE=" + number);
    EXPECT_EQ(First(), number);
    Press("PASTE=1" + std::string(300, '0'));
    EXPECT_EQ(View().LastMessage(),
              "The number has too many digits: at most 300 before the point and 900 after "
              "it.\nNothing was pasted.");
}

TEST_F(CalculatorPaste, MessagesInJapanese) {
    Calc().JapaneseUi = true;
    Press("PASTE=x");
    EXPECT_EQ(View().LastMessage(),
              "「x」は10進法で使える数字ではありません.\n貼り付けませんでした.");
    View().SetClipboardBusy(true);
    Press("PASTE=1");
    EXPECT_EQ(View().LastMessage(),
              "クリップボードはほかのプログラムが使用中です.\n貼り付けられませんでした.");
    EXPECT_EQ(First(), "");
}

// A pasted number keeps the value it was given: its top run of nines is not rounded up on the
// console; "=" rounds an answer only when the run reaches its 900th place.
TEST_F(CalculatorPaste, ARunOfTopDigitsIsNotRoundedUpUntilAnAnswer) {
    const std::string nines = "0." + std::string(50, '9');
    Press("PASTE=" + nines);
    EXPECT_EQ(First(), nines);
    EXPECT_EQ(Console(), "0." + std::string(45, '9'));
    Press("=");
    EXPECT_EQ(Console(), "0." + std::string(45, '9'));
    EXPECT_EQ(First(), nines);

    const std::string allNines = "0." + std::string(900, '9');
    Press("AC PASTE=" + allNines);
    EXPECT_EQ(First(), allNines);
    Press("=");
    EXPECT_EQ(Console(), "1");
    EXPECT_EQ(First(), "1");
}

}  // namespace
}  // namespace quarnic
