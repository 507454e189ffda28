// The real clipboard for both programs' Copy and Paste.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace quarnic {

// Opening is tried for about half a second: the clipboard may be held for a moment by another
// program (Wine's clipboard manager does this). Longer than that, the other program is taken
// to be holding it.
inline constexpr DWORD CLIPBOARD_PATIENCE_MS = 500;

// Hands an ASCII text to the clipboard as CF_TEXT and as CF_UNICODETEXT, so that programs
// which only read Unicode text paste it too. Returns whether the clipboard took it; a failed
// copy leaks no memory.
bool PutAsciiTextOnClipboard(HWND owner, std::string_view text);

// Reads the clipboard's text as UTF-8: CF_UNICODETEXT, or CF_TEXT in the ANSI code page when
// that is all there is; an empty text when it holds no text. False when it cannot be opened.
bool ReadClipboardUtf8(HWND owner, std::string& text);

// UTF-8 text as UTF-16, for message boxes.
std::wstring WideFromUtf8(std::string_view text);

}  // namespace quarnic
