// The calculator's window larger than its smallest size, at 96, 144 and 192 DPI in both
// languages: the smallest size is today's layout to the pixel; larger ones keep every control
// inside and clear of the others with its caption fitting, share the extra size among the keys,
// and give the console more digits; a resize forms the answer on show again from the kept one.
#include <gtest/gtest.h>

#include <string>

#include "calc/calculator_layout.h"
#include "calc/console_refit.h"
#include "engine/console_form.h"
#include "tests/calc/calc_scenario.h"
#include "tests/common/dpi_layout_checks.h"
#include "tests/common/resize_layout_checks.h"
#include "tests/kit/fixed_pitch_measurer.h"

namespace quarnic {
namespace {

using recorded::Font;

// As in the DPI tests: at 288 DPI only, which is not tried here.
constexpr int RADIO_CAPTIONS_CLIPPED_FROM_DPI = 288;

Layout CalculatorAt(const Font& font) {
    return ComputeLayout(
        recorded::InputsFrom(font, font.calculatorSample,
                             CalculatorSideMargin(font.calculatorSample, font.marginSample), 9));
}

template <typename Check>
void ForEachFontAndSize(Check check) {
    recorded::ForEachFontAndSize(CalculatorAt, check);
}

TEST(CalculatorResize, EveryControlStaysInsideClearOfTheOthersWithItsCaption) {
    ForEachFontAndSize([](const Font& font, const Layout& layout, const recorded::ClientSize& size,
                          const std::string& where) {
        SCOPED_TRACE(where);
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = CalculatorGridStretch(layout);
        const CalculatorKeys keys = CalculatorKeyPlacements(g, grid);
        recorded::ExpectLaidOutIn(font, size.width, size.height, keys,
                                  CalculatorTextCarriersFor(g, grid),
                                  RADIO_CAPTIONS_CLIPPED_FROM_DPI);
        recorded::ExpectBandsClear(CalculatorBandsFor(g, size.width, size.height, grid), keys,
                                   size.width, size.height, where);
    });
}

TEST(CalculatorResize, TheSmallestSizeIsTodaysLayoutToThePixel) {
    ForEachFontAndSize([](const Font&, const Layout& layout, const recorded::ClientSize& size,
                          const std::string& where) {
        if (std::string(size.name) != "smallest") {
            return;
        }
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = CalculatorGridStretch(layout);
        EXPECT_EQ(layout.ExtraWidth + layout.ExtraHeight, 0) << where;
        recorded::ExpectSamePlaces(CalculatorKeyPlacements(g, grid), CalculatorKeyPlacements(g),
                                   where);
        recorded::ExpectSamePlaces(CalculatorTextCarriersFor(g, grid), CalculatorTextCarriersFor(g),
                                   where);
        recorded::ExpectSameBands(CalculatorBandsFor(g, size.width, size.height, grid),
                                  CalculatorBandsFor(g, size.width, size.height), where);
        const MemoryMarkFigure mark = MemoryMarkAt(g, grid), was = MemoryMarkAt(g);
        EXPECT_TRUE(mark.left == was.left && mark.top == was.top) << where;
    });
}

// Keys grow and share the extra size; the console grows with the width alone; the memory mark
// keeps its place beside "Min" and the box of "X" its place between "X" and the step keys.
TEST(CalculatorResize, TheKeysShareTheExtraSizeAndTheFiguresFollowTheirKeys) {
    ForEachFontAndSize([](const Font&, const Layout& layout, const recorded::ClientSize&,
                          const std::string& where) {
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = CalculatorGridStretch(layout);
        const CalculatorKeys keys = CalculatorKeyPlacements(g, grid);
        const CalculatorKeys smallest = CalculatorKeyPlacements(g);
        for (int row = 0; row < 3; ++row) {
            recorded::ExpectKeysShareTheRow(keys.data(), keys.size(), IDC_DIGIT_FIRST + 10 * row,
                                            where);
        }
        const auto key = [&](const CalculatorKeys& set, int id) {
            return recorded::PlaceOf(set.data(), set.size(), id).rect;
        };
        EXPECT_GE(key(keys, IDC_DIGIT_0).width, key(smallest, IDC_DIGIT_0).width) << where;
        EXPECT_GE(key(keys, IDC_DIGIT_0).height, key(smallest, IDC_DIGIT_0).height) << where;
        // "CE" ends where the grid ends: the extra height went to the grid, not below it.
        const PixelRect ce = key(keys, IDC_CLEAR_ENTRY);
        EXPECT_EQ(ce.top + ce.height, Row(g, 7, 8) + layout.ExtraHeight) << where;
        const PixelRect mr = key(keys, IDC_MEMORY_RECALL);
        EXPECT_EQ(mr.left + mr.width, Column(g, 10, 1) + 1 + layout.ExtraWidth) << where;

        const ConsoleFigure console = CalculatorConsole(g, grid), was = CalculatorConsole(g);
        EXPECT_EQ(ConsoleWidth(console), ConsoleWidth(was) + layout.ExtraWidth) << where;
        EXPECT_EQ(console.top, was.top) << where;
        EXPECT_EQ(console.bottom - console.top, was.bottom - was.top) << where;

        const MemoryMarkFigure mark = MemoryMarkAt(g, grid), wasMark = MemoryMarkAt(g);
        const PixelRect min = key(keys, IDC_MEMORY_IN), minWas = key(smallest, IDC_MEMORY_IN);
        EXPECT_EQ(mark.left - min.left, wasMark.left - minWas.left) << where;
        EXPECT_EQ(mark.top - min.top, wasMark.top - minWas.top) << where;
        EXPECT_EQ(mark.right - mark.left, wasMark.right - wasMark.left) << where;

        const OtherBoxFigure box = CalculatorOtherBox(g, grid);
        const PixelRect x = key(keys, IDC_NOTATION_X), step = key(keys, IDC_STEP_UP);
        EXPECT_GE(box.frameLeft, x.left + x.width - 1) << where;
        EXPECT_LT(box.frameRight, step.left) << where;
        const RadicalSign sign =
            RadicalSignPoints(key(keys, IDC_SQRT).width, key(keys, IDC_SQRT).height);
        EXPECT_LT(sign[0].x, key(keys, IDC_SQRT).width) << where;
    });
}

// The console form decides by the measured width: a wider console never shows fewer digits,
// and a maximized window at 96 DPI holds well over a hundred of them.
void ExpectNoFewerDigitsAsTheWindowWidens(const Font& font) {
    const Layout smallest = CalculatorAt(font);
    const FixedPitchMeasurer measurer(recorded::CaptionOf(font, L"0")->width);
    int previous = 0;
    for (int width = smallest.ClientWidth; width <= 1920; width += 7) {
        const Layout layout = LayoutForClient(smallest, width, smallest.ClientHeight);
        const int console =
            ConsoleWidth(CalculatorConsole(layout.Geometry(), CalculatorGridStretch(layout)));
        const int capacity = ConsoleCapacity(measurer, console, 10);
        EXPECT_GE(capacity, previous) << width << " px at " << font.dpi << " DPI";
        previous = capacity;
    }
    if (font.dpi == 96) {
        EXPECT_GE(previous, 120) << "maximized on 1920 x 1080";
    }
}

TEST(CalculatorResize, TheConsoleShowsNoFewerDigitsAsTheWindowWidens) {
    for (const Font& font : recorded::ENGLISH) {
        ExpectNoFewerDigitsAsTheWindowWidens(font);
    }
    for (const Font& font : recorded::JAPANESE) {
        ExpectNoFewerDigitsAsTheWindowWidens(font);
    }
}

class CalculatorRefit : public CalcScenario {
  protected:
    static constexpr int SMALLEST = 450;

