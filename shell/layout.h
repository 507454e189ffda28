// Pixel sizes of the main window and its keys, derived once from the system font and the
// system metrics. Portable: the Win32 side measures, this file only does the arithmetic, so
// the rounding rules can be checked without a screen.
#pragma once

namespace quarnic {

// What the window measures before anything is sized.
struct LayoutInputs {
    int keySampleWidth = 0;  // text width of the key-width measuring string
    double sideMargin = 0;   // already derived by the program (the two programs differ)
    int menuHeight = 0;      // SM_CYMENU
    int captionHeight = 0;   // SM_CYCAPTION
    int platformCode = 0;
    int heightSpacingUnits = 9;  // spacing units in the window height: 9 calculator, 10 converter
    int screenWidth = 0;
    int screenHeight = 0;
};

struct Layout {
    int KeyWidth = 0;
    int KeyHeight = 0;
    int SpacingUnit = 5;
    double SideMargin = 0;
    double HalfKeyHeight = 0;
    int WindowWidth = 0;
    int WindowHeight = 0;
    int WindowX = 0;
    int WindowY = 0;

    // The left margin in whole pixels, "L" in the key and painting formulas.
    int Margin() const { return static_cast<int>(SideMargin); }
    // Half a key height in whole pixels, "h".
    int HalfKey() const { return static_cast<int>(HalfKeyHeight); }
};

inline constexpr int LATEST_NT_PLATFORM = 5;

// The calculator's margin: a quarter of the width of "M(33)" plus 4 pixels.
double CalculatorSideMargin(int markSampleWidth);
// The converter's margin: a quarter of a key width.
double ConverterSideMargin(int keySampleWidth);

Layout ComputeLayout(const LayoutInputs& in);

}  // namespace quarnic
