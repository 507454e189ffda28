#include "host/main_window_size_win.h"

#include <algorithm>

#include "host/dpi_win.h"
#include "host/shell_win.h"

namespace quarnic {

SIZE SmallestWindowSize(HWND window) {
    const Layout& layout = Shell().layout;
    return WindowSizeForClient(MAIN_WINDOW_STYLE, 0, layout.ClientWidth, layout.ClientHeight,
                               WindowDpi(window));
}

void LimitToSmallestSize(HWND window, MINMAXINFO& limits) {
    // Sent before the layout exists, while the window is being created.
    if (Shell().layout.ClientWidth <= 0) {
        return;
    }
    const SIZE smallest = SmallestWindowSize(window);
    limits.ptMinTrackSize.x = std::max<LONG>(limits.ptMinTrackSize.x, smallest.cx);
    limits.ptMinTrackSize.y = std::max<LONG>(limits.ptMinTrackSize.y, smallest.cy);
}

void RelayoutToClient(HWND window) {
    ShellState& shell = Shell();
    const SIZE client = ClientSize(window);
    shell.layout = LayoutForClient(shell.layout, client.cx, client.cy);
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
