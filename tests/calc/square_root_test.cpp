// The square-root key as the window drives it: key scenarios on a fresh calculator with a
// recording view, and the truncation setting's dialog rules.
#include "calc/square_root.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "engine/digit_codec.h"
#include "tests/calc/calc_scenario.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

// sqrt(10^-301) from its first digit (place 151) to place 300; the 300th place is a 0 and the
// plain text drops it.
const std::string ROOT_OF_TEN_AT_150_PLACES =
    "316227766016837933199889354443271853371955513932521682685750485279259443863923822134424810"
    "83793002951873472841528400551485488560304538800146905195967";
const std::string SQRT2_300 =
    "414213562373095048801688724209698078569671875376948073176679737990732478462107038850387534"
    "327641572735013846230912297024924836055850737212644121497099935831413222665927505592755799"
    "950501152782060571470109559971605970274534596862014728517418640889198609552329230484308714"
    "321450839762603627995251407989";

// r^2 <= x < (r + 1)^2 for the integers that the digit texts spell in the base.
bool SquareBrackets(const std::string& r, const std::string& x, int base) {
    const exact::Natural root = exact::Natural::FromDigits(r, base);
    const exact::Natural operand = exact::Natural::FromDigits(x, base);
    const exact::Natural next = root + exact::Natural(1);
    return root * root <= operand && operand < next * next;
}

class SquareRootTest : public CalcScenario {
  protected:
    // An operand no key sequence can type, put where the keys would have left it.
    void TypeFirstOperand(const std::string& text) {
        SetText(Calc().state.FirstOperandText, text);
        SetText(Calc().state.ConsoleText, text);
        Calc().state.EntryInProgress = true;
    }
    std::string Saved() {
        SavedText text;
        const int length = BuildSavedText(Calc(), text);
        return std::string(text.data(), length);
    }
    bool ErrorShown() const { return State().ErrorShown && Console() == ERROR_DISPLAY_TEXT; }
    const SqrtState& Sqrt() { return Calc().sqrt; }
};

TEST_F(SquareRootTest, RootOfTwoToTheChosenPlace) {
    Press("2 SQRT");
    EXPECT_EQ(First(), "1." + SQRT2_300.substr(0, 100));
    EXPECT_EQ(Console(), "1." + SQRT2_300.substr(0, 44));  // 45 digits fit
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 1);
    EXPECT_EQ(Calc().state.EntryInProgress, 0);

    Press("SQRT300");
    Press("AC 2 SQRT");
    EXPECT_EQ(First(), "1." + SQRT2_300);
}

TEST_F(SquareRootTest, ExactRootsAndNotations) {
    Press("4 SQRT");
    EXPECT_EQ(First(), "2");
    EXPECT_EQ(Console(), "2");
    Press("AC . 0 0 0 1 SQRT");
    EXPECT_EQ(First(), "0.01");
    EXPECT_EQ(Console(), "1 10^-2");
    // sqrt(1/2) in notation 2, where two is written "10".
    Press("AC N2 . 1 SQRT");
    EXPECT_EQ(First(),
              "0.10110101000001001111001100110011111110011101111001100100100001000101100101111"
              "10110001001101100110111");
    EXPECT_EQ(Sqrt().SqrtNotation, 2);
}

TEST_F(SquareRootTest, OperandsFarFromOneGetTheirTrueRoot) {
    TypeFirstOperand("1" + std::string(60, '0'));
    Press("SQRT");
    EXPECT_EQ(First(), "1" + std::string(30, '0'));
    EXPECT_EQ(Console(), "1 10^30");

    Press("AC N2");
    TypeFirstOperand("1" + std::string(200, '0'));
    Press("SQRT");
    EXPECT_EQ(First(), "1" + std::string(100, '0'));
}

TEST_F(SquareRootTest, TheWaitingDialogAndCursorAreUndoneOnEveryPath) {
    Press("SQRT");  // nothing to root: no error, no count
    EXPECT_EQ(View().PleaseWaitOpenings(), 1);
    EXPECT_EQ(Calc().state.ErrorShown, 0);
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 0);
    Press("4 +/- SQRT");  // an error
    EXPECT_TRUE(ErrorShown());
    Press("AC 9 SQRT");
    EXPECT_EQ(View().PleaseWaitOpenings(), 3);
    EXPECT_FALSE(View().PleaseWaitOpen());
    EXPECT_FALSE(View().WaitCursorShown());
}

