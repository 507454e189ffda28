#include "calc/key_ids.h"
#include "calc/memory_keys.h"
#include "calc/notation_switching.h"
#include "calc_scenario.h"

namespace quarnic {
namespace {

using NotationSwitching = CalcScenario;
using MemoryKeys = CalcScenario;
using KeyAvailability = CalcScenario;

TEST_F(NotationSwitching, ShownAnswerIsConvertedAtEachSwitch) {
    Press("2 5 5 = N16");
    EXPECT_EQ(Console(), "FF");
    EXPECT_EQ(First(), "FF");
    EXPECT_EQ(State().FirstNotation, 16);
    EXPECT_EQ(State().AnswerNotation, 16);
    Press("N2");
    EXPECT_EQ(Console(), "11111111");
    Press("N10");
    EXPECT_EQ(Console(), "255");
    EXPECT_EQ(State().AnswerShown, 1);
    EXPECT_EQ(std::string(TextOf(State().LastAnswerText)), "255");
}

TEST_F(NotationSwitching, NegatedAnswerConvertsAsNegative) {
    Press("2 5 5 = +/- N16");
    EXPECT_EQ(Console(), "-FF");
    EXPECT_EQ(First(), "-FF");
}

TEST_F(NotationSwitching, ConversionGoesFromTheNotationOnShow) {
    Press("N4 . 1 = N2");
    EXPECT_EQ(First(), "0.01");
    EXPECT_EQ(Console(), "1 2^-2");
    Press("N8");
    EXPECT_EQ(Console(), "0.2");
}

TEST_F(NotationSwitching, StepButtonsRunThroughTheOtherNotationsAndWrap) {
    Press("NX");
    EXPECT_EQ(View().OtherBoxLabel(), "32");
    EXPECT_EQ(EnabledDigitKeys(), 32);
    EXPECT_EQ(EnabledStepButtons(), 2);
    Press("X+");
    EXPECT_EQ(State().OtherNotation, 3);
    EXPECT_EQ(View().OtherBoxLabel(), "3");
    EXPECT_EQ(EnabledDigitKeys(), 3);
    Press("X-");
    EXPECT_EQ(State().OtherNotation, 32);
    PressRepeatedly("X-", 15);
    EXPECT_EQ(State().OtherNotation, 17);
    Press("X-");
    EXPECT_EQ(State().OtherNotation, 15);
}

TEST_F(NotationSwitching, XRemembersItsValueWhileAnotherButtonIsChecked) {
    Press("NX X+ X+ N10");
    EXPECT_EQ(View().OtherBoxLabel(), "");
    EXPECT_EQ(EnabledStepButtons(), 0);
    Press("NX");
    EXPECT_EQ(State().OtherNotation, 5);
    EXPECT_EQ(View().OtherBoxLabel(), "5");
}

TEST_F(NotationSwitching, WithAnOperatorPendingTheNewNotationIsForTheSecondOperand) {
    Press("1 2 + N16");
    EXPECT_EQ(Console(), "12 +") << "nothing converted";
    Press("F");
    EXPECT_EQ(State().SecondNotation, 16);
    EXPECT_EQ(State().FirstNotation, 10);
    Press("=");
    EXPECT_EQ(Console(), "1B");
}

TEST_F(NotationSwitching, AnswerInOtherNotationIsShownWithXsSymbol) {
    Press("NX 1 / 2 =");
    EXPECT_EQ(Console(), "0.G");
    Press("N10");
    EXPECT_EQ(Console(), "0.5");
}

TEST_F(MemoryKeys, RecallRestoresValueNotationAndConsole) {
    Press("1 2 = Min N16");
    ASSERT_EQ(Console(), "C");
    Press("MR");
    EXPECT_EQ(Console(), "12");
    EXPECT_EQ(First(), "12");
    EXPECT_TRUE(Checked(IDC_NOTATION_10));
    EXPECT_EQ(EnabledDigitKeys(), 10);
    EXPECT_FALSE(NotationButtonsEnabled()) << "the recalled value's notation stays fixed";
    EXPECT_EQ(EnabledStepButtons(), 0);
    EXPECT_FALSE(SaveEnabled());
    EXPECT_EQ(State().AnswerShown, 0);
    Press("+");
    EXPECT_TRUE(NotationButtonsEnabled());
}

TEST_F(MemoryKeys, StoresTheOperandOfTheMomentWithTheConsoleText) {
    Press("5 + Min");
    EXPECT_EQ(Memory(), "5");
    EXPECT_EQ(std::string(TextOf(State().MemoryConsoleText)), "5 +");
    Press("3 = MR");
    EXPECT_EQ(Console(), "5 +");
    EXPECT_EQ(First(), "5");
}

TEST_F(MemoryKeys, KeepsTheOperandsOwnNotationNotTheSelectedOne) {
    Press("1 2 + N16 Min");
    EXPECT_EQ(Memory(), "12");
    EXPECT_EQ(State().MemoryNotation, 10);
    Press("MR =");
    EXPECT_EQ(Console(), "24") << "twelve, not 0x12";

    Press("AC 2 9 7 + N8 Min MR");
    EXPECT_EQ(Second(), "297");
    EXPECT_EQ(State().SecondNotation, 10) << "9 is no octal digit";
    EXPECT_TRUE(Checked(IDC_NOTATION_10));
}

TEST_F(MemoryKeys, RecallIntoXMovesItsValue) {
    Press("NX X+ X+ X+ X+");
    ASSERT_EQ(State().OtherNotation, 7);
    Press("3 Min = X+");
    ASSERT_EQ(State().OtherNotation, 9);
    Press("MR");
    EXPECT_TRUE(Checked(IDC_NOTATION_X));
    EXPECT_EQ(State().OtherNotation, 7);
    EXPECT_EQ(View().OtherBoxLabel(), "7");
    EXPECT_EQ(EnabledDigitKeys(), 7);
    EXPECT_EQ(State().FirstNotation, 7);
}

TEST_F(MemoryKeys, RecallWithAnOperatorPendingFillsTheSecondOperand) {
    Press("7 Min = 2 + MR");
    EXPECT_EQ(Second(), "7");
    EXPECT_EQ(First(), "2");
    Press("=");
    EXPECT_EQ(Console(), "9");
}

TEST_F(MemoryKeys, NothingToStoreOrRecallDoesNothing) {
    Press("Min");
    EXPECT_EQ(State().MemoryHeld, 0);
    EXPECT_FALSE(Enabled(IDC_MEMORY_RECALL));
    EXPECT_FALSE(View().MemoryMarkShown());
}

TEST_F(KeyAvailability, StartState) {
    const std::vector<int> expected = {
        IDC_DIGIT_0,    IDC_DIGIT_1,    IDC_DIGIT_2,     IDC_DIGIT_3,     IDC_DIGIT_4,
        IDC_DIGIT_5,    IDC_DIGIT_6,    IDC_DIGIT_7,     IDC_DIGIT_8,     IDC_DIGIT_9,
        IDC_POINT,      IDC_SIGN,       IDC_ALL_CLEAR,   IDC_CLEAR_ENTRY, IDC_ADD,
        IDC_SUBTRACT,   IDC_MULTIPLY,   IDC_DIVIDE,      IDC_EQUALS,      IDC_NOTATION_2,
        IDC_NOTATION_4, IDC_NOTATION_8, IDC_NOTATION_10, IDC_NOTATION_16, IDC_NOTATION_X,
        IDC_MEMORY_IN,  IDC_SQRT};
    std::vector<int> enabled;
    for (int id : View().EnabledIds(IDC_COMMAND_FIRST, IDC_COMMAND_LAST)) {
        if (IsCalculatorKeyId(id)) {
            enabled.push_back(id);
        }
    }
    EXPECT_EQ(enabled, expected);
    EXPECT_TRUE(Checked(IDC_NOTATION_10));
    EXPECT_FALSE(SaveEnabled());
    EXPECT_EQ(State().OtherNotation, 32);
    EXPECT_EQ(State().FirstNotation, 10);
}

TEST_F(KeyAvailability, DigitKeysFollowTheCheckedNotation) {
    Press("N2");
    EXPECT_EQ(EnabledDigitKeys(), 2);
    Press("5 1 0 2");
    EXPECT_EQ(Console(), "10") << "disabled digit keys cannot be pressed";
    Press("AC NX");
    PressRepeatedly("X+", 8);
    ASSERT_EQ(State().OtherNotation, 13);
    EXPECT_TRUE(Enabled(IDC_DIGIT_C));
    EXPECT_FALSE(Enabled(IDC_DIGIT_D));
    EXPECT_EQ(EnabledDigitKeys(), 13);
}

TEST_F(KeyAvailability, NotationButtonsAreLockedWhileAnOperandIsTyped) {
    Press("NX 5");
    EXPECT_FALSE(NotationButtonsEnabled());
    EXPECT_EQ(EnabledStepButtons(), 0);
    Press("N16 X+");
    EXPECT_EQ(State().OtherNotation, 32) << "disabled buttons cannot be pressed";
    Press("+");
    EXPECT_TRUE(NotationButtonsEnabled());
    EXPECT_EQ(EnabledStepButtons(), 2) << "X is checked";
    Press("CE");
    EXPECT_FALSE(NotationButtonsEnabled()) << "5 is back on the console";
}

}  // namespace
}  // namespace quarnic
