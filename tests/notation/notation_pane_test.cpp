#include <gtest/gtest.h>

#include "shell/notation.h"
#include "tests/kit/recording_control_view.h"

namespace quarnic {
namespace {

// A pane shaped like the converter's To row: buttons 142..147, "-" 148, "+" 149.
constexpr NotationPane kPane{142, 148, 149};

TEST(NotationPane, CheckingMovesTheSingleCheckAndStepButtonsFollowX) {
    RecordingControlView view;
    CheckPaneButton(view, kPane, 16);
    EXPECT_TRUE(view.IsChecked(146));
    EXPECT_FALSE(view.IsControlEnabled(148));
    EXPECT_FALSE(view.IsControlEnabled(149));
    EXPECT_EQ(ReadPaneNotation(view, kPane, 7), 16);

    CheckPaneButton(view, kPane, 7);
    for (int id = 142; id <= 146; ++id) {
        EXPECT_FALSE(view.IsChecked(id)) << id;
    }
    EXPECT_TRUE(view.IsChecked(147));
    EXPECT_TRUE(view.IsControlEnabled(148));
    EXPECT_TRUE(view.IsControlEnabled(149));
    EXPECT_EQ(ReadPaneNotation(view, kPane, 7), 7) << "X yields the pane's other notation";

    CheckPaneButton(view, kPane, 2);
    EXPECT_EQ(ReadPaneNotation(view, kPane, 7), 2);
    EXPECT_FALSE(view.IsChecked(147));
}

TEST(NotationPane, NothingCheckedReadsAsZero) {
    RecordingControlView view;
    EXPECT_EQ(ReadPaneNotation(view, kPane, 32), 0);
}

TEST(NotationPane, EnablingKeepsStepButtonsOffUnlessXIsSelected) {
    RecordingControlView view;
    CheckPaneButton(view, kPane, 10);
    DisablePaneButtons(view, kPane);
    EXPECT_TRUE(view.EnabledIds(142, 149).empty());

    EnablePaneButtons(view, kPane, 32);
    EXPECT_EQ(view.EnabledIds(142, 149), (std::vector<int>{142, 143, 144, 145, 146, 147}));

    CheckPaneButton(view, kPane, 32);
    DisablePaneButtons(view, kPane);
    EnablePaneButtons(view, kPane, 32);
    EXPECT_EQ(view.EnabledIds(142, 149).size(), 8u);
}

}  // namespace
}  // namespace quarnic