TEST_F(SquareRootTest, RepeatedRootsCountAndKeepTheAnswerTheyStartedFrom) {
    Press("6 + 1 0 = SQRT SQRT");
    EXPECT_EQ(First(), "2");
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 2);
    EXPECT_EQ(Saved(), "6 (10) +\r\n10 (10) =\r\n16 (10)\r\n2 time(s) SQRT : 2 (10)\r\n");
    // A new run after "=" snapshots the new answer.
    Press("= SQRT");
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 1);
    EXPECT_EQ(Saved(), "2 (10) +\r\n0 (10) =\r\n2 (10)\r\n1 time(s) SQRT : 1." +
                           SQRT2_300.substr(0, 100) + " (10)\r\n");
    // The sign key leaves the count; an operator resets it.
    Press("+/-");
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 1);
    Press("+");
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 0);
    // A failed root ends the run.
    Press("AC 1 6 = SQRT +/- SQRT");
    EXPECT_TRUE(ErrorShown());
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 0);
}

TEST_F(SquareRootTest, RootOfTheSecondOperandKeepsThePendingOperator) {
    Press("N16 2 + 1 0 0 SQRT");
    EXPECT_EQ(Second(), "10");
    EXPECT_EQ(First(), "2");
    EXPECT_EQ(Calc().state.SecondOperandActive, 1);
    EXPECT_EQ(Sqrt().SqrtNotation, 16);
    Press("=");
    EXPECT_EQ(First(), "12");
}

TEST_F(SquareRootTest, OperandsThatCannotBeRooted) {
    Press("5 +/- SQRT");
    EXPECT_TRUE(ErrorShown());
    EXPECT_EQ(First(), "");

    Press("AC");
    TypeFirstOperand(std::string(301, '1'));
    Press("SQRT");
    EXPECT_TRUE(ErrorShown());

    // However small a number, it is rooted when its root has a digit within the places kept:
    // notation^-302 has the root notation^-151, notation^-602 none within 300 places.
    Press("SQRT300");
    Press("AC");
    TypeFirstOperand("0." + std::string(301, '0') + "1");
    Press("SQRT");
    EXPECT_EQ(First(), "0." + std::string(150, '0') + "1");
    Press("AC");
    TypeFirstOperand("0." + std::string(300, '0') + "1");
    Press("SQRT");
    EXPECT_EQ(First(), "0." + std::string(150, '0') + ROOT_OF_TEN_AT_150_PLACES);
    Press("AC");
    TypeFirstOperand("0." + std::string(601, '0') + "1");
    Press("SQRT");
    EXPECT_TRUE(ErrorShown());
}

TEST_F(SquareRootTest, TheRootOfZeroIsZero) {
    Press("0 SQRT");
    EXPECT_FALSE(ErrorShown());
    EXPECT_EQ(Console(), "0");
    EXPECT_EQ(First(), "0");
    EXPECT_EQ(Sqrt().SqrtRepeatCount, 1);
    Press("+ 2 =");
    EXPECT_EQ(Console(), "2");
}

TEST_F(SquareRootTest, RootThatTruncatesToZeroIsAnError) {
    TypeFirstOperand("0." + std::string(249, '0') + "1");
    Press("SQRT");
    EXPECT_TRUE(ErrorShown());

    Press("SQRT200");
    Press("AC");
    TypeFirstOperand("0." + std::string(249, '0') + "1");
    Press("SQRT");
    EXPECT_EQ(First(), "0." + std::string(124, '0') + "1");
    EXPECT_EQ(Console(), "1 10^-125");
}

TEST_F(SquareRootTest, ConsoleRoundUpAlsoChangesTheKeptRoot) {
    // sqrt(1 - 10^-100) = 0.999...9 (100 nines) 4999..., more nines than the console holds.
    TypeFirstOperand("0." + std::string(100, '9'));
    Press("SQRT");
    EXPECT_EQ(Console(), "1");
    EXPECT_EQ(First(), "1");
    EXPECT_EQ(Sqrt().KeptRoot[UNITS_PLACE], '1');
    EXPECT_EQ(Sqrt().KeptRoot[INTEGER_PLACES], '0');
}

