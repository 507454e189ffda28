// What can only be seen or done from inside the program's own process, through a small hook DLL
// that Wine loads into it: the driver hooks the window's thread and sends a registered probe
// message, and the hook answers it by writing JSON into a file named after the driver's process
// id. Wine keeps menus inside their process, so the system menu is read this way; and a
// WM_DPICHANGED must carry a rectangle of the program's own memory, so it is delivered this way.
#pragma once

#include <windows.h>

#include <string>

namespace quarnic::e2e {

inline constexpr wchar_t kMenuProbeMessage[] = L"QuarnicE2EMenuProbe";
inline constexpr wchar_t kDpiChangeProbeMessage[] = L"QuarnicE2EDpiChangeProbe";
inline constexpr char kProbeExport[] = "QuarnicMenuProbeHook";

// %TEMP%\quarnic-e2e-probe-<requester>.json, the same in both processes of one prefix.
std::wstring ProbeAnswerFile(DWORD requester_process_id);

// Every system-menu item of the main window (id, text, separator, greyed, disabled, checked) as a
// JSON array, or "null" when the probe could not run.
std::string ProbeSystemMenu(HWND main);

// Sends the window, from inside its process, the WM_DPICHANGED Windows sends when it reaches a
// monitor of new_dpi: the suggested rectangle is its frame scaled by new_dpi / old_dpi at its
// top-left corner. The answer: {"suggested":[x,y,w,h],"layout_us":N,"paint_us":N}, the time
// the window took to handle the message and then to repaint; "null" when the probe could not run.
std::string ProbeDpiChange(HWND window, int new_dpi, int old_dpi);

}  // namespace quarnic::e2e
