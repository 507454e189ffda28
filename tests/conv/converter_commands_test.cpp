// Scenarios of the notation panes, the clear keys and copying the answer.
#include <vector>

#include "tests/conv/converter_fixture.h"

namespace quarnic {
namespace {

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) {
        ids.push_back(id);
    }
    return ids;
}

TEST_F(ConverterTest, StartsOnTenInBothPanesWithNothingToCopy) {
    EXPECT_TRUE(view.IsChecked(IDC_CONV_FROM_10));
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_10));
    EXPECT_EQ(ReadSelection(converter, ConverterPane::From), 10);
    EXPECT_EQ(ReadSelection(converter, ConverterPane::To), 10);
    std::vector<int> enabled = Range(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_9);
    for (int id : Range(IDC_CONV_ALL_CLEAR, IDC_CONV_FROM_X)) {
        enabled.push_back(id);
    }
    for (int id : Range(IDC_CONV_TO_2, IDC_CONV_TO_X)) {
        enabled.push_back(id);
    }
    EXPECT_EQ(view.EnabledIds(IDC_CONV_FIRST, IDC_CONV_LAST), enabled);
    EXPECT_FALSE(view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER));
    EXPECT_EQ(view.InputConsole(), "");
    EXPECT_EQ(view.AnswerConsole(), "");
}

TEST_F(ConverterTest, StepButtonsWalkTheOtherNotationCycleInBothPanes) {
    Press({IDC_CONV_FROM_X, IDC_CONV_FROM_STEP_UP});
    EXPECT_EQ(converter.state.FromOtherNotation, 3) << "32 wraps to 3";
    EXPECT_EQ(view.FromBox(), "3");
    EXPECT_EQ(view.EnabledIds(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_LAST),
              Range(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_2));
    Press({IDC_CONV_FROM_STEP_DOWN});
    EXPECT_EQ(converter.state.FromOtherNotation, 32);
    EXPECT_EQ(view.EnabledIds(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_LAST).size(), 32u);

    Press({IDC_CONV_TO_X, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_DOWN});
    EXPECT_EQ(converter.state.ToOtherNotation, 30);
    EXPECT_EQ(view.ToBox(), "30");
    EXPECT_EQ(view.EnabledIds(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_LAST).size(), 32u)
        << "the To pane never touches the digit keys";
    EXPECT_FALSE(view.WaitCursorShown());
}

TEST_F(ConverterTest, FixedFromButtonEmptiesTheXBoxAndKeepsXValue) {
    Press({IDC_CONV_FROM_X, IDC_CONV_FROM_STEP_UP, IDC_CONV_FROM_STEP_UP, IDC_CONV_FROM_8});
    EXPECT_EQ(view.FromBox(), "");
    EXPECT_EQ(converter.texts.FromOtherLabel[0], '\0');
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_FROM_STEP_UP));
    EXPECT_EQ(view.EnabledIds(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_LAST),
              Range(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_7));
    Press({IDC_CONV_FROM_X});
    EXPECT_EQ(view.FromBox(), "5");
    EXPECT_EQ(ReadSelection(converter, ConverterPane::From), 5);
}

TEST_F(ConverterTest, ToSelectionWithNothingTypedOnlyMovesTheCheck) {
    Press({IDC_CONV_TO_16, IDC_CONV_TO_X});
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_X));
    EXPECT_FALSE(view.IsChecked(IDC_CONV_TO_16));
    EXPECT_EQ(view.ToBox(), "32");
    EXPECT_EQ(converter.state.ToNotation, 10);
    EXPECT_EQ(view.AnswerDraws(), 0);
    Type("31");
    EXPECT_EQ(converter.state.ToNotation, 32) << "read from the pane at the next digit";
    EXPECT_EQ(Answer(), "V");
}

TEST_F(ConverterTest, ToSelectionConvertsTheTypedNumberAgain) {
    Type("255");
    Press({IDC_CONV_TO_16});
    EXPECT_EQ(Answer(), "FF");
    Press({IDC_CONV_TO_2});
    EXPECT_EQ(view.AnswerConsole(), "11111111");
    Press({IDC_CONV_TO_X, IDC_CONV_TO_STEP_UP});
    EXPECT_EQ(converter.state.ToNotation, 3);
    EXPECT_EQ(Answer(), "100110");
}

