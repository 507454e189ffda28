#include "calc/sqrt_key_win.h"

#include "calc/calculator_layout.h"
#include "host/shell_win.h"

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

// Drawn for the key's size, which grows with the window.
void DrawRadicalSign(HDC dc, int keyWidth, int keyHeight) {
    const RadicalSign sign = RadicalSignPoints(keyWidth, keyHeight);
    POINT points[6];
    for (std::size_t i = 0; i < sign.size(); ++i) {
        points[i] = POINT{sign[i].x, sign[i].y};
    }
    ScopedPen pen(dc, BLACK);
    // The bar, then the stroke down and up again.
    DrawPolyline(dc, points, 2);
    DrawPolyline(dc, points + 2, 4);
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
    DrawRadicalSign(dc, w + 1, b + 1);
}

}  // namespace quarnic
