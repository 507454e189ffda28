#include <gtest/gtest.h>

#include "conv/conv_ids.h"
#include "shell/notation.h"
#include "tests/kit/recording_control_view.h"

namespace quarnic {
namespace {

// The converter's To row: six buttons, then "-" and "+".
constexpr NotationPane kPane{IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP};

TEST(NotationPane, CheckingMovesTheSingleCheckAndStepButtonsFollowX) {
    RecordingControlView view;
    CheckPaneButton(view, kPane, 16);
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_16));
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_TO_STEP_DOWN));
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_TO_STEP_UP));
    EXPECT_EQ(ReadPaneNotation(view, kPane, 7), 16);

    CheckPaneButton(view, kPane, 7);
    for (int id = IDC_CONV_TO_2; id <= IDC_CONV_TO_16; ++id) {
        EXPECT_FALSE(view.IsChecked(id)) << id;
    }
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_X));
    EXPECT_TRUE(view.IsControlEnabled(IDC_CONV_TO_STEP_DOWN));
    EXPECT_TRUE(view.IsControlEnabled(IDC_CONV_TO_STEP_UP));
    EXPECT_EQ(ReadPaneNotation(view, kPane, 7), 7) << "X yields the pane's other notation";

    CheckPaneButton(view, kPane, 2);
    EXPECT_EQ(ReadPaneNotation(view, kPane, 7), 2);
    EXPECT_FALSE(view.IsChecked(IDC_CONV_TO_X));
}

TEST(NotationPane, NothingCheckedReadsAsZero) {
    RecordingControlView view;
    EXPECT_EQ(ReadPaneNotation(view, kPane, 32), 0);
}

TEST(NotationPane, EnablingKeepsStepButtonsOffUnlessXIsSelected) {
    RecordingControlView view;
    CheckPaneButton(view, kPane, 10);
    DisablePaneButtons(view, kPane);
    EXPECT_TRUE(view.EnabledIds(IDC_CONV_TO_2, IDC_CONV_TO_STEP_UP).empty());

    EnablePaneButtons(view, kPane, 32);
    EXPECT_EQ(view.EnabledIds(IDC_CONV_TO_2, IDC_CONV_TO_STEP_UP),
              (std::vector<int>{IDC_CONV_TO_2, IDC_CONV_TO_4, IDC_CONV_TO_8, IDC_CONV_TO_10,
                                IDC_CONV_TO_16, IDC_CONV_TO_X}));

    CheckPaneButton(view, kPane, 32);
    DisablePaneButtons(view, kPane);
    EnablePaneButtons(view, kPane, 32);
    EXPECT_EQ(view.EnabledIds(IDC_CONV_TO_2, IDC_CONV_TO_STEP_UP).size(), 8u);
}

}  // namespace
}  // namespace quarnic
