// The main window both programs run in: its window procedure and its keys.
#pragma once

#include <windows.h>

#include "common/layout.h"

namespace quarnic {

// The shell's window procedure of both programs' main windows.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// A child BUTTON for every placement, kept in the control table and shown, labelled in the
// layout's font.
void CreateKeys(HWND parent, const KeyPlacement* keys, int count);
// Moves every placed control (keys, and the carriers of painted texts) to its place and gives
// the keys the layout's font; nothing is drawn meanwhile, the caller repaints.
void MoveControls(const KeyPlacement* controls, int count);
HWND Control(int id);

}  // namespace quarnic
