#include "shell/layout.h"

#include <gtest/gtest.h>

namespace quarnic {
namespace {

LayoutInputs Inputs(int keySample, double sideMargin) {
    LayoutInputs in;
    in.keySampleWidth = keySample;
    in.sideMargin = sideMargin;
    in.menuHeight = 19;
    in.captionHeight = 23;
    in.platformCode = 5;
    in.heightSpacingUnits = 9;
    in.screenWidth = 1280;
    in.screenHeight = 1024;
    return in;
}

TEST(Layout, KeyWidthIsATenthOfTheSampleRoundedDown) {
    EXPECT_EQ(ComputeLayout(Inputs(480, 8.5)).KeyWidth, 48);
    EXPECT_EQ(ComputeLayout(Inputs(487, 8.5)).KeyWidth, 48);
    EXPECT_EQ(ComputeLayout(Inputs(489, 8.5)).KeyWidth, 48);
    EXPECT_EQ(ComputeLayout(Inputs(490, 8.5)).KeyWidth, 49);
}

TEST(Layout, TheMarginIsTruncatedForPixels) {
    Layout layout = ComputeLayout(Inputs(480, 8.5));
    EXPECT_DOUBLE_EQ(layout.SideMargin, 8.5);
    EXPECT_EQ(layout.Margin(), 8);
    EXPECT_EQ(layout.WindowWidth, 502) << "two margins, ten keys and the frame";
}

TEST(Layout, KeyHeightAndItsHalfFollowTheMenuBar) {
    LayoutInputs in = Inputs(480, 8.5);
    in.menuHeight = 19;
    Layout layout = ComputeLayout(in);
    EXPECT_EQ(layout.KeyHeight, 21);
    EXPECT_DOUBLE_EQ(layout.HalfKeyHeight, 10.5);
    EXPECT_EQ(layout.HalfKey(), 10);
}

TEST(Layout, OnlyTheLatestPlatformUsesTheCaptionHeight) {
    LayoutInputs in = Inputs(480, 8.5);
    in.menuHeight = 19;
    in.captionHeight = 30;
    int keys = 9 * 5 + 8 * 21 + 9;
    in.platformCode = 5;
    EXPECT_EQ(ComputeLayout(in).WindowHeight, 30 + keys);
    for (int code : {0, 1, 2, 3, 4}) {
        in.platformCode = code;
        EXPECT_EQ(ComputeLayout(in).WindowHeight, 19 + keys) << "platform " << code;
    }
    in.platformCode = 5;
    in.heightSpacingUnits = 10;
    EXPECT_EQ(ComputeLayout(in).WindowHeight, 30 + keys + 5);
}

TEST(Layout, CentringTruncatesTowardZeroOnSmallScreens) {
    LayoutInputs in = Inputs(480, 8.5);
    Layout fits = ComputeLayout(in);
    EXPECT_EQ(fits.WindowX, (1280 - 502) / 2);
    in.screenWidth = fits.WindowWidth - 5;
    in.screenHeight = fits.WindowHeight - 3;
    Layout tooSmall = ComputeLayout(in);
    EXPECT_EQ(tooSmall.WindowX, -2);
    EXPECT_EQ(tooSmall.WindowY, -1);
}

}  // namespace
}  // namespace quarnic