    int SignificantDigits() const {
        int digits = 0;
        for (char c : Console()) {
            if (c == ' ') {
                break;
            }
            digits += (c >= '0' && c <= '9') || (c >= 'A' && c <= 'V');
        }
        return digits;
    }

    void ResizeTo(int consoleWidth) {
        View().SetConsoleWidth(consoleWidth);
        RefitShownAnswer(Calc());
    }
};

TEST_F(CalculatorRefit, AWiderConsoleShowsMoreOfTheKeptAnswerAndANarrowerOneFewer) {
    Press("1 / 7 = COPY");
    const std::string first = First(), console = Console(), copied = View().Clipboard();
    EXPECT_GT(copied.size(), 900u);
    const int atSmallest = SignificantDigits();
    int previous = atSmallest;
    for (int width = SMALLEST; width <= 1900; width += 50) {
        ResizeTo(width);
        EXPECT_GE(SignificantDigits(), previous) << width;
        previous = SignificantDigits();
        EXPECT_EQ(View().Console(), Console()) << "the console repainted";
        EXPECT_EQ(First(), first) << "the operand keeps every digit";
    }
    EXPECT_GE(previous, 120);
    EXPECT_EQ(Console().rfind("0.142857142857", 0), 0u) << Console();
    ResizeTo(SMALLEST);
    EXPECT_EQ(Console(), console) << "back at the smallest size, the text of the start";
    ResizeTo(1900);
    Press("COPY");
    EXPECT_EQ(View().Clipboard(), copied) << "Copy takes every digit, whatever the width";
}

TEST_F(CalculatorRefit, AConvertedOrNegatedAnswerStaysInItsNotationAndSign) {
    Press("1 / 7 = N16 +/-");
    ResizeTo(1200);
    EXPECT_EQ(Console().rfind("-0.249249249249249249249249249249249249249249249249249", 0), 0u)
        << Console();
    EXPECT_EQ(State().AnswerNotation, 16);
}

TEST_F(CalculatorRefit, TypedNumbersPendingOperatorsAndErrorsKeepTheirText) {
    for (const char* keys : {"1 2 3", "1 / 7 = +", "1 / 0 =", "1 / 7 = 5"}) {
        Press("AC");
        Press(keys);
        const std::string before = Console();
        ResizeTo(1500);
        EXPECT_EQ(Console(), before) << keys;
        ResizeTo(SMALLEST);
    }
}

}  // namespace
}  // namespace quarnic
