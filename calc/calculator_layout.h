// Where the calculator's 52 controls stand, which strips around them its painting fills in the
// console colour, and the figures drawn on its square-root key and memory mark: pure arithmetic
// on the layout values, so that overlaps and off-by-one edges show up in tests, not on screen.
#pragma once

#include <array>

#include "common/layout.h"

namespace quarnic {

// The calculator's margin rule: a quarter of the width of "M(33)" plus 4 pixels.
double CalculatorSideMargin(int keySampleWidth, int markSampleWidth);

inline constexpr int CALCULATOR_KEY_COUNT = 52;
using CalculatorKeys = std::array<KeyPlacement, CALCULATOR_KEY_COUNT>;

// How each control follows the window's size: the keys follow the key grid both ways, the
// notation row and the box of "X" follow it across, the console grows with the width. The
// memory mark follows "Min" (MemoryMarkAt).
inline constexpr int CALCULATOR_RESIZE_RULE_COUNT = CALCULATOR_KEY_COUNT + 2;
extern const std::array<ResizeRule, CALCULATOR_RESIZE_RULE_COUNT> CALCULATOR_RESIZE_RULES;

// The key grid of a window whose client area is that much larger than the smallest: the rows
// from the first digit row down to "CE" and "MR" share the extra height.
GridStretch CalculatorGridStretch(const KeyGeometry& g, int extraWidth, int extraHeight);
GridStretch CalculatorGridStretch(const Layout& layout);

// The controls in their creation order; with a grid, where its table puts them.
CalculatorKeys CalculatorKeyPlacements(const KeyGeometry& g, const GridStretch& grid = {});

// The carriers of the painted texts over their figures: the console's frame, the box of "X" and
// the memory mark's square (right and bottom edges included).
inline constexpr int CALCULATOR_TEXT_CARRIER_COUNT = 3;
using CalculatorTextCarriers = std::array<KeyPlacement, CALCULATOR_TEXT_CARRIER_COUNT>;
CalculatorTextCarriers CalculatorTextCarriersFor(const KeyGeometry& g,
                                                 const GridStretch& grid = {});

inline constexpr int CALCULATOR_BAND_COUNT = 17;
using CalculatorBands = std::array<Band, CALCULATOR_BAND_COUNT>;

// clientWidth and clientHeight are the client area's size now, the grid's extra size included.
CalculatorBands CalculatorBandsFor(const KeyGeometry& g, int clientWidth, int clientHeight,
                                   const GridStretch& grid = {});

// The console and notation row, and the box of "X" beside the notation buttons.
ConsoleFigure CalculatorConsole(const KeyGeometry& g, const GridStretch& grid = {});
OtherBoxFigure CalculatorOtherBox(const KeyGeometry& g, const GridStretch& grid = {});

struct Point {
    int x = 0;
    int y = 0;
};

// The radical sign: the bar (points 0 to 1), then one stroke through points 2, 3, 4 and 5.
using RadicalSign = std::array<Point, 6>;
RadicalSign RadicalSignPoints(int keyWidth, int keyHeight);

// The memory mark above "Min": filled and framed from (left, top) to (right, bottom), both
// included. Erasing fills a row more above and below and a column more on the left. In a larger
// window it keeps its size and its place beside "Min".
struct MemoryMarkFigure {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
MemoryMarkFigure MemoryMarkAt(const KeyGeometry& g, const GridStretch& grid = {});

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Red on a greyish console, where the complement would hardly differ from it; else the
// complement of the console colour.
Rgb MemoryMarkColor(const Rgb& console);

}  // namespace quarnic
