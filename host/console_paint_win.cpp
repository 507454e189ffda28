#include "host/console_paint_win.h"

#include "common/shell_texts.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

constexpr COLORREF CYAN = RGB(0, 255, 255);
constexpr COLORREF GREY = RGB(128, 128, 128);
constexpr COLORREF WHITE = RGB(255, 255, 255);
constexpr COLORREF BLACK = RGB(0, 0, 0);

// Longer than any console text of either program.
constexpr std::size_t WIDE_TEXT_CHARS = 1210;

// Console texts and labels are digits, signs, points and the ASCII error text: widened one
// byte to one character.
std::wstring_view Widen(std::string_view text, wchar_t (&buffer)[WIDE_TEXT_CHARS]) {
    const std::size_t count = text.size() < WIDE_TEXT_CHARS ? text.size() : WIDE_TEXT_CHARS;
    for (std::size_t i = 0; i < count; ++i) {
        buffer[i] = static_cast<unsigned char>(text[i]);
    }
    return std::wstring_view(buffer, count);
}

void DrawWideText(HDC dc, std::string_view text, RECT rect, UINT format) {
    wchar_t wide[WIDE_TEXT_CHARS];
    const std::wstring_view shown = Widen(text, wide);
    DrawTextW(dc, shown.data(), static_cast<int>(shown.size()), &rect, format);
}

void FillConsole(HDC dc, const ConsoleFigure& c) {
    ScopedPen cyan(dc, CYAN);
    FillRows(dc, c.top + 3, c.bottom - 3, c.left + 3, c.right - 3);
}

// Black outline, then grey above and left, white below and right: a sunken panel.
void DrawSunkenFrame(HDC dc, const ConsoleFigure& c) {
    DrawClosedFrame(dc, c.left, c.top, c.right, c.bottom);
    {
        ScopedPen grey(dc, GREY);
        const POINT outer[] = {
            {c.left + 1, c.bottom - 1}, {c.left + 1, c.top + 1}, {c.right - 1, c.top + 1}};
        const POINT inner[] = {
            {c.left + 2, c.bottom - 2}, {c.left + 2, c.top + 2}, {c.right - 2, c.top + 2}};
        DrawPolyline(dc, outer, 3);
        DrawPolyline(dc, inner, 3);
    }
    ScopedPen white(dc, WHITE);
    const POINT outer[] = {
        {c.left + 2, c.bottom - 1}, {c.right - 1, c.bottom - 1}, {c.right - 1, c.top + 2}};
    const POINT inner[] = {
        {c.right - 2, c.top + 3}, {c.right - 2, c.bottom - 2}, {c.left + 3, c.bottom - 2}};
    DrawPolyline(dc, outer, 3);
    DrawPolyline(dc, inner, 3);
}

void DrawConsoleText(HDC dc, const ConsoleFigure& c, std::string_view text) {
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, CYAN);
    SetTextColor(dc, BLACK);
    DrawWideText(dc, text, RECT{c.left + 5, c.top, c.right - 5, c.bottom},
                 DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
}

void DrawNotationRow(HDC dc, const KeyGeometry& g, const ConsoleFigure& c) {
    DrawClosedFrame(dc, c.left, c.rowTop, c.right, c.rowBottom);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, Shell().LabelBackground);
    SetTextColor(dc, BLACK);
    const PixelRect label = NotationLabelRect(g, c);
    RECT rect{label.left, label.top, label.left + label.width, label.top + label.height};
    DrawTextW(dc, UiText(NOTATION_ROW_LABEL_EN, NOTATION_ROW_LABEL_JA), -1, &rect,
              DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

void FillRows(HDC dc, int firstRow, int lastRow, int x1, int x2) {
    for (int y = firstRow; y <= lastRow; ++y) {
        DrawLine(dc, x1, y, x2, y);
    }
}

void DrawClosedFrame(HDC dc, int left, int top, int right, int bottom) {
    const POINT frame[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    DrawPolyline(dc, frame, 5);
}

void PaintBands(HWND window, const Band* bands, int count) {
    MainWindowDC dc(window);
    ScopedPen pen(dc, ConsoleColorRef());
    for (int i = 0; i < count; ++i) {
        FillRows(dc, bands[i].firstRow, bands[i].lastRow, bands[i].x1, bands[i].x2);
    }
}

void ClearConsoleFigure(HWND window, const ConsoleFigure& console) {
    MainWindowDC dc(window);
    FillConsole(dc, console);
}

void DrawConsoleFigure(HWND window, const KeyGeometry& g, const ConsoleFigure& console,
                       std::string_view text) {
    MainWindowDC dc(window);
    DrawSunkenFrame(dc, console);
    FillConsole(dc, console);
    DrawConsoleText(dc, console, text);
    DrawNotationRow(dc, g, console);
}

void ClearOtherBox(HWND window, const OtherBoxFigure& box) {
    MainWindowDC dc(window);
    ScopedPen white(dc, WHITE);
    FillRows(dc, box.clearFirstRow, box.clearLastRow, box.clearX1, box.clearX2);
}

// Drawn with the device context's default pen and colours, as the box is on the button face.
void DrawOtherBox(HWND window, const OtherBoxFigure& box, std::string_view label) {
    MainWindowDC dc(window);
    DrawClosedFrame(dc, box.frameLeft, box.frameTop, box.frameRight, box.frameBottom);
    DrawWideText(dc, label, RECT{box.textLeft, box.textTop, box.textRight, box.textBottom},
                 DT_SINGLELINE | DT_VCENTER | DT_CENTER);
}

}  // namespace quarnic
