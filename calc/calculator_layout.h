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

// The controls in their creation order.
CalculatorKeys CalculatorKeyPlacements(const KeyGeometry& g);

// The carriers of the painted texts over their figures: the console's frame, the box of "X" and
// the memory mark's square (right and bottom edges included).
inline constexpr int CALCULATOR_TEXT_CARRIER_COUNT = 3;
using CalculatorTextCarriers = std::array<KeyPlacement, CALCULATOR_TEXT_CARRIER_COUNT>;
CalculatorTextCarriers CalculatorTextCarriersFor(const KeyGeometry& g);

inline constexpr int CALCULATOR_BAND_COUNT = 17;
using CalculatorBands = std::array<Band, CALCULATOR_BAND_COUNT>;

CalculatorBands CalculatorBandsFor(const KeyGeometry& g, int clientWidth, int clientHeight);

// The console and notation row, and the box of "X" beside the notation buttons.
ConsoleFigure CalculatorConsole(const KeyGeometry& g);
OtherBoxFigure CalculatorOtherBox(const KeyGeometry& g);

struct Point {
    int x = 0;
    int y = 0;
};

// The radical sign: the bar (points 0 to 1), then one stroke through points 2, 3, 4 and 5.
using RadicalSign = std::array<Point, 6>;
RadicalSign RadicalSignPoints(int keyWidth, int keyHeight);

// The memory mark above "Min": filled and framed from (left, top) to (right, bottom), both
// included. Erasing fills a row more above and below and a column more on the left.
struct MemoryMarkFigure {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};
MemoryMarkFigure MemoryMarkAt(const KeyGeometry& g);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Red on a greyish console, where the complement would hardly differ from it; else the
// complement of the console colour.
Rgb MemoryMarkColor(const Rgb& console);

}  // namespace quarnic
