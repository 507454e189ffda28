// Where the converter's window puts things, in client pixels: its 50 controls, the two consoles
// with their notation rows, the "X" boxes and the bands painted in the console colour. Portable
// arithmetic only; the Win32 side creates and paints from these figures.
#pragma once

#include <array>

namespace quarnic {

// The shell's layout values under the short names the figures are written in: key width and
// height, spacing unit, the left margin and half a key height, both truncated to whole pixels.
struct ConverterGeometry {
    int W;
    int H;
    int S;
    int L;
    int h;
};

struct PixelRect {
    int x;
    int y;
    int width;
    int height;
};

enum class ControlKind { Push, Radio };

struct ControlPlacement {
    int id;
    const char* label;  // ASCII; the same in both languages
    ControlKind kind;
    PixelRect rect;
};

inline constexpr int CONVERTER_CONTROL_COUNT = 50;

// Every control in creation order ("+" before "-" in each pane).
std::array<ControlPlacement, CONVERTER_CONTROL_COUNT> ConverterControls(const ConverterGeometry& g);

// The answer console, the To row and the To box are the input console, the From row and the
// From box moved down by this many rows.
int AnswerPartOffset(const ConverterGeometry& g);

// A console (frame rows top..bottom, both drawn) and the notation row under it, for a part
// moved down by offset (0 for the input part, AnswerPartOffset for the answer part).
struct ConsoleFigure {
    int left;
    int right;  // L + 10W: the frame's right column
    int top;
    int bottom;
    int rowTop;
    int rowBottom;
};
ConsoleFigure ConsoleFigureAt(const ConverterGeometry& g, int offset);

// The box beside a pane's "X" button: frame corners, the rows and columns its clearing fills
// (x2 not drawn), and the rectangle its label is centred in (right/bottom exclusive).
struct OtherBoxFigure {
    int frameLeft;
    int frameTop;
    int frameRight;
    int frameBottom;
    int clearFirstRow;
    int clearLastRow;
    int clearX1;
    int clearX2;
    int textLeft;
    int textTop;
    int textRight;
    int textBottom;
};
OtherBoxFigure OtherBoxFigureAt(const ConverterGeometry& g, int offset);

// Horizontal lines on rows firstRow..lastRow (both included) from x1 to x2 (x2 not drawn).
struct Band {
    int firstRow;
    int lastRow;
    int x1;
    int x2;
};

inline constexpr int CONVERTER_BAND_COUNT = 10;

std::array<Band, CONVERTER_BAND_COUNT> ConverterBands(const ConverterGeometry& g, int clientWidth,
                                                      int clientHeight);

}  // namespace quarnic
