// The digit-limit warning (WARN_DLG / WARN_DLG_J) and the converter's system-error box.
#pragma once

#include <windows.h>

namespace quarnic {

// Modal, owned by the main window; text is UTF-8. Returns 1 for OK, 0 for the close box, -1
// when the dialog could not be shown.
int ShowWarningDialog(HWND owner, const char* text, bool japanese);

// System-modal error box without owner; text and caption are UTF-8.
void ShowSystemErrorBox(const char* text, const char* caption);

}  // namespace quarnic
