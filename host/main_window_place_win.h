// What the main window keeps of its own between starts, with the console colour in the settings
// file: its place, size and maximized state, and "Always on top".
#pragma once

#include <windows.h>

#include "common/kept_window_place.h"

namespace quarnic {

// Creation, once the keys exist, when the settings kept a place (Shell().keptPlace): the window
// there, brought into view and at least its layout's size, and shown unless it was maximized.
void ShowMainWindowAtKeptPlace(HWND window);
// After creation (the window's WM_USER): a window kept maximized shows, maximized. Maximized while
// it is created, it would be maximized again as its creation ends, and take its maximized size
// for the normal one it is restored to.
void ShowKeptMaximizedWindow(HWND window);

// On every move or size (WM_WINDOWPOSCHANGED): the place is noted while the window is neither
// minimized nor maximized, for a maximized window comes back to that place when restored.
void NoteNormalPlace(HWND window);
// The place and state to keep at exit.
KeptWindowPlace PlaceToKeep(HWND window);

// The setting's check and the window's order, as the shell's state has them.
void ShowAlwaysOnTop(HWND window);
void TurnOverAlwaysOnTop(HWND window);
// The order a window made topmost for a while goes back to: HWND_TOPMOST while the setting is
// on, else HWND_NOTOPMOST.
HWND SettledWindowOrder();

}  // namespace quarnic
