// The calculator's 52 controls: where each stands and what it is labelled, from the layout.
#pragma once

#include <windows.h>

namespace quarnic {

// Creates every control in its fixed order and keeps it in the shell's control table.
void CreateCalculatorKeys(HWND mainWindow);

}  // namespace quarnic
