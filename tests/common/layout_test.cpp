#include "common/layout.h"

#include <gtest/gtest.h>

#include <array>

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

// Measured under Wine with the Japanese system font: at 192 DPI its line is 35 rows, "+" inks
// rows 10..27 of it, "-" rows 18..20, and a key is 39 rows high; at 96 DPI they are 18, 5..13,
// 9 and 21.
constexpr CaptionInk PLUS_AT_192{35, 10, 28};
constexpr CaptionInk MINUS_AT_192{35, 18, 21};
constexpr CaptionInk PLUS_AT_96{18, 5, 14};
constexpr CaptionInk MINUS_AT_96{18, 9, 10};

TEST(StepKeys, ACaptionFitsOnlyWhenItsInkFitsWhicheverWayTheOverhangIsHalved) {
    EXPECT_FALSE(CaptionInkFits(19, PLUS_AT_192)) << "line top -8: the last ink row is row 19";
    EXPECT_FALSE(CaptionInkFits(20, PLUS_AT_192)) << "line top -8 fits, -7 cuts the last row";
    EXPECT_TRUE(CaptionInkFits(21, PLUS_AT_192));
    EXPECT_TRUE(CaptionInkFits(18, MINUS_AT_192));
    EXPECT_FALSE(CaptionInkFits(1, MINUS_AT_192)) << "a key lower than the ink";
    EXPECT_TRUE(CaptionInkFits(10, PLUS_AT_96));
    EXPECT_TRUE(CaptionInkFits(20, {20, 0, 20})) << "a line exactly as high as the key";
    EXPECT_FALSE(CaptionInkFits(19, {20, 0, 20}));
}

TEST(StepKeys, PlusTakesTheRowsItsCaptionNeedsAndMinusTheRest) {
    EXPECT_EQ(StepUpKeyHeight(39, 19, PLUS_AT_192, MINUS_AT_192), 21);
    EXPECT_EQ(StepUpKeyHeight(21, 10, PLUS_AT_96, MINUS_AT_96), 10) << "fits: halves as before";
    EXPECT_EQ(StepUpKeyHeight(39, 19, CaptionInk{}, CaptionInk{}), 19) << "nothing measured";
    EXPECT_EQ(StepUpKeyHeight(39, 19, PLUS_AT_192, CaptionInk{35, 0, 35}), 19)
        << "when the minus would lose its caption instead, the halves stay";
}

TEST(StepKeys, TheNotationRowPlacesMinusRightUnderPlus) {
    LayoutInputs in = Inputs(480, 8.5);
    in.menuHeight = 37;
    in.stepUpCaption = PLUS_AT_192;
    in.stepDownCaption = MINUS_AT_192;
    const KeyGeometry g = ComputeLayout(in).Geometry();
    std::array<KeyPlacement, 8> keys{};
    KeyPlacementList list(keys);
    AddNotationRow(list, g, NotationRowIds{1, 7, 8}, 100);
    EXPECT_EQ(keys[6].rect.top, 100);
    EXPECT_EQ(keys[6].rect.height, 21);
    EXPECT_EQ(keys[7].rect.top, 121);
    EXPECT_EQ(keys[7].rect.height, 18);
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
