#include "calc/calculator_paint_win.h"

#include "calc/calculator_layout.h"
#include "calc/display_updates.h"
#include "calc/calculator_state.h"
#include "calc/display_updates.h"
#include "host/console_paint_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

KeyGeometry CurrentGeometry() {
    return Shell().layout.Geometry();
}

GridStretch CurrentGrid() {
    return CalculatorGridStretch(Shell().layout);
}

void PaintBands(HWND window) {
    const SIZE client = ClientSize(window);
    const CalculatorBands bands =
        CalculatorBandsFor(CurrentGeometry(), client.cx, client.cy, CurrentGrid());
    PaintBands(window, bands.data(), static_cast<int>(bands.size()));
}

COLORREF MemoryMarkColorRef() {
    const ConsoleColor& c = Shell().console;
    const Rgb color = MemoryMarkColor(Rgb{c.red, c.green, c.blue});
    return RGB(color.red & 0xFF, color.green & 0xFF, color.blue & 0xFF);
}

}  // namespace

void ClearConsole(HWND window) {
    ClearConsoleFigure(window, CalculatorConsole(CurrentGeometry(), CurrentGrid()));
}

void DrawConsole(HWND window, std::string_view text) {
    const KeyGeometry g = CurrentGeometry();
    DrawConsoleFigure(window, g, CalculatorConsole(g, CurrentGrid()), text);
}

void ClearOtherNotationBox(HWND window) {
    ClearOtherBox(window, CalculatorOtherBox(CurrentGeometry(), CurrentGrid()));
}

void DrawOtherNotationBox(HWND window, std::string_view label) {
    DrawOtherBox(window, CalculatorOtherBox(CurrentGeometry(), CurrentGrid()), label);
}

void DrawMemoryMark(HWND window) {
    const MemoryMarkFigure mark = MemoryMarkAt(CurrentGeometry(), CurrentGrid());
    MainWindowDC dc(window);
    {
        ScopedPen pen(dc, MemoryMarkColorRef());
        FillRows(dc, mark.top, mark.bottom, mark.left, mark.right);
    }
    DrawClosedFrame(dc, mark.left, mark.top, mark.right, mark.bottom);
}

void EraseMemoryMark(HWND window) {
    const MemoryMarkFigure mark = MemoryMarkAt(CurrentGeometry(), CurrentGrid());
    MainWindowDC dc(window);
    ScopedPen pen(dc, ConsoleColorRef());
    FillRows(dc, mark.top - 1, mark.bottom + 1, mark.left - 1, mark.right + 1);
}

void PaintCalculatorWindow(HWND window, Calculator& calc) {
    PaintSession paint(window);
    PaintBands(window);
    // A second copy closes itself before it gets a view; it shows only its bands.
    if (calc.view != nullptr) {
        RepaintCalculatorContents(calc);
    }
}

}  // namespace quarnic