// Through the key, the operand text is the exact truncated root of the typed text: checked on
// random operands with the engine's own parser out of the loop, by squaring back in base n.
TEST_F(SquareRootTest, RandomOperandsRoundTripThroughTheKey) {
    const unsigned seed = 4242;
    std::mt19937 random(seed);
    for (int round = 0; round < 40; ++round) {
        const int base = 2 + static_cast<int>(random() % 31);
        const int integerDigits = static_cast<int>(random() % 24);
        std::string text = integerDigits == 0 ? "0" : "";
        for (int i = 0; i < integerDigits; ++i) {
            text +=
                DigitChar(static_cast<int>(i == 0 ? 1 + random() % (base - 1) : random() % base));
        }
        text += ".";
        for (int i = 0; i < 20; ++i) {
            text += DigitChar(static_cast<int>(random() % base));
        }
        text += "1";
        Press("AC");
        Calc().state.FirstNotation = base;
        TypeFirstOperand(text);
        Press("SQRT");
        ASSERT_EQ(Calc().state.ErrorShown, 0) << "seed " << seed << ", round " << round;
        // r = root * n^100 and x = text * n^200: r^2 <= x < (r+1)^2, in integers of base n.
        const std::string root = First();
        const size_t point = root.find('.');
        std::string rootDigits = root.substr(0, point);
        std::string rootFraction = point == std::string::npos ? "" : root.substr(point + 1);
        rootFraction.resize(100, '0');
        std::string x = text.substr(0, text.find('.')) + text.substr(text.find('.') + 1);
        x.resize(x.size() + 200 - 21, '0');
        ASSERT_TRUE(SquareBrackets(rootDigits + rootFraction, x, base))
            << "seed " << seed << ", round " << round << ", notation " << base << ": " << text;
    }
}

TEST_F(SquareRootTest, SettingDialogSetsAtOnceAndRestoresOnCancelOrClose) {
    View().ScriptSqrtDialog({IDC_SQRT_TRUNCATION_300, IDC_SQRT_TRUNCATION_200},
                            RecordingCalculatorView::DIALOG_OK);
    SqrtSettingDialog(Calc());
    EXPECT_EQ(Sqrt().SqrtTruncation, 200);
    EXPECT_EQ(View().SqrtDialogCheck(), IDC_SQRT_TRUNCATION_200);

    View().ScriptSqrtDialog({IDC_SQRT_TRUNCATION_300}, RecordingCalculatorView::DIALOG_CANCEL);
    SqrtSettingDialog(Calc());
    EXPECT_EQ(Sqrt().SqrtTruncation, 200);

    View().ScriptSqrtDialog({IDC_SQRT_TRUNCATION_100}, RecordingCalculatorView::DIALOG_CLOSE);
    SqrtSettingDialog(Calc());
    EXPECT_EQ(Sqrt().SqrtTruncation, 200);

    // The dialog opens with the current truncation checked.
    View().ScriptSqrtDialog({}, RecordingCalculatorView::DIALOG_OK);
    SqrtSettingDialog(Calc());
    EXPECT_EQ(View().SqrtDialogCheck(), IDC_SQRT_TRUNCATION_200);

    View().SetSqrtDialogFails(true);
    SqrtSettingDialog(Calc());
    EXPECT_EQ(Sqrt().SqrtTruncation, 200);
}

TEST(SqrtSettingChoice, ClickedButtonSetsItsTruncation) {
    SqrtState sqrt;
    SqrtSettingChoice choice(sqrt);
    EXPECT_EQ(choice.OnTruncationClicked(IDC_SQRT_TRUNCATION_300), IDC_SQRT_TRUNCATION_300);
    EXPECT_EQ(sqrt.SqrtTruncation, 300);
    EXPECT_EQ(choice.OnTruncationClicked(IDC_SQRT_TRUNCATION_100), IDC_SQRT_TRUNCATION_100);
    EXPECT_EQ(sqrt.SqrtTruncation, 100);
    EXPECT_EQ(choice.OnTruncationClicked(IDC_SQRT_TRUNCATION_200), IDC_SQRT_TRUNCATION_200);
    choice.OnCancel();
    EXPECT_EQ(sqrt.SqrtTruncation, 100);
}

}  // namespace
}  // namespace quarnic
