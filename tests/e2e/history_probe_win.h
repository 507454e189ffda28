// The calculator's history window seen and used from outside: "history ACTION [ARGS]".
//   history show                 the window: rect, client size, list lines, selection, the full
//                                text, the notation and number shown, Keep, controls in client
//   history select N | notation N   picks line N (0 = newest) or notation N, as a user would
//   history command ID           WM_COMMAND sent to the window (Recall, Copy, Keep, Close)
//   history post ID              the same posted, for Clear and Save..., which ask first
//   history click ID             a posted click on a control (a check box toggles)
//   history size W H             resizes the window (outer size, pixels)
//   history names                the controls' accessible names, as for the main window
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quarnic::e2e {

// Runs the action on the history window of the calculator `main`. True with the JSON answer in
// `json`, or false with the reason in `error`.
bool RunHistoryProbe(HWND main, const std::vector<std::wstring>& args, std::string& json,
                     std::string& error);

}  // namespace quarnic::e2e
