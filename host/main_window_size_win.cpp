#include "host/main_window_size_win.h"

#include <algorithm>

#include "host/dpi_win.h"
#include "host/shell_win.h"

namespace quarnic {

SIZE SmallestWindowSize() {
    const Layout& layout = Shell().layout;
    return WindowSizeForClient(MAIN_WINDOW_STYLE, 0, layout.ClientWidth, layout.ClientHeight,
                               Shell().layoutDpi);
}

void LimitToSmallestSize(MINMAXINFO& limits) {
    // Sent before the layout exists, while the window is being created.
    if (Shell().layout.ClientWidth <= 0) {
        return;
    }
    const SIZE smallest = SmallestWindowSize();
    limits.ptMinTrackSize.x = std::max<LONG>(limits.ptMinTrackSize.x, smallest.cx);
    limits.ptMinTrackSize.y = std::max<LONG>(limits.ptMinTrackSize.y, smallest.cy);
}

void RelayoutToClient(HWND window) {
    ShellState& shell = Shell();
    // Measured against the smallest window rather than by the client area: where the real frame
    // differs from the one the layout's DPI gives (a change of DPI under Wine, which keeps one
    // DPI), the smallest window still gets the smallest layout.
    RECT rect;
    GetWindowRect(window, &rect);
    const SIZE smallest = SmallestWindowSize();
    const Layout& layout = shell.layout;
    shell.layout =
        LayoutForClient(layout, layout.ClientWidth + (rect.right - rect.left) - smallest.cx,
                        layout.ClientHeight + (rect.bottom - rect.top) - smallest.cy);
    shell.program->window->MoveControlsToLayout();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void EraseAroundKeys(HWND window, HDC dc) {
    const int saved = SaveDC(dc);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        // The carriers of painted texts are transparent: what lies under them is painted.
        const bool key =
            IsWindowVisible(child) && (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) == 0;
        if (key) {
            RECT rect;
            GetWindowRect(child, &rect);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
            ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
        }
    }
    RECT client;
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RestoreDC(dc, saved);
}

}  // namespace quarnic
