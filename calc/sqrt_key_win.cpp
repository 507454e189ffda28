#include "calc/sqrt_key_win.h"

#include "calc/calculator_layout.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

constexpr COLORREF BLACK = RGB(0, 0, 0);
constexpr COLORREF WHITE = RGB(255, 255, 255);

void Stroke(HDC dc, COLORREF color, std::initializer_list<POINT> points) {
    ScopedPen pen(dc, color);
    DrawPolyline(dc, points.begin(), static_cast<int>(points.size()));
}

void DrawBorder(HDC dc, int w, int b, bool pressed, const SqrtKeyColors& colors) {
    Stroke(dc, pressed ? BLACK : WHITE, {{w, 0}, {0, 0}, {0, b}});
    {
        ScopedPen pen(dc, pressed ? WHITE : BLACK);
        const POINT edge[] = {{w, 0}, {w, b}, {0, b}};
        DrawPolyline(dc, edge, 3);
        DrawLine(dc, 0, b, w, b);
    }
    Stroke(dc, pressed ? colors.shadow : colors.light, {{w - 1, 1}, {1, 1}, {1, b - 1}});
    ScopedPen pen(dc, pressed ? colors.light : colors.shadow);
    const POINT edge[] = {{w - 1, 1}, {w - 1, b - 1}, {1, b - 1}};
    DrawPolyline(dc, edge, 3);
    DrawLine(dc, 1, b - 1, w - 1, b - 1);
}

void DrawRadicalSign(HDC dc) {
    const int W = Shell().layout.KeyWidth;
    const int H = Shell().layout.KeyHeight;
    Stroke(dc, BLACK, {{W - W / 4, H / 4}, {3 * W / 10 - 1, H / 4}});
    Stroke(
        dc, BLACK,
        {{3 * W / 10, H / 4}, {W / 4, H - H / 4}, {W / 5, H - H / 2}, {W / 5 - 2, H - H / 2 + 2}});
}

}  // namespace

void DrawSqrtKey(const DRAWITEMSTRUCT& item, const SqrtKeyColors& colors) {
    RECT window;
    GetWindowRect(item.hwndItem, &window);
    const int w = window.right - window.left - 1;
    const int b = window.bottom - window.top - 1;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    DrawBorder(dc, w, b, pressed, colors);
    RECT focus;
    SetRect(&focus, 3, 3, w - 2, b - 2);
    DrawFocusRect(dc, &focus);
    if (!pressed) {
        // The focus rectangle inverts: a second one takes the first away.
        DrawFocusRect(dc, &focus);
    }
    DrawRadicalSign(dc);
}

}  // namespace quarnic
