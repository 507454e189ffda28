// A control's accessible name in place of its caption.
#pragma once

#include <windows.h>

namespace quarnic {

// The name screen readers give a control, in place of its caption, which stays as painted. The
// name must be a constant text (it is kept, not copied).
void SetAccessibleName(HWND control, const wchar_t* name);

}  // namespace quarnic
