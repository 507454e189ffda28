#include "calc/evaluation.h"

#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "calc_scenario.h"

namespace quarnic {
namespace {

using Evaluation = CalcScenario;

// Twenty-four presses of "9".
const std::string NINES_24 = [] {
    std::string keys;
    for (int i = 0; i < 24; ++i) {
        keys += "9 ";
    }
    return keys;
}();
// (10^24 - 1)^2
const std::string SQUARE_OF_NINES_24 = "999999999999999999999998000000000000000000000001";

TEST_F(Evaluation, EqualsAtStartOrAfterAllClearDoesNothing) {
    Press("=");
    EXPECT_EQ(Console(), "");
    EXPECT_EQ(State().AnswerShown, 0);
    EXPECT_FALSE(SaveEnabled());
    Press("5 AC =");
    EXPECT_EQ(Console(), "");
    EXPECT_EQ(State().AnswerShown, 0);
}

TEST_F(Evaluation, ALoneNumberIsItselfPlusZeroAndRepeatsSo) {
    Press("5 =");
    EXPECT_EQ(Console(), "5");
    EXPECT_EQ(State().AnswerShown, 1);
    EXPECT_EQ(State().SecondOperandActive, 0);
    EXPECT_EQ(Operator(), "");
    Press("=");
    EXPECT_EQ(Console(), "5");
    Press("7 - 9 = =");
    EXPECT_EQ(Console(), "-2") << "repeated = adds zero, it does not repeat the subtraction";
    EXPECT_EQ(First(), "-2");
}

TEST_F(Evaluation, OperatorWithoutSecondOperandUsesACopyOfTheFirst) {
    Press("5 * =");
    EXPECT_EQ(Console(), "25");
}

TEST_F(Evaluation, ASecondOperatorReplacesTheFirstAndDropsTheTypedSecondOperand) {
    Press("5 + -");
    EXPECT_EQ(Console(), "5 -");
    Press("2 =");
    EXPECT_EQ(Console(), "3");

    Press("AC 5 + 3 *");
    EXPECT_EQ(Console(), "3 *") << "the console keeps what was typed";
    EXPECT_EQ(Second(), "5");
    Press("=");
    EXPECT_EQ(Console(), "25");
}

TEST_F(Evaluation, AnAnswerIsTheNextFirstOperand) {
    Press("5 = + 1 =");
    EXPECT_EQ(Console(), "6");
    Press("7");
    EXPECT_EQ(Console(), "7") << "a digit after an answer starts a new number";
    EXPECT_EQ(State().AnswerShown, 0);
}

TEST_F(Evaluation, OperatorIsIgnoredWhileTheConsoleIsBlank) {
    Press("+");
    EXPECT_EQ(State().SecondOperandActive, 0);
    EXPECT_EQ(Operator(), "");
}

TEST_F(Evaluation, FirstOperandIsConvertedIntoTheSecondsNotation) {
    Press("2 + N16 A =");
    EXPECT_EQ(Console(), "C");
    EXPECT_TRUE(Checked(IDC_NOTATION_16));
    EXPECT_EQ(State().AnswerNotation, 16);
    EXPECT_EQ(State().FirstNotation, 16);
}

TEST_F(Evaluation, UntypedSecondOperandKeepsTheFirstsNotationAndButtonsFollowTheAnswer) {
    Press("2 + N16 =");
    EXPECT_EQ(Console(), "4");
    EXPECT_TRUE(Checked(IDC_NOTATION_10));
    EXPECT_FALSE(Checked(IDC_NOTATION_16));
    EXPECT_EQ(EnabledDigitKeys(), 10);
    EXPECT_EQ(State().AnswerNotation, 10);
}

TEST_F(Evaluation, AnswerInAnOtherNotationMovesXBackToIt) {
    Press("NX X+ X+ X+ X+");
    ASSERT_EQ(State().OtherNotation, 7);
    Press("5 + X+");
    ASSERT_EQ(State().OtherNotation, 9);
    Press("=");
    EXPECT_EQ(Console(), "13") << "5 + 5 in notation 7";
    EXPECT_EQ(State().OtherNotation, 7);
    EXPECT_EQ(View().OtherBoxLabel(), "7");
    EXPECT_TRUE(Checked(IDC_NOTATION_X));
    EXPECT_EQ(EnabledDigitKeys(), 7);
}

TEST_F(Evaluation, DivisionByZeroShowsTheErrorAndDropsBothOperands) {
    Press("8 Min 1 / 0 =");
    EXPECT_EQ(Console(), ERROR_DISPLAY_TEXT);
    EXPECT_EQ(State().ErrorShown, 1);
    EXPECT_EQ(First(), "");
    EXPECT_EQ(Second(), "");
    EXPECT_EQ(Operator(), "");
    EXPECT_TRUE(NotationButtonsEnabled());
    Press("MR");
    EXPECT_EQ(Console(), "8");
    EXPECT_EQ(State().ErrorShown, 0);
}

TEST_F(Evaluation, ErrorDisplayLeavesSaveAnswerAsItWas) {
    Press("1 / 0 =");
    EXPECT_FALSE(SaveEnabled());
    Press("AC 5 = / 0 =");
    EXPECT_TRUE(SaveEnabled());
    EXPECT_EQ(State().AnswerShown, 1);
}

TEST_F(Evaluation, AnOperatorOnTheErrorDisplayDoesNothing) {
    Press("1 / 0 = +");
    EXPECT_EQ(Console(), ERROR_DISPLAY_TEXT);
    EXPECT_EQ(Operator(), "");
    Press("=");
    EXPECT_EQ(Console(), ERROR_DISPLAY_TEXT);
}

TEST_F(Evaluation, LongAnswerIsShortenedOnTheConsoleButKeptWhole) {
    Press(NINES_24 + "* =");
    EXPECT_EQ(First(), SQUARE_OF_NINES_24);
    EXPECT_EQ(Console(), "999999999999999999999998 10^24");
    Press("+ 1 =");
    EXPECT_EQ(First(), "999999999999999999999998000000000000000000000002");
}

TEST_F(Evaluation, ProductBeyondThreeHundredIntegerDigitsIsAnError) {
    Press(NINES_24 + "* = * = * =");
    ASSERT_EQ(TextLength(State().FirstOperandText), 192);
    Press("* =");
    EXPECT_EQ(Console(), ERROR_DISPLAY_TEXT);
}

TEST_F(Evaluation, FailedConversionOfTheFirstOperandChangesNothing) {
    Press(NINES_24 + "* = * =");
    ASSERT_EQ(TextLength(State().FirstOperandText), 96);
    const std::string first = First();
    Press("+ N2 1 =");
    EXPECT_EQ(Console(), "1");
    EXPECT_EQ(First(), first);
    EXPECT_EQ(Second(), "1");
    EXPECT_EQ(Operator(), "+");
    EXPECT_EQ(State().ErrorShown, 0);
    EXPECT_EQ(State().SecondOperandActive, 1);
    EXPECT_FALSE(View().WaitCursorShown());
}

TEST_F(Evaluation, FractionsAndSignsComeOutInPlainForm) {
    Press("1 / 3 =");
    EXPECT_EQ(First(), "0." + std::string(900, '3'));
    EXPECT_EQ(Console(), "0." + std::string(45, '3'));
    Press("AC 1 2 . 5 - 0 . 5 =");
    EXPECT_EQ(Console(), "12");
    Press("AC 3 +/- - 5 =");
    EXPECT_EQ(Console(), "-8");
}

std::string SavedTextOf(const Calculator& calc) {
    SavedText text{};
    const int length = BuildSavedText(calc, text);
    return std::string(text.data(), static_cast<std::size_t>(length));
}

TEST_F(Evaluation, SavingRecordsTheFirstOperandAsTypedBeforeConversion) {
    Press("2 + N16 A =");
    EXPECT_EQ(SavedTextOf(Calc()), "2 (10) +\r\nA (16) =\r\nC (16)\r\n");
    Press("N2");
    EXPECT_EQ(SavedTextOf(Calc()), "2 (10) +\r\nA (16) =\r\n1100 (2)\r\n")
        << "the saved answer follows a conversion of the shown answer";
    Press("AC");
    EXPECT_EQ(SavedTextOf(Calc()), "2 (10) +\r\nA (16) =\r\n1100 (2)\r\n")
        << "AC does not clear the last calculation";
}

TEST_F(Evaluation, ANegativeAnswerIsSavedWithItsSign) {
    Press("3 - 5 . 5 =");
    EXPECT_EQ(SavedTextOf(Calc()), "3 (10) -\r\n5.5 (10) =\r\n-2.5 (10)\r\n");
    Press("= ");
    EXPECT_EQ(SavedTextOf(Calc()), "-2.5 (10) +\r\n0 (10) =\r\n-2.5 (10)\r\n");
}

TEST_F(Evaluation, WaitCursorIsRestoredOnEveryPath) {
    Press("1 / 0 =");
    EXPECT_FALSE(View().WaitCursorShown());
    Press("AC 4 * 2 =");
    EXPECT_FALSE(View().WaitCursorShown());
    EXPECT_GT(View().CursorChanges(), 0);
}

}  // namespace
}  // namespace quarnic
