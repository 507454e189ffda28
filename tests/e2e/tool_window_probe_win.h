// The tool windows a program opens beside its main window (modeless dialogs it owns): finding
// one, reading its controls and its list, and clicking in it as a user would.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quarnic::e2e {

// The visible dialog `main` owns while `main` itself is usable: a tool window, not a modal
// dialog (which disables its owner). Null when there is none.
HWND FindOwnedToolWindow(HWND main);
// A message to a control of the program, answered within the probe's time limit (0 if not).
LRESULT AskControl(HWND control, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// A list box's lines as a JSON array of strings.
std::string ListItemsJson(HWND list);

// Real mouse clicks (SendInput) at a point of the screen, then a short pause for the program.
void ClickAt(POINT point, int clicks);

// Each prints one JSON line and returns the driver's exit code. args follow the command name.
//   tool-window                      the visible tool window: title, frame, client area (its
//                                    origin on the screen and its size), whether
//                                    it is in front, its controls, its list box's lines and
//                                    selection, and the controls' accessible names
//   tool-window-click ID             a real mouse click at the centre of its control
//   tool-window-double-click LINE    a real double click on that line of its list box
int ToolWindowCommand(const std::wstring& window_class, const std::vector<std::wstring>& args);
int ToolWindowClickCommand(const std::wstring& window_class, const std::vector<std::wstring>& args);
int ToolWindowDoubleClickCommand(const std::wstring& window_class,
                                 const std::vector<std::wstring>& args);

}  // namespace quarnic::e2e
