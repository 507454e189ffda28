#include "calc/calculator_paint_win.h"

#include "calc/calculator_layout.h"
#include "calc/calculator_state.h"
#include "calc/display_updates.h"
#include "calc/notation_buttons.h"
#include "engine/fixed_text.h"
#include "shell/notation.h"
#include "shell/shell_texts.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

constexpr COLORREF CYAN = RGB(0, 255, 255);
constexpr COLORREF GREY = RGB(128, 128, 128);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// The layout values under the short names the geometry is written in.
struct Geometry {
    int W, H, S, L, h;
};

Geometry CurrentGeometry() {
    const Layout& layout = Shell().layout;
    return Geometry{layout.KeyWidth, layout.KeyHeight, layout.SpacingUnit, layout.Margin(),
                    layout.HalfKey()};
}

// Horizontal lines on every row from firstRow to lastRow inclusive, x1 drawn, x2 not.
void FillRows(HDC dc, int firstRow, int lastRow, int x1, int x2) {
    for (int y = firstRow; y <= lastRow; ++y) {
        DrawLine(dc, x1, y, x2, y);
    }
}

void DrawClosedFrame(HDC dc, int left, int top, int right, int bottom) {
    const POINT frame[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    DrawPolyline(dc, frame, 5);
}

std::wstring_view Widen(std::string_view text, wchar_t* buffer, std::size_t capacity) {
    std::size_t count = text.size() < capacity ? text.size() : capacity;
    for (std::size_t i = 0; i < count; ++i) {
        buffer[i] = static_cast<unsigned char>(text[i]);
    }
    return std::wstring_view(buffer, count);
}

void DrawConsoleInterior(HDC dc, const Geometry& g) {
    ScopedPen cyan(dc, CYAN);
    for (int i = 3; i <= g.H + g.S - 3; ++i) {
        DrawLine(dc, g.L + 3, g.S + i, g.L + 10 * g.W - 3, g.S + i);
    }
}

void DrawConsoleFrame(HDC dc, const Geometry& g) {
    const int right = g.L + 10 * g.W;
    const int bottom = 2 * g.S + g.H;
    DrawClosedFrame(dc, g.L, g.S, right, bottom);
    {
        ScopedPen grey(dc, GREY);
        const POINT outer[] = {{g.L + 1, bottom - 1}, {g.L + 1, g.S + 1}, {right - 1, g.S + 1}};
        const POINT inner[] = {{g.L + 2, bottom - 2}, {g.L + 2, g.S + 2}, {right - 2, g.S + 2}};
        DrawPolyline(dc, outer, 3);
        DrawPolyline(dc, inner, 3);
    }
    ScopedPen white(dc, WHITE);
    const POINT outer[] = {{g.L + 2, bottom - 1}, {right - 1, bottom - 1}, {right - 1, g.S + 2}};
    const POINT inner[] = {{right - 2, g.S + 3}, {right - 2, bottom - 2}, {g.L + 3, bottom - 2}};
    DrawPolyline(dc, outer, 3);
    DrawPolyline(dc, inner, 3);
}

void DrawConsoleText(HDC dc, const Geometry& g, std::string_view text) {
    wchar_t wide[PLAIN_TEXT_BYTES];
    std::wstring_view shown = Widen(text, wide, PLAIN_TEXT_BYTES);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, CYAN);
    SetTextColor(dc, BLACK);
    RECT rect{g.L + 5, g.S, g.L + 10 * g.W - 5, 2 * g.S + g.H};
    DrawTextW(dc, shown.data(), static_cast<int>(shown.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void DrawNotationRow(HDC dc, const Geometry& g) {
    DrawClosedFrame(dc, g.L, 3 * g.S + g.H, g.L + 10 * g.W, 4 * g.S + 2 * g.H);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, Shell().LabelBackground);
    RECT label{g.L + 5, 3 * g.S + g.H, g.L + 3 * g.W - 5, 4 * g.S + 2 * g.H};
    DrawTextW(dc, UiText(NOTATION_ROW_LABEL_EN, NOTATION_ROW_LABEL_JA), -1, &label,
              DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

void PaintWindowBands(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    WindowDC dc(window);
    ScopedPen pen(dc, ConsoleColorRef());
    for (const Band& band : CalculatorBandsFor(Shell().layout, client.right, client.bottom)) {
        FillRows(dc, band.firstRow, band.lastRow, band.x1, band.x2);
    }
}

void ClearConsole(HWND window) {
    WindowDC dc(window);
    DrawConsoleInterior(dc, CurrentGeometry());
}

void DrawConsole(HWND window, std::string_view text) {
    Geometry g = CurrentGeometry();
    WindowDC dc(window);
    DrawConsoleFrame(dc, g);
    DrawConsoleInterior(dc, g);
    DrawConsoleText(dc, g, text);
    DrawNotationRow(dc, g);
}

void ClearOtherNotationBox(HWND window) {
    Geometry g = CurrentGeometry();
    WindowDC dc(window);
    ScopedPen white(dc, WHITE);
    const int top = 4 * g.S + g.H - 2;
    for (int i = 1; i <= g.H - 2; ++i) {
        DrawLine(dc, g.L + 9 * g.W + 1, top + i, 3 * g.L + 9 * g.W + 1, top + i);
    }
}

void DrawOtherNotationBox(HWND window, std::string_view label) {
    Geometry g = CurrentGeometry();
    WindowDC dc(window);
    const int left = g.L + 9 * g.W, top = 4 * g.S + g.H - 2;
    DrawClosedFrame(dc, left, top, 3 * g.L + 9 * g.W + 2, 4 * g.S + 2 * g.H - 3);
    wchar_t wide[NOTATION_LABEL_BYTES];
    std::wstring_view shown = Widen(label, wide, NOTATION_LABEL_BYTES);
    RECT rect{left, top, 3 * g.L + 9 * g.W + 3, 4 * g.S + 2 * g.H - 2};
    DrawTextW(dc, shown.data(), static_cast<int>(shown.size()), &rect,
              DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

void DrawMemoryMark(HWND window) {
    Geometry g = CurrentGeometry();
    const int x0 = 3 * g.L + 9 * g.W, y0 = 7 * g.S + 6 * g.H;
    const ConsoleColor& c = Shell().console;
    WindowDC dc(window);
    {
        Rgb color = MemoryMarkColor(Rgb{c.red, c.green, c.blue});
        ScopedPen mark(dc, RGB(color.red & 0xFF, color.green & 0xFF, color.blue & 0xFF));
        FillRows(dc, y0 - 10, y0 - 4, x0 - 3, x0 + 3);
    }
    DrawClosedFrame(dc, x0 - 3, y0 - 10, x0 + 3, y0 - 4);
}

void EraseMemoryMark(HWND window) {
    Geometry g = CurrentGeometry();
    const int x0 = 3 * g.L + 9 * g.W, y0 = 7 * g.S + 6 * g.H;
    WindowDC dc(window);
    ScopedPen pen(dc, ConsoleColorRef());
    FillRows(dc, y0 - 11, y0 - 3, x0 - 4, x0 + 4);
}

void PaintCalculatorWindow(HWND window, Calculator& calc) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    PaintWindowBands(window);
    DrawConsole(window, TextOf(calc.state.ConsoleText));
    ClearText(calc.state.OtherNotationLabel);
    ClearOtherNotationBox(window);
    // Before the window's own WM_USER the notation buttons may not exist yet.
    if (calc.state.ReadyFlag == 1) {
        int n = ReadNotation(calc);
        if (!HasOwnButton(n)) {
            SetNotationLabel(calc.state.OtherNotationLabel, n);
        }
    }
    DrawOtherNotationBox(window, TextOf(calc.state.OtherNotationLabel));
    if (calc.state.MemoryHeld == 1) {
        DrawMemoryMark(window);
    }
    EndPaint(window, &paint);
}

}  // namespace quarnic
