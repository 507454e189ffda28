// Scenarios of the notation panes, the clear keys and copying the answer.
#include "conv/converter_commands.h"

#include <vector>

#include "conv/converter_repaint.h"
#include "conv/digit_entry.h"
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
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_FROM_STEP_UP));
    EXPECT_EQ(view.EnabledIds(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_LAST),
              Range(IDC_CONV_DIGIT_0, IDC_CONV_DIGIT_7));
    Press({IDC_CONV_FROM_X});
    EXPECT_EQ(view.FromBox(), "5");
    EXPECT_EQ(converter.state.FromSelection, 5);
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
    ShowControls(converter);
    EXPECT_EQ(view.AnswerConsole(), "ERROR (Press <All Clear>)");
    EXPECT_FALSE(view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER));
    Press({IDC_CONV_TO_16});
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_16));
    EXPECT_EQ(Answer(), "ERROR (Press <All Clear>)");
    EXPECT_EQ(converter.state.ToNotation, 10);

    Press({IDC_CONV_ALL_CLEAR});
    EXPECT_EQ(converter.state.ErrorShown, 0);
}

// Clear Error converts even with the error on show; the answer it shows ends the error, so Copy
// and the To pane work again rather than staying blocked by a stale flag.
TEST_F(ConverterTest, AnAnswerShownAfterTheErrorEndsIt) {
    Type("12");
    ShowError(converter);
    ShowControls(converter);
    Press({IDC_CONV_CLEAR_ERROR});
    EXPECT_EQ(Answer(), "1");
    EXPECT_EQ(converter.state.ErrorShown, 0);
    EXPECT_TRUE(view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER));
    Press({IDC_CONV_TO_2, IDC_CONV_DIGIT_1});
    EXPECT_EQ(Answer(), "1011");
}

// The standard system-menu items (SC_CLOSE and the like) go on to the window's default.
TEST_F(ConverterTest, IdsThatAreNotTheConvertersAreLeftAlone) {
    Type("9");
    for (int id : {IDC_CONV_FIRST - 1, IDI_CONV_ABOUT, IDC_CONV_WARN_TEXT, 0xF060}) {
        EXPECT_FALSE(DispatchConverterCommand(converter, id)) << id;
    }
    EXPECT_FALSE(view.HasClipboard());
    EXPECT_EQ(Input(), "9");
    EXPECT_EQ(view.AboutBoxes() + view.ColorDialogs(), 0);
}

TEST_F(ConverterTest, AboutAndTheColourDialogAreTheConvertersCommandsShownByTheWindow) {
    Type("9");
    EXPECT_TRUE(DispatchConverterCommand(converter, IDM_CONV_ABOUT));
    EXPECT_TRUE(DispatchConverterCommand(converter, IDM_CONV_CONSOLE_COLOR));
    EXPECT_EQ(view.AboutBoxes(), 1);
    EXPECT_EQ(view.ColorDialogs(), 1);
    EXPECT_EQ(Input(), "9");
}

// The shell keeps the setting; the dispatcher only hands the item on, whatever is typed or shown.
TEST_F(ConverterTest, AlwaysOnTopIsTurnedOverThroughTheViewAtAnyTime) {
    Type("255");
    const std::string input = Input();
    EXPECT_TRUE(DispatchConverterCommand(converter, IDM_CONV_ALWAYS_ON_TOP));
    EXPECT_TRUE(view.AlwaysOnTop());
    EXPECT_TRUE(DispatchConverterCommand(converter, IDM_CONV_ALWAYS_ON_TOP));
    EXPECT_FALSE(view.AlwaysOnTop());
    EXPECT_EQ(Input(), input);
    EXPECT_EQ(view.AboutBoxes() + view.ColorDialogs(), 0);
}

// A repaint draws from the state alone, which exists before any control does.
TEST_F(ConverterTest, ARepaintDrawsTheStateEvenBeforeTheControlsExist) {
    Converter fresh;
    RecordingConverterView freshView;
    fresh.view = &freshView;
    fresh.state.FromSelection = 7;
    RepaintConverterContents(fresh);
    EXPECT_EQ(freshView.FromBox(), "7");
    EXPECT_EQ(freshView.ToBox(), "");

    Press({IDC_CONV_FROM_X, IDC_CONV_FROM_STEP_UP, IDC_CONV_TO_16});
    Type("2");
    view.ClearOtherBox(ConverterPane::From);
    RepaintConverterContents(converter);
    EXPECT_EQ(view.InputConsole(), "2");
    EXPECT_EQ(view.AnswerConsole(), "2");
    EXPECT_EQ(view.FromBox(), "3");
    EXPECT_EQ(view.ToBox(), "") << "a fixed To button has no box value";
}

}  // namespace
}  // namespace quarnic
