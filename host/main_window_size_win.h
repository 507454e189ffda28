// How the main window takes a size: its sizing frame, its smallest size (the layout of the
// start), and the one relayout that a new size, the start and a change of DPI all go through.
#pragma once

#include <windows.h>

namespace quarnic {

// A sizing frame and a maximize box beside the minimize box. WS_CAPTION is what an overlapped
// window gets anyway; it is named so that the frame computed for a client size counts it.
inline constexpr DWORD MAIN_WINDOW_STYLE =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_THICKFRAME | WS_MAXIMIZEBOX;

// The outer size whose client area is the smallest layout's, with the frame a window has at the
// layout's DPI.
SIZE SmallestWindowSize();

// WM_GETMINMAXINFO: no smaller than the smallest layout, once there is one.
void LimitToSmallestSize(MINMAXINFO& limits);

// The layout for the window's size as it is now, every control moved to it at once with nothing
// drawn meanwhile, then one repaint of the whole window (the way a change of DPI relays out).
void RelayoutToClient(HWND window);

// WM_ERASEBKGND: the background around the keys only, so that a relayout never shows a key
// erased before it paints itself again.
void EraseAroundKeys(HWND window, HDC dc);

}  // namespace quarnic
