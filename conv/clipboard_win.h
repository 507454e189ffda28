// Putting a short ASCII text on the real clipboard.
#pragma once

#include <windows.h>

namespace quarnic {

// Hands text to the clipboard as CF_TEXT and as CF_UNICODETEXT, so that programs which only
// read Unicode text paste it too. The clipboard may be held for a moment by another program
// (Wine's clipboard manager does this): opening is tried again for about 100 ms before giving
// up. Returns whether the clipboard took the text; a failed copy leaks no memory.
bool PutAsciiTextOnClipboard(HWND owner, const char* text);

}  // namespace quarnic
