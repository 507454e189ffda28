// Looking at another program's windows from outside: finding them, reading their controls,
// system menu and dialogs, and the clipboard. Everything here only reads, except where a
// function says it presses or types.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quarnic::e2e {

// Every top-level window of the class, in z-order; a title narrows the search.
std::vector<HWND> FindTopLevelWindows(const std::wstring& window_class, const wchar_t* title);

// The visible window of the class if there is one (a second copy stays hidden), else the first.
HWND FindMainWindow(const std::wstring& window_class);

// Polls until a visible window of the class (and title, if given) answers messages.
HWND WaitForMainWindow(const std::wstring& window_class, const wchar_t* title, DWORD timeout_ms);

std::wstring WindowText(HWND window);
std::wstring ClassOf(HWND window);

// The whole visible state of the main window as one JSON object: title, geometry, whether it is
// minimized, maximized, topmost and in front, every child control (id, class, text, enabled,
// checked, rectangle in client coordinates) and every system-menu item (id, text, enabled,
// greyed, checked).
std::string DescribeMainWindow(HWND main);

// A dialog or message box of the main window's process, preferring the enabled one (the top of
// a stack of modal windows); null if none is open.
HWND FindProcessDialog(HWND main);
HWND WaitForProcessDialog(HWND main, DWORD timeout_ms);

// Caption, static texts and button texts of a dialog, as JSON.
std::string DescribeDialog(HWND dialog);

// A control anywhere below the window (the save dialog nests some of its controls).
HWND FindDescendantById(HWND window, int id);

// Polls until the window is gone.
bool WaitUntilGone(HWND window, DWORD timeout_ms);

// CF_UNICODETEXT and CF_TEXT of the clipboard (retrying while another process holds it), JSON.
std::string DescribeClipboard();

}  // namespace quarnic::e2e
