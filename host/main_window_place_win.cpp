#include "host/main_window_place_win.h"

#include "host/main_window_size_win.h"
#include "host/shell_win.h"
#include "host/tool_window_win.h"

namespace quarnic {
namespace {

// The smallest window, with the sizing frame it really has.
WindowPlace LayoutPlace() {
    const Layout& layout = Shell().layout;
    const SIZE smallest = SmallestWindowSize();
    return {layout.WindowX, layout.WindowY, static_cast<int>(smallest.cx),
            static_cast<int>(smallest.cy)};
}

// A minimized window that was maximized before comes back maximized: so does the next start.
bool MaximizedNow(HWND window) {
    if (IsZoomed(window)) {
        return true;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    return IsIconic(window) && GetWindowPlacement(window, &placement) &&
           (placement.flags & WPF_RESTORETOMAXIMIZED) != 0;
}

bool ShownOnTop(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

void ShowMainWindowAtKeptPlace(HWND window) {
    const WorkAreas screens = VisibleWorkAreas();
    const WindowStart start =
        ChooseWindowStart(Shell().keptPlace, LayoutPlace(), screens.areas, screens.count);
    const WindowPlace& place = start.place;
    SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    if (!start.maximized) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
}

void ShowKeptMaximizedWindow(HWND window) {
    const std::optional<KeptWindowPlace>& kept = Shell().keptPlace;
    if (kept.has_value() && kept->maximized && !IsWindowVisible(window)) {
        ShowWindow(window, SW_SHOWMAXIMIZED);
        UpdateWindow(window);
    }
}

void NoteNormalPlace(HWND window) {
    RECT rect;
    if (IsIconic(window) || IsZoomed(window) || !GetWindowRect(window, &rect)) {
        return;
    }
    Shell().normalPlace = {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

KeptWindowPlace PlaceToKeep(HWND window) {
    return {Shell().normalPlace, MaximizedNow(window)};
}

HWND SettledWindowOrder() {
    return Shell().alwaysOnTop ? HWND_TOPMOST : HWND_NOTOPMOST;
}

void ShowAlwaysOnTop(HWND window) {
    const bool onTop = Shell().alwaysOnTop;
    CheckMenuItem(GetSystemMenu(window, FALSE),
                  static_cast<UINT>(Shell().program->menu.alwaysOnTopId),
                  MF_BYCOMMAND | (onTop ? MF_CHECKED : MF_UNCHECKED));
    // A window already in its order stays where it is among its peers.
    if (ShownOnTop(window) != onTop) {
        SetWindowPos(window, SettledWindowOrder(), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

void TurnOverAlwaysOnTop(HWND window) {
    Shell().alwaysOnTop = !Shell().alwaysOnTop;
    ShowAlwaysOnTop(window);
}

}  // namespace quarnic
