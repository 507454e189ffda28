// What both programs draw themselves in their main windows, from the figures of common/layout.h:
// the bands in the console colour, a sunken console with its text and notation row, and the
// box of "X". Every routine takes its own device context from GetDC and releases it, so the
// handlers can draw outside WM_PAINT too.
#pragma once

#include <windows.h>

#include <string_view>

#include "common/layout.h"

namespace quarnic {

// Horizontal lines on every row from firstRow to lastRow inclusive, x1 drawn, x2 not.
void FillRows(HDC dc, int firstRow, int lastRow, int x1, int x2);
void DrawClosedFrame(HDC dc, int left, int top, int right, int bottom);

// The bands in the console colour.
void PaintBands(HWND window, const Band* bands, int count);

// Fills the console's inside in cyan, so its text disappears.
void ClearConsoleFigure(HWND window, const ConsoleFigure& console);
// Frame, cyan inside, the right-aligned text and the notation row with its label.
void DrawConsoleFigure(HWND window, const KeyGeometry& g, const ConsoleFigure& console,
                       std::string_view text);

// Blanks the box of "X" in white, or frames it with a centred label (empty: an empty box).
void ClearOtherBox(HWND window, const OtherBoxFigure& box);
void DrawOtherBox(HWND window, const OtherBoxFigure& box, std::string_view label);

}  // namespace quarnic
