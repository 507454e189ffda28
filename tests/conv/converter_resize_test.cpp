// The converter's window larger than its smallest size, at 96, 144 and 192 DPI in both
// languages: the smallest size is today's layout to the pixel; larger ones keep every control
// inside and clear of the others with its caption fitting, the keys share the extra size, and
// the To pane keeps its place under the keys.
#include <gtest/gtest.h>

#include <string>

#include "conv/conv_ids.h"
#include "conv/converter_layout.h"
#include "tests/common/dpi_layout_checks.h"
#include "tests/common/resize_layout_checks.h"

namespace quarnic {
namespace {

using recorded::Font;

Layout ConverterAt(const Font& font) {
    return ComputeLayout(recorded::InputsFrom(font, font.converterSample,
                                              ConverterSideMargin(font.converterSample, 0), 10));
}

template <typename Check>
void ForEachFontAndSize(Check check) {
    recorded::ForEachFontAndSize(ConverterAt, check);
}

using Controls = std::array<KeyPlacement, CONVERTER_CONTROL_COUNT>;

PixelRect Place(const Controls& controls, int id) {
    return recorded::PlaceOf(controls.data(), controls.size(), id).rect;
}

TEST(ConverterResize, EveryControlStaysInsideClearOfTheOthersWithItsCaption) {
    ForEachFontAndSize([](const Font& font, const Layout& layout, const recorded::ClientSize& size,
                          const std::string& where) {
        SCOPED_TRACE(where);
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = ConverterGridStretch(layout);
        const Controls controls = ConverterControls(g, grid);
        recorded::ExpectLaidOutIn(font, size.width, size.height, controls,
                                  ConverterTextCarriers(g, grid));
        recorded::ExpectBandsClear(ConverterBands(g, size.width, size.height, grid), controls,
                                   size.width, size.height, where);
    });
}

TEST(ConverterResize, TheSmallestSizeIsTodaysLayoutToThePixel) {
    ForEachFontAndSize([](const Font&, const Layout& layout, const recorded::ClientSize& size,
                          const std::string& where) {
        if (std::string(size.name) != "smallest") {
            return;
        }
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = ConverterGridStretch(layout);
        recorded::ExpectSamePlaces(ConverterControls(g, grid), ConverterControls(g), where);
        recorded::ExpectSamePlaces(ConverterTextCarriers(g, grid), ConverterTextCarriers(g), where);
        recorded::ExpectSameBands(ConverterBands(g, size.width, size.height, grid),
                                  ConverterBands(g, size.width, size.height), where);
    });
}

// The keys share the extra size; the From pane keeps its height above them and the To pane
// moves down with them, both consoles growing with the width alone.
TEST(ConverterResize, TheKeysShareTheExtraSizeAndThePanesKeepTheirPlaces) {
    ForEachFontAndSize([](const Font&, const Layout& layout, const recorded::ClientSize&,
                          const std::string& where) {
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = ConverterGridStretch(layout);
        const Controls controls = ConverterControls(g, grid);
        const Controls smallest = ConverterControls(g);
        for (int row = 0; row < 3; ++row) {
            recorded::ExpectKeysShareTheRow(controls.data(), controls.size(),
                                            IDC_CONV_DIGIT_0 + 10 * row, where);
        }
        const PixelRect clear = Place(controls, IDC_CONV_ALL_CLEAR);
        const PixelRect toTwo = Place(controls, IDC_CONV_TO_2);
        EXPECT_EQ(toTwo.top - (clear.top + clear.height),
                  Place(smallest, IDC_CONV_TO_2).top -
                      (Place(smallest, IDC_CONV_ALL_CLEAR).top + g.keyHeight))
            << "the gap from the keys to the To row, " << where;
        EXPECT_EQ(Place(controls, IDC_CONV_FROM_2).top, Place(smallest, IDC_CONV_FROM_2).top)
            << where;
        for (int offset : {0, AnswerPartOffset(g)}) {
            const ConsoleFigure console = ConverterConsole(g, offset, grid);
            const ConsoleFigure was = ConverterConsole(g, offset);
            EXPECT_EQ(ConsoleWidth(console), ConsoleWidth(was) + layout.ExtraWidth) << where;
            EXPECT_EQ(console.bottom - console.top, was.bottom - was.top) << where;
            EXPECT_EQ(console.top - was.top, offset == 0 ? 0 : layout.ExtraHeight) << where;
        }
        const OtherBoxFigure box = ConverterOtherBox(g, AnswerPartOffset(g), grid);
        const PixelRect x = Place(controls, IDC_CONV_TO_X);
        const PixelRect step = Place(controls, IDC_CONV_TO_STEP_UP);
        EXPECT_GE(box.frameLeft, x.left + x.width - 1) << where;
        EXPECT_LT(box.frameRight, step.left) << where;
        EXPECT_GE(box.frameBottom, x.top) << where;
    });
}

}  // namespace
}  // namespace quarnic
