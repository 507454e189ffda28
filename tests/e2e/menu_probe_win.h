// The system menu of another process's window cannot be read from outside under Wine (menus
// are local to their process), so a small hook DLL reads it from inside: the driver hooks the
// window's thread, sends the probe message, and the hook writes the menu as JSON into a file
// named after the driver's process id.
#pragma once

#include <windows.h>

#include <string>

namespace quarnic::e2e {

inline constexpr wchar_t kMenuProbeMessage[] = L"QuarnicE2EMenuProbe";
inline constexpr char kMenuProbeExport[] = "QuarnicMenuProbeHook";

// %TEMP%\quarnic-e2e-menu-<requester>.json, the same in both processes of one prefix.
std::wstring MenuProbeFile(DWORD requester_process_id);

// Every system-menu item of the main window (id, text, separator, greyed, disabled) as a JSON
// array, or "null" when the probe could not run.
std::string ProbeSystemMenu(HWND main);

}  // namespace quarnic::e2e
