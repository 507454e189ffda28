// The checkers must pass what the programs do and catch each kind of broken state: a checker
// that cannot fail would let the random run and the fuzzers pass anything.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "calc/calc_ids.h"
#include "conv/conv_ids.h"
#include "conv/integer_conversion.h"
#include "engine/conversion.h"
#include "engine/fixed_text.h"
#include "tests/invariants/calculator_actions.h"
#include "tests/invariants/calculator_invariants.h"
#include "tests/invariants/converter_actions.h"
#include "tests/invariants/converter_invariants.h"
#include "tests/invariants/exact_answers.h"
#include "tests/invariants/stuck_state.h"

namespace quarnic {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

class CalculatorChecker : public ::testing::Test {
  protected:
    void Press(const char* script) { ASSERT_FALSE(ApplyKeyScript(s_, script).has_value()); }
    std::string Violation() const { return FindCalculatorViolation(s_.calc, s_.view); }

    ScriptedCalculator s_;
};

TEST_F(CalculatorChecker, PassesOrdinaryUse) {
    EXPECT_THAT(Violation(), IsEmpty());
    Press("2 5 5 = N16 + 1 . 8 = Min AC NX X+ X+ 2 SQRT");
    EXPECT_THAT(Violation(), IsEmpty());
    Press("+ N2 1 0 = MR +/- 1 / 0 =");
    EXPECT_THAT(Violation(), IsEmpty());
}

// The stuck probe passes every state a user can leave without "AC" and catches the two states
// the keys once left: an operator taken back by "CE" but still awaited, and an operator on the
// error display that left no first operand.
TEST_F(CalculatorChecker, TheStuckProbeTellsAStateOnlyAllClearLeaves) {
    for (const char* script : {"", "5 +", "5 + CE", "5 + 3", "1 / 0 =", "1 / 0 = +",
                               "7 =", "9 SQRT", "5 + N2 1", "MR", "PASTE=0.000001 +"}) {
        ScriptedCalculator fresh;
        ASSERT_FALSE(ApplyKeyScript(fresh, script).has_value());
        EXPECT_THAT(FindStuckState(fresh), IsEmpty()) << script;
    }
    CalculatorState& state = s_.calc.state;
    Press("5 + CE");
    state.SecondOperandActive = true;  // the operator taken back, the second operand awaited
    EXPECT_THAT(FindStuckState(s_), HasSubstr("only \"AC\" leaves"));
    Press("AC 1 / 0 =");
    state.SecondOperandActive = true;  // as "+" on the error display once left it
    SetText(state.ConsoleText, "2");
    EXPECT_THAT(FindStuckState(s_), HasSubstr("only \"AC\" leaves"));
}

TEST_F(CalculatorChecker, CatchesOperandTextsOutsideThePlainForm) {
    CalculatorState& state = s_.calc.state;
    Press("1 9");
    state.FirstNotation = 8;
    EXPECT_THAT(Violation(), HasSubstr("'9', no digit of notation 8"));
    state.FirstNotation = 10;
    SetText(state.FirstOperandText, "1.2.3");
    EXPECT_THAT(Violation(), HasSubstr("more than one point"));
    SetText(state.FirstOperandText, "-");
    EXPECT_THAT(Violation(), HasSubstr("no digit"));
    state.FirstOperandText.fill('1');
    EXPECT_THAT(Violation(), HasSubstr("no terminating NUL"));
    ClearText(state.FirstOperandText);
    state.FirstOperandText[5] = '7';
    EXPECT_THAT(Violation(), HasSubstr("stale bytes"));
}

TEST_F(CalculatorChecker, CatchesAnOperatorWithoutSecondOperand) {
    Press("5 +");
    s_.calc.state.SecondOperandActive = false;
    EXPECT_THAT(Violation(), HasSubstr("operator is pending"));
}

TEST_F(CalculatorChecker, CatchesKeysOutOfStepWithTheNotation) {
    s_.view.SetCheck(IDC_NOTATION_16, true);
    EXPECT_THAT(Violation(), HasSubstr("2 notation buttons are checked"));
    s_.view.SetCheck(IDC_NOTATION_16, false);
    s_.view.EnableControl(IDC_DIGIT_A, true);
    EXPECT_THAT(Violation(), HasSubstr("digit key A is enabled in notation 10"));
    s_.view.EnableControl(IDC_DIGIT_A, false);
    s_.view.EnableControl(IDC_STEP_UP, true);
    EXPECT_THAT(Violation(), HasSubstr("step buttons"));
    s_.view.EnableControl(IDC_STEP_UP, false);
    s_.view.EnableControl(IDC_MEMORY_RECALL, true);
    EXPECT_THAT(Violation(), HasSubstr("\"MR\" is enabled"));
}

TEST_F(CalculatorChecker, CatchesAnXBoxThatShowsAnotherValue) {
    Press("NX X+ X+");
    EXPECT_THAT(Violation(), IsEmpty());
    SetText(s_.calc.state.OtherNotationLabel, "6");
    EXPECT_THAT(Violation(), HasSubstr("expected \"5\""));
}

TEST_F(CalculatorChecker, CatchesATypedOperandWhoseNotationCanStillChange) {
    Press("7");
    s_.view.EnableControl(IDC_NOTATION_FIRST, true);
    EXPECT_THAT(Violation(), HasSubstr("partly enabled"));
    Press("AC 7");
    s_.calc.state.PointEntered = true;
    EXPECT_THAT(Violation(), HasSubstr("PointEntered"));
}

TEST_F(CalculatorChecker, CatchesAMemoryOutsideItsNotation) {
    Press("N16 F Min");
    EXPECT_THAT(Violation(), IsEmpty());
    s_.calc.state.MemoryNotation = 8;
    EXPECT_THAT(Violation(), HasSubstr("'F', no digit of notation 8"));
    s_.calc.state.MemoryHeld = false;
    EXPECT_THAT(Violation(), HasSubstr("'F', no digit of notation 8"))
        << "a memory no longer held still keeps its notation";
    ClearText(s_.calc.state.MemoryText);
    s_.calc.state.MemoryHeld = true;
    EXPECT_THAT(Violation(), HasSubstr("empty MemoryText"));
}

TEST_F(CalculatorChecker, CatchesAConsoleThatWasNotRepainted) {
    Press("4 2");
    SetText(s_.calc.state.ConsoleText, "43");
    EXPECT_THAT(Violation(), HasSubstr("the console shows \"42\""));
}

// The exact-answer check: each key through it, then a place of what the key showed altered as
// an inexact engine would have left it.
class ExactAnswerChecker : public CalculatorChecker {
  protected:
    std::string PressChecked(const char* token, void (*spoil)(Calculator&) = nullptr) {
        const CalculatorAction action = CalculatorKey(*KeyIdOfToken(token));
        exact_.Expect(s_.calc, action);
        const bool pressed = PerformCalculatorAction(s_, action);
        if (spoil != nullptr) {
            spoil(s_.calc);
        }
        return exact_.Check(s_.calc, s_.view, pressed);
    }
    ExactAnswers exact_;
};

void LastPlaceOfTheAnswerOneLow(Calculator& calc) {
    calc.engine.ResultDigits[DIGIT_PLACES - 1] = '2';
}

// A binary or decimal digit changed into another.
void Flip(char& digit) {
    digit = digit == '0' ? '1' : '0';
}

TEST_F(ExactAnswerChecker, PassesExactAnswersSwitchesAndRoots) {
    Press("1 / 3");
    EXPECT_THAT(PressChecked("="), IsEmpty());
    EXPECT_THAT(PressChecked("N2"), IsEmpty());
    EXPECT_THAT(PressChecked("N10"), IsEmpty());
    EXPECT_THAT(PressChecked("SQRT"), IsEmpty());
    Press("AC 5 +/-");
    EXPECT_THAT(PressChecked("SQRT"), IsEmpty()) << "the error display was expected";
    EXPECT_EQ(exact_.equalsChecked, 1);
    EXPECT_EQ(exact_.switchesChecked, 2);
    EXPECT_EQ(exact_.rootsChecked, 2);
}

TEST_F(ExactAnswerChecker, CatchesAWrongLastPlaceAndAMissingErrorDisplay) {
    Press("1 / 3");
    EXPECT_THAT(PressChecked("=", LastPlaceOfTheAnswerOneLow), HasSubstr("from place 1199"));
    Press("AC 1 / 3");
    EXPECT_THAT(PressChecked("="), IsEmpty());
    EXPECT_THAT(PressChecked("N2", [](Calculator& calc) { Flip(calc.engine.ResultDigits[700]); }),
                HasSubstr("the answer differs from the exact value from place 700"));
    Press("AC N10 2");
    EXPECT_THAT(PressChecked("SQRT", [](Calculator& calc) { Flip(calc.sqrt.KeptRoot[399]); }),
                HasSubstr("the kept root differs"));
    Press("AC 1 / 0");
    EXPECT_THAT(PressChecked("=", [](Calculator& calc) { ClearText(calc.state.ConsoleText); }),
                HasSubstr("no error display"));
}

TEST_F(ExactAnswerChecker, CatchesASwitchThatConvertsAnEarlierSwitch) {
    Press("1 / 3");
    EXPECT_THAT(PressChecked("="), IsEmpty());
    EXPECT_THAT(PressChecked("N2"), IsEmpty());
    // What converting the binary digits back would show: not 900 threes.
    EXPECT_THAT(PressChecked("N10",
                             [](Calculator& calc) {
                                 ConvertDigits(calc.engine, calc.last.AnswerDigits, 2, 10);
                             }),
                HasSubstr("differs from the exact value"));
}

TEST_F(CalculatorChecker, CatchesASavedTextWithANumberOutsideItsNotation) {
    Press("5 + 3 = SQRT");
    EXPECT_THAT(Violation(), IsEmpty());
    s_.calc.last.FirstNotation = 4;
    EXPECT_THAT(Violation(), HasSubstr("'5', no digit of notation 4"));
    s_.calc.last.FirstNotation = 10;
    s_.calc.sqrt.SqrtNotation = 2;
    EXPECT_THAT(Violation(), HasSubstr("no digit of notation 2"));
}

TEST(CalculatorActions, NamesAreKeyScriptTokensThatPressTheSameKey) {
    for (const CalculatorAction& action : AllCalculatorActions()) {
        if (action.kind == CalculatorAction::Kind::Key) {
            EXPECT_EQ(KeyIdOfToken(CalculatorActionName(action)), action.id);
        } else if (action.ending == RecordingCalculatorView::DIALOG_OK) {
            EXPECT_TRUE(IsKnownKeyToken(CalculatorActionName(action)));
        }
    }
}

TEST(CalculatorActions, ADisabledKeyIsNotPressed) {
    ScriptedCalculator scripted;
    EXPECT_FALSE(PerformCalculatorAction(scripted, CalculatorKey(IDC_DIGIT_A)));
    EXPECT_TRUE(IsEmptyText(scripted.calc.state.ConsoleText));
    EXPECT_TRUE(PerformCalculatorAction(scripted, CalculatorKey(IDC_DIGIT_9)));
    EXPECT_EQ(TextOf(scripted.calc.state.ConsoleText), "9");
}

TEST(CalculatorActions, TheSettingDialogsEndingDecidesTheTruncation) {
    ScriptedCalculator scripted;
    using Kind = CalculatorAction::Kind;
    PerformCalculatorAction(scripted, {Kind::SqrtSetting, IDC_SQRT_TRUNCATION_300,
                                       RecordingCalculatorView::DIALOG_CANCEL});
    EXPECT_EQ(scripted.calc.sqrt.SqrtTruncation, 100);
    PerformCalculatorAction(
        scripted, {Kind::SqrtSetting, IDC_SQRT_TRUNCATION_200, RecordingCalculatorView::DIALOG_OK});
    EXPECT_EQ(scripted.calc.sqrt.SqrtTruncation, 200);
}

class ConverterChecker : public ::testing::Test {
  protected:
    void Press(std::initializer_list<int> ids) {
        for (int id : ids) {
            PerformConverterAction(s_, id);
        }
    }
    std::string Violation() const { return FindConverterViolation(s_.converter, s_.view); }

