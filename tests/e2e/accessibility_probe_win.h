// What a screen reader gets from another program's window: every child control's accessible
// name through the system's accessibility objects, and the name-change events the program
// raises while keys are pressed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quarnic::e2e {

// JSON: {"names": [{"id", "class", "name", "via"}]} where via is "msaa" (AccessibleObjectFromWindow
// and get_accName answered) or "window-text" (they did not, and the window text stands in).
std::string DescribeAccessibleNames(HWND main);

// Sends each id as a key command and collects the EVENT_OBJECT_NAMECHANGE events of the
// program's controls meanwhile. JSON: [{"id", "name"}] in the order raised.
std::string PressAndWatchNameChanges(HWND main, const std::vector<int>& ids);

}  // namespace quarnic::e2e
