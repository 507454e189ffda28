// No key sequence leaves a state that only "AC" leaves, nothing that is not zero shows as 0, an
// operand keeps every digit it receives and an exact value is never rounded away.
#include <string>

#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "calc_scenario.h"

namespace quarnic {
namespace {

class SoundStates : public CalcScenario {
  protected:
    std::string Copied() {
        View().SetClipboardText("");
        Press("COPY");
        return View().Clipboard();
    }
    bool CopyAvailable() { return View().IsMenuItemEnabled(IDM_COPY); }
    std::string Saved() {
        SavedText text{};
        return std::string(text.data(), static_cast<std::size_t>(BuildSavedText(Calc(), text)));
    }
    // The answer line of the saved text, without its notation.
    std::string SavedAnswer() {
        const std::string text = Saved();
        const std::size_t start = text.find("\r\n", text.find("\r\n") + 2) + 2;
        const std::string line = text.substr(start, text.find("\r\n", start) - start);
        return line.substr(0, line.rfind(" ("));
    }
};

const std::string FULL_NUMBER =
    "7" + std::string(298, '3') + "1." + std::string(450, '5') + std::string(449, '2') + "9";

TEST_F(SoundStates, ClearEntryThatTakesTheOperatorBackShowsTheFirstOperandAgain) {
    Press("5 + CE 3 + 1 =");
    EXPECT_EQ(Console(), "4") << "3 started a new first operand";

    Press("AC 5 + CE =");
    EXPECT_EQ(Console(), "5");
    EXPECT_TRUE(State().AnswerShown);
    Press("AC 5 + CE +/-");
    EXPECT_EQ(First(), "-5");
    Press("AC 5 + CE Min MR");
    EXPECT_EQ(Memory(), "5");
    Press("AC 9 + CE SQRT");
    EXPECT_EQ(Console(), "3");
}

TEST_F(SoundStates, ClearEntryTakingTheOperatorBackReturnsToTheFirstOperandsNotation) {
    Press("5 + N2 CE");
    EXPECT_TRUE(Checked(IDC_NOTATION_10)) << "5 was typed in 10, whatever was chosen after \"+\"";
    Press("AC N16 F F + N2 CE");
    EXPECT_TRUE(Checked(IDC_NOTATION_16));
    EXPECT_EQ(EnabledDigitKeys(), 16);
    EXPECT_FALSE(NotationButtonsEnabled()) << "as while the first operand is on show";
    Press("=");
    EXPECT_EQ(Console(), "FF");
}

TEST_F(SoundStates, AnOperatorOnTheErrorDisplayLeavesAWayOutByDigits) {
    Press("1 / 0 = + 2 =");
    EXPECT_EQ(Console(), "2");
    Press("AC 1 / 0 = + 9 SQRT");
    EXPECT_EQ(Console(), "3");
    EXPECT_TRUE(CopyAvailable()) << "the error flag went with the error display";
    EXPECT_EQ(Copied(), "3");
    Press("AC 1 / 0 = * CE 4 =");
    EXPECT_EQ(Console(), "4");
}

TEST_F(SoundStates, AFailedNotationSwitchThenAnOperatorIsNoTrap) {
    // 300 places of notation 32 need 1500 in notation 2: the switch fails.
    Press("PASTE=" + std::string(300, 'V') + "%20(32) = N2");
    ASSERT_EQ(Console(), ERROR_DISPLAY_TEXT);
    Press("+ 1 =");
    EXPECT_EQ(Console(), "1") << "notation 2 stays checked after the failed switch";
}

TEST_F(SoundStates, ANumberThatIsNotZeroNeverShowsAsZero) {
    const std::string tiny = "0." + std::string(300, '0') + "1";
    Press("PASTE=" + tiny);
    EXPECT_EQ(Console(), "1 10^-301");
    EXPECT_EQ(Copied(), tiny);
    Press("=");
    EXPECT_EQ(SavedAnswer(), tiny);

    const std::string small = "0." + std::string(199, '0') + "1";
    Press("AC PASTE=" + small + " * PASTE=" + small + " =");
    EXPECT_EQ(Console(), "1 10^-400");
    EXPECT_EQ(Copied(), "0." + std::string(399, '0') + "1");

    Press("AC PASTE=-0." + std::string(899, '0') + "1%20(2) =");
    EXPECT_EQ(Console(), "-1 2^-900");
}

TEST_F(SoundStates, ExactValuesAreNeverRoundedAway) {
    const std::string nine = "0." + std::string(899, '0') + "9";
    Press("PASTE=" + nine + " + 0 =");
    EXPECT_EQ(Console(), "9 10^-900");
    EXPECT_EQ(First(), nine);
    EXPECT_EQ(Copied(), nine);
    EXPECT_NE(History().Text(0).find(nine + " (10)"), std::string::npos);

    const std::string twentyNines = "0." + std::string(880, '0') + std::string(20, '9');
    Press("AC PASTE=" + twentyNines + " =");
    EXPECT_EQ(First(), twentyNines);

    Press("AC 1 / 3 = * 3 =");
    EXPECT_EQ(Console(), "1") << "900 nines fill the console: the one round-up";
    Press("AC PASTE=" + std::string(60, '9') + " =");
    EXPECT_EQ(First(), std::string(60, '9'));
}

TEST_F(SoundStates, TheRootOfMinusZeroIsZero) {
    Press("0 +/- SQRT");
    EXPECT_EQ(Console(), "0");
    Press("AC 5 - 5 = +/- SQRT");
    EXPECT_EQ(Console(), "0");
    Press("AC 4 +/- SQRT");
    EXPECT_EQ(Console(), ERROR_DISPLAY_TEXT) << "a negative number still has no root";
}

TEST_F(SoundStates, AnOperandKeepsEveryDigitItReceives) {
    Press("PASTE=" + FULL_NUMBER);
    EXPECT_EQ(First(), FULL_NUMBER);
    Press("+ 0 =");
    EXPECT_EQ(Copied(), FULL_NUMBER);
    Press("+/-");
    EXPECT_EQ(First(), "-" + FULL_NUMBER);
    Press("Min 5 MR");
    EXPECT_EQ(First(), "-" + FULL_NUMBER);
    Press("- 1 =");
    EXPECT_EQ(Copied(), "-7" + std::string(298, '3') + "2." + std::string(450, '5') +
                            std::string(449, '2') + "9");
    Press("AC 1 + 1 = AC RECALL=3");
    EXPECT_EQ(First(), FULL_NUMBER) << "the entry of \"+ 0 =\", every digit recalled";
}

TEST_F(SoundStates, SaveAnswerWritesEveryPlace) {
    Press("1 / 3 =");
    EXPECT_EQ(Saved(), "1 (10) /\r\n3 (10) =\r\n0." + std::string(900, '3') + " (10)\r\n");
    EXPECT_EQ(Saved(), History().Text(0)) << "the lines the history keeps";
}

}  // namespace
}  // namespace quarnic