    ScriptedConverter s_;
};

TEST_F(ConverterChecker, PassesOrdinaryUseAndTheCopiedText) {
    EXPECT_THAT(Violation(), IsEmpty());
    Press({IDC_CONV_DIGIT_2, IDC_CONV_DIGIT_5, IDC_CONV_DIGIT_5, IDC_CONV_TO_16});
    EXPECT_THAT(Violation(), IsEmpty());
    Press({IDM_CONV_COPY_ANSWER});
    EXPECT_THAT(FindClipboardViolation(s_.converter, s_.view), IsEmpty());
    Press({IDC_CONV_ALL_CLEAR, IDC_CONV_FROM_X, IDC_CONV_FROM_STEP_UP, IDC_CONV_DIGIT_2,
           IDC_CONV_CLEAR_ERROR});
    EXPECT_THAT(Violation(), IsEmpty());
}

TEST_F(ConverterChecker, CatchesAWrongAnswer) {
    Press({IDC_CONV_DIGIT_2, IDC_CONV_DIGIT_5, IDC_CONV_DIGIT_5, IDC_CONV_TO_16});
    s_.converter.texts.AnswerText[1] = 'E';
    EXPECT_THAT(Violation(), HasSubstr("exactly FF"));
}

TEST_F(ConverterChecker, CatchesAnAllNotationsLineOutOfStep) {
    Press({IDC_CONV_DIGIT_2, IDC_CONV_DIGIT_5, IDC_CONV_DIGIT_5, IDM_CONV_ALL_NOTATIONS});
    EXPECT_EQ(Violation(), "");
    s_.view.SetAllNotationsLine(14, "16  FE");
    EXPECT_THAT(Violation(), HasSubstr("line of 16 reads \"16  FE\", expected FF"));
    Press({IDC_CONV_TO_16});
    EXPECT_EQ(Violation(), "") << "the To key sent the line of 16 again";
    s_.converter.allNotations.open = false;
    EXPECT_THAT(Violation(), HasSubstr("shown but closed for the logic"));
}

TEST_F(ConverterChecker, CatchesTypedDigitsBeyondTheRules) {
    Press({IDC_CONV_DIGIT_7});
    s_.converter.texts.InputDigits[0] = '0';
    EXPECT_THAT(Violation(), HasSubstr("starts with 0"));
    // Twenty ones are below 2^64 (as a paste may bring them); twenty-one are not.
    s_.converter.texts.InputDigits.fill('1');
    s_.converter.texts.InputDigits[20] = '\0';
    EXPECT_THAT(Violation(), ::testing::Not(HasSubstr("2^64")));
    s_.converter.texts.InputDigits[20] = '1';
    s_.converter.texts.InputDigits[21] = '\0';
    EXPECT_THAT(Violation(), HasSubstr("is 2^64 or more"));
    s_.converter.texts.InputDigits[1] = '\0';
    s_.converter.state.FromNotation = 2;
    s_.converter.texts.InputDigits[0] = '7';
    EXPECT_THAT(Violation(), HasSubstr("differs from FromNotation"));
}

TEST_F(ConverterChecker, CatchesAFromPaneUsableWhileANumberIsTyped) {
    Press({IDC_CONV_DIGIT_3});
    for (int id = IDC_CONV_FROM_2; id <= IDC_CONV_FROM_X; ++id) {
        s_.view.EnableControl(id, true);
    }
    EXPECT_THAT(Violation(), HasSubstr("From pane is enabled while EntryStarted is 1"));
}

TEST_F(ConverterChecker, CatchesAClipboardTextThatIsNotTheShownConversion) {
    Press({IDC_CONV_DIGIT_9, IDM_CONV_COPY_ANSWER, IDC_CONV_DIGIT_1});
    EXPECT_THAT(FindClipboardViolation(s_.converter, s_.view), HasSubstr("\"9 (10) = 9 (10)\""));
}

// The digit limits are the table's: the largest k with n^k not above 2^64, for the checker's
// exact count and the converter's own rule alike.
TEST(DigitLimits, ExactCountsMatchTheTableAndTheConverter) {
    const int table[] = {64, 40, 32, 27, 24, 22, 21, 20, 19, 18, 17, 17, 16, 16, 16, 15,
                         15, 15, 14, 14, 14, 14, 13, 13, 13, 13, 13, 13, 13, 12, 12};
    for (int n = 2; n <= 32; ++n) {
        EXPECT_EQ(ExactDigitLimit(n), table[n - 2]) << "notation " << n;
        EXPECT_EQ(MaxDigits(n), table[n - 2]) << "notation " << n;
    }
}

TEST(ExactConversion, RoundTripsAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(ExactDigits(*ExactValue("255", 10), 16), "FF");
    EXPECT_EQ(ExactDigits(*ExactValue(std::string(64, '1'), 2), 10), "18446744073709551615");
    EXPECT_EQ(ExactDigits(0, 7), "0");
    EXPECT_FALSE(ExactValue("1" + std::string(64, '0'), 2).has_value());
    EXPECT_FALSE(ExactValue("8", 8).has_value());
    EXPECT_FALSE(ExactValue("a", 16).has_value());
}

}  // namespace
}  // namespace quarnic
