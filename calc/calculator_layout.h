// Where the calculator's 52 controls stand, which strips around them its painting fills in the
// console colour, and the figures drawn on its square-root key and memory mark: pure arithmetic
// on the layout values, so that overlaps and off-by-one edges show up in tests, not on screen.
#pragma once

#include <array>

#include "shell/layout.h"

namespace quarnic {

enum class KeyKind { Push, Radio, OwnerDrawn };

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct KeyPlacement {
    int id = 0;
    const wchar_t* label = L"";
    KeyKind kind = KeyKind::Push;
    PixelRect rect;
};

inline constexpr int CALCULATOR_KEY_COUNT = 52;
using CalculatorKeys = std::array<KeyPlacement, CALCULATOR_KEY_COUNT>;

// The controls in their creation order.
CalculatorKeys CalculatorKeyPlacements(const Layout& layout);

// Rows firstRow..lastRow (both included), each a line from x1 (drawn) to x2 (not drawn).
struct Band {
    int firstRow = 0;
    int lastRow = 0;
    int x1 = 0;
    int x2 = 0;
};

inline constexpr int CALCULATOR_BAND_COUNT = 17;
using CalculatorBands = std::array<Band, CALCULATOR_BAND_COUNT>;

CalculatorBands CalculatorBandsFor(const Layout& layout, int clientWidth, int clientHeight);

struct Point {
    int x = 0;
    int y = 0;
};

// The radical sign: the bar (points 0 to 1), then one stroke through points 2, 3, 4 and 5.
using RadicalSign = std::array<Point, 6>;
RadicalSign RadicalSignPoints(int keyWidth, int keyHeight);

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Red on a greyish console, where the complement would hardly differ from it; else the
// complement of the console colour.
Rgb MemoryMarkColor(const Rgb& console);

}  // namespace quarnic