TEST_F(ConverterTest, ClearErrorDropsDigitsUntilTheLastActsAsAllClear) {
    Type("25");
    EXPECT_FALSE(FromPaneEnabled());
    Press({IDC_CONV_CLEAR_ERROR});
    EXPECT_EQ(Input(), "2");
    EXPECT_EQ(view.InputConsole(), "2");
    EXPECT_EQ(Answer(), "2");
    EXPECT_FALSE(FromPaneEnabled());
    Press({IDC_CONV_CLEAR_ERROR});
    EXPECT_EQ(Input(), "");
    EXPECT_EQ(view.AnswerConsole(), "");
    EXPECT_EQ(converter.state.EntryStarted, 0);
    EXPECT_TRUE(FromPaneEnabled());
    EXPECT_FALSE(view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER));
}

TEST_F(ConverterTest, AllClearRestoresStepButtonsOnlyForX) {
    Press({IDC_CONV_FROM_X});
    Type("7");
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_FROM_STEP_UP));
    Press({IDC_CONV_ALL_CLEAR});
    EXPECT_TRUE(view.IsControlEnabled(IDC_CONV_FROM_STEP_UP));
    EXPECT_TRUE(view.IsControlEnabled(IDC_CONV_FROM_STEP_DOWN));

    Press({IDC_CONV_FROM_16});
    Type("F");
    Press({IDC_CONV_ALL_CLEAR});
    EXPECT_TRUE(FromPaneEnabled());
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_FROM_STEP_UP));
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_FROM_STEP_DOWN));
    EXPECT_EQ(converter.state.MaxDigits, 16) << "All Clear keeps the last limit";
}

TEST_F(ConverterTest, CopyPutsBothNumbersWithTheirNotationsOnTheClipboard) {
    Press({IDC_CONV_FROM_X, IDC_CONV_TO_2});
    Type("V");
    Press({IDM_CONV_COPY_ANSWER});
    EXPECT_EQ(view.Clipboard(), "V (32) = 11111 (2)");

    Press({IDC_CONV_ALL_CLEAR, IDM_CONV_COPY_ANSWER});
    EXPECT_FALSE(view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER));
    EXPECT_EQ(view.Clipboard(), "V (32) = 11111 (2)") << "a greyed item copies nothing";
}

TEST_F(ConverterTest, TheLongestClipboardTextIsComplete) {
    Press({IDC_CONV_FROM_2, IDC_CONV_TO_2});
    Type(std::string(64, '1'));
    Press({IDM_CONV_COPY_ANSWER});
    const std::string ones(64, '1');
    EXPECT_EQ(view.Clipboard(), ones + " (2) = " + ones + " (2)");
    EXPECT_EQ(view.Clipboard().size(), 139u);
}

TEST_F(ConverterTest, AnErrorBlocksToPaneConversionsUntilAllClear) {
    Type("12");
    ShowError(converter);
    EXPECT_EQ(view.AnswerConsole(), "ERROR (Press <All Clear>)");
    EXPECT_FALSE(view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER));
    Press({IDC_CONV_TO_16});
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_16));
    EXPECT_EQ(Answer(), "ERROR (Press <All Clear>)");
    EXPECT_EQ(converter.state.ToNotation, 10);

    Press({IDC_CONV_CLEAR_ERROR});
    EXPECT_EQ(Answer(), "1") << "Clear Error converts even with the error on show";
    EXPECT_EQ(converter.state.ErrorShown, 1);
    Press({IDC_CONV_ALL_CLEAR});
    EXPECT_EQ(converter.state.ErrorShown, 0);
}

TEST_F(ConverterTest, IdsOutsideTheCommandRangeAndOtherSystemCommandsAreLeftAlone) {
    Type("9");
    Press({IDC_CONV_FIRST - 1, IDC_CONV_LAST + 1});
    EXPECT_FALSE(DispatchConverterSystemCommand(converter, IDM_CONV_ABOUT));
    EXPECT_FALSE(DispatchConverterSystemCommand(converter, IDM_CONV_CONSOLE_COLOR));
    EXPECT_FALSE(view.HasClipboard());
    EXPECT_EQ(Input(), "9");
}

TEST_F(ConverterTest, ARepaintShowsXValuesOnlyOnceReady) {
    Press({IDC_CONV_FROM_X, IDC_CONV_FROM_STEP_UP, IDC_CONV_TO_16});
    Type("2");
    RepaintConverterContents(converter);
    EXPECT_EQ(view.FromBox(), "") << "a paint before the posted WM_USER leaves the boxes empty";
    EXPECT_EQ(view.InputConsole(), "2");
    EXPECT_EQ(view.AnswerConsole(), "2");

    converter.ReadyFlag = 1;
    RepaintConverterContents(converter);
    EXPECT_EQ(view.FromBox(), "3");
    EXPECT_EQ(view.ToBox(), "") << "a fixed To button has no box value";
}

}  // namespace
}  // namespace quarnic
