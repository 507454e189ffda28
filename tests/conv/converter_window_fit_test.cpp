// The converter's window, sized by the shell's rules from a font and the system metrics, holds
// every figure of the converter: nothing is cut off at the right or at the bottom, and the bands
// in the console colour still have room right of the keys and under the To row.
#include <gtest/gtest.h>

#include <ostream>

#include "common/layout.h"
#include "conv/converter_layout.h"

namespace quarnic {
namespace {

// What a fixed-size window with a caption and a system menu loses to its frame and caption.
constexpr int FIXED_FRAME = 3;

struct Metrics {
    int keySampleWidth;  // width of the 68-character measuring string
    int menuHeight;
    int captionHeight;
    int platformCode;
};

void PrintTo(const Metrics& m, std::ostream* out) {
    *out << "sample " << m.keySampleWidth << " menu " << m.menuHeight << " caption "
         << m.captionHeight << " platform " << m.platformCode;
}

struct Window {
    Layout layout;
    KeyGeometry g;
    int clientWidth;
    int clientHeight;
};

// The converter's layout rules: a quarter key width as margin, ten spacing units of height.
Window ConverterWindow(const Metrics& m) {
    LayoutInputs in;
    in.keySampleWidth = m.keySampleWidth;
    in.sideMargin = ConverterSideMargin(m.keySampleWidth, 0);
    in.menuHeight = m.menuHeight;
    in.captionHeight = m.captionHeight;
    in.platformCode = m.platformCode;
    in.heightSpacingUnits = 10;
    in.screenWidth = 1280;
    in.screenHeight = 1024;
    const Layout layout = ComputeLayout(in);
    const KeyGeometry g = layout.Geometry();
    return {layout, g, layout.WindowWidth - 2 * FIXED_FRAME,
            layout.WindowHeight - m.captionHeight - 2 * FIXED_FRAME};
}

class ConverterWindowFitTest : public ::testing::TestWithParam<Metrics> {};

TEST_P(ConverterWindowFitTest, EveryControlAndFigureLiesInsideTheClientArea) {
    const Window w = ConverterWindow(GetParam());
    for (const KeyPlacement& c : ConverterControls(w.g)) {
        EXPECT_LE(c.rect.left + c.rect.width, w.clientWidth) << c.id;
        EXPECT_LE(c.rect.top + c.rect.height, w.clientHeight) << c.id;
    }
    const ConsoleFigure answer = ConsoleFigureAt(w.g, AnswerPartOffset(w.g));
    EXPECT_LT(answer.right, w.clientWidth);
    EXPECT_LT(answer.rowBottom, w.clientHeight);
}

TEST_P(ConverterWindowFitTest, TheBandsRightOfTheKeysAndUnderTheToRowAreNotEmpty) {
    const Window w = ConverterWindow(GetParam());
    const auto bands = ConverterBands(w.g, w.clientWidth, w.clientHeight);
    const Band& rightStrip = bands[1];
    const Band& bottom = bands[CONVERTER_BAND_COUNT - 1];
    EXPECT_LT(rightStrip.x1, rightStrip.x2);
    EXPECT_LE(bottom.firstRow, bottom.lastRow);
    // The right strip is as wide as the left one, less the one column the frames take.
    EXPECT_EQ(rightStrip.x2 - rightStrip.x1, w.g.margin - 1);
}

INSTANTIATE_TEST_SUITE_P(FontsAndPlatforms, ConverterWindowFitTest,
                         ::testing::Values(Metrics{470, 19, 19, 5}, Metrics{540, 18, 18, 5},
                                           Metrics{680, 20, 25, 5}, Metrics{400, 19, 19, 0},
                                           Metrics{470, 18, 20, 3}, Metrics{730, 22, 22, 5}));

}  // namespace
}  // namespace quarnic
