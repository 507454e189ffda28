// The console-colour dialog.
#pragma once

#include <windows.h>

namespace quarnic {

void ShowColorDialog(HWND owner);

}  // namespace quarnic
