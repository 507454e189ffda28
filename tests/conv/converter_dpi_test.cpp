// The converter's window laid out at 96 to 288 DPI from the fonts recorded there, as the
// calculator's; and the "All notations" list fitted to its lines whatever the DPI made of the
// template's first guess.
#include <gtest/gtest.h>

#include <string>

#include "conv/all_notations.h"
#include "conv/converter_layout.h"
#include "tests/common/dpi_layout_checks.h"

namespace quarnic {
namespace {

using recorded::Font;

LayoutInputs ConverterInputs(const Font& font) {
    return recorded::InputsFrom(font, font.converterSample,
                                ConverterSideMargin(font.converterSample, 0), 10);
}

class ConverterAtDpi : public ::testing::TestWithParam<bool> {
  protected:
    const auto& Fonts() const { return GetParam() ? recorded::JAPANESE : recorded::ENGLISH; }
};

TEST_P(ConverterAtDpi, CaptionsFitAndNoControlLeavesTheWindowOrCoversAnother) {
    for (const Font& font : Fonts()) {
        const Layout layout = ComputeLayout(ConverterInputs(font));
        recorded::ExpectLaidOut(font, layout, ConverterControls(layout.Geometry()),
                                ConverterTextCarriers(layout.Geometry()));
    }
}

TEST_P(ConverterAtDpi, AChangeOfDpiLaysOutAsAStartThereAndComesBackToThePixel) {
    for (const Font& from : Fonts()) {
        const Layout start = ComputeLayout(ConverterInputs(from));
        for (const Font& to : Fonts()) {
            const std::string what =
                std::to_string(from.dpi) + " -> " + std::to_string(to.dpi) + " DPI";
            const Layout moved = LayoutAfterDpiChange(ConverterInputs(to), 10, 20);
            const Layout fresh = ComputeLayout(ConverterInputs(to));
            EXPECT_EQ(moved.WindowHeight, fresh.WindowHeight) << what;
            EXPECT_EQ(AnswerPartOffset(moved.Geometry()), AnswerPartOffset(fresh.Geometry()));
            recorded::ExpectSamePlaces(ConverterControls(moved.Geometry()),
                                       ConverterControls(fresh.Geometry()), what);
            recorded::ExpectSamePlaces(ConverterTextCarriers(moved.Geometry()),
                                       ConverterTextCarriers(fresh.Geometry()), what);
            const Layout back = LayoutAfterDpiChange(ConverterInputs(from), 10, 20);
            recorded::ExpectSamePlaces(ConverterControls(back.Geometry()),
                                       ConverterControls(start.Geometry()), what + " and back");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, ConverterAtDpi, ::testing::Bool(),
                         [](const auto& tested) { return tested.param ? "Japanese" : "English"; });

// The template's list at 144 DPI, in pixels: 600 x 417 with a 2-pixel border all round.
const AllNotationsPlaces TEMPLATE_AT_144{{11, 11, 600, 417}, {11, 437, 75, 21}, 621, 468};

TEST(AllNotationsFit, TheListGrowsOrShrinksToItsLinesAndTheButtonAndWindowFollow) {
    // The widest line 900 pixels, 31 lines of 24: the list's inside becomes 906 x 744.
    const AllNotationsPlaces grown = FitAllNotationsList(TEMPLATE_AT_144, 4, 4, 900, 24);
    EXPECT_EQ(grown.list.width - 4, 900 + LIST_TEXT_MARGIN);
    EXPECT_EQ(grown.list.height - 4, 31 * 24);
    EXPECT_EQ(grown.list.left, 11);
    EXPECT_EQ(grown.copy.top - (grown.list.top + grown.list.height), 437 - (11 + 417))
        << "the button keeps its distance under the list";
    EXPECT_EQ(grown.copy.left, 11);
    EXPECT_EQ(grown.clientWidth - (grown.list.left + grown.list.width), 621 - (11 + 600))
        << "and the window its margin right of it";
    EXPECT_EQ(grown.clientHeight - (grown.copy.top + grown.copy.height), 468 - (437 + 21));
    // A smaller font than the template guessed for: everything shrinks alike.
    const AllNotationsPlaces shrunk = FitAllNotationsList(TEMPLATE_AT_144, 4, 4, 300, 12);
    EXPECT_EQ(shrunk.list.height - 4, 31 * 12);
    EXPECT_EQ(shrunk.clientWidth, 621 - (600 - 4 - 306));
}

}  // namespace
}  // namespace quarnic
