// Scenarios of typing a number: the first digit, the digit limit and its warning.
#include <string>

#include "tests/conv/converter_fixture.h"

namespace quarnic {
namespace {

TEST_F(ConverterTest, ALeadingZeroIsIgnored) {
    Type("0");
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(view.InputDraws(), 0);
    EXPECT_EQ(view.AnswerDraws(), 0);
    EXPECT_TRUE(FromPaneEnabled());
    EXPECT_EQ(converter.state.EntryStarted, 0);
    Type("10");
    EXPECT_EQ(Input(), "10");
    EXPECT_EQ(Answer(), "10");
}

TEST_F(ConverterTest, TheFirstDigitFixesTheFromNotationAndItsLimit) {
    Press({IDC_CONV_FROM_X, IDC_CONV_FROM_STEP_DOWN});
    Type("U");
    EXPECT_EQ(converter.state.FromNotation, 31);
    EXPECT_EQ(converter.state.MaxDigits, 12);
    EXPECT_EQ(converter.state.EntryStarted, 1);
    for (int id = IDC_CONV_FROM_2; id <= IDC_CONV_FROM_STEP_UP; ++id) {
        EXPECT_FALSE(view.IsControlEnabled(id)) << id;
    }
    EXPECT_EQ(Answer(), "30");
    EXPECT_TRUE(view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER));
}

TEST_F(ConverterTest, SixtyFourBinaryOnesReachTheTopOf64Bits) {
    Press({IDC_CONV_FROM_2, IDC_CONV_TO_16});
    Type(std::string(64, '1'));
    EXPECT_EQ(Answer(), "FFFFFFFFFFFFFFFF");
    Press({IDC_CONV_TO_10});
    EXPECT_EQ(Answer(), "18446744073709551615");
    EXPECT_EQ(view.Warnings(), 0);
}

TEST_F(ConverterTest, ADigitBeyondTheLimitIsRefusedWithAWarning) {
    Press({IDC_CONV_TO_16});
    Type(std::string(19, '9'));
    EXPECT_EQ(Answer(), "8AC7230489E7FFFF");
    const int drawsBefore = view.AnswerDraws();
    Type("9");
    EXPECT_EQ(view.Warnings(), 1);
    EXPECT_EQ(view.LastWarning(), "Maximum number of digits is 19 for 10 notation number.");
    EXPECT_EQ(std::string(converter.texts.WarningText.data()), view.LastWarning());
    EXPECT_EQ(Input(), std::string(19, '9'));
    EXPECT_EQ(Answer(), "8AC7230489E7FFFF");
    EXPECT_EQ(view.AnswerDraws(), drawsBefore + 1) << "the same answer is drawn again";
    EXPECT_EQ(view.ErrorBoxes(), 0);
}

TEST_F(ConverterTest, TwelveVsInNotation32AreTheLimit) {
    Press({IDC_CONV_FROM_X});
    Type(std::string(12, 'V'));
    EXPECT_EQ(Answer(), "1152921504606846975");
    Type("V");
    EXPECT_EQ(view.LastWarning(), "Maximum number of digits is 12 for 32 notation number.");
    EXPECT_EQ(Input().size(), 12u);
}

TEST_F(ConverterTest, TheJapaneseWarningPutsTheNotationFirst) {
    converter.JapaneseUi = true;
    Type(std::string(20, '1'));
    EXPECT_EQ(view.LastWarning(), "10進数の最大入力桁数は19です.");
    EXPECT_TRUE(view.LastWarningJapanese());
}

TEST_F(ConverterTest, AWarningDialogThatCannotBeShownFallsBackToAMessageBox) {
    view.FailDialogs();
    Type(std::string(20, '1'));
    EXPECT_EQ(view.ErrorBoxes(), 1);
    EXPECT_EQ(view.LastErrorBox(), "System Error: Unable to display dialog");
    EXPECT_EQ(Input().size(), 19u);

    converter.JapaneseUi = true;
    Type("1");
    EXPECT_EQ(view.LastErrorBox(), "システム・エラー: ダイアログを表示できません");
}

TEST_F(ConverterTest, TheSameNotationGivesTheDigitsBack) {
    Press({IDC_CONV_FROM_16, IDC_CONV_TO_16});
    Type("FEDCBA9876543210");
    EXPECT_EQ(Answer(), "FEDCBA9876543210");
}

TEST_F(ConverterTest, EveryDigitConvertsAtOnce) {
    Press({IDC_CONV_TO_X, IDC_CONV_TO_STEP_UP});
    Type("1");
    EXPECT_EQ(Answer(), "1");
    Type("0");
    EXPECT_EQ(Answer(), "101");
    Type("0");
    EXPECT_EQ(Answer(), "10201");
    EXPECT_EQ(view.InputConsole(), "100");
}

}  // namespace
}  // namespace quarnic
