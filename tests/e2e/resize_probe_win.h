// Making the main window larger as a user would: a drag of its bottom-right corner with real
// mouse input (SendInput). Where the window manager leaves no frame to take hold of, the size is
// set with SetWindowPos instead, and the answer says which of the two ran.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quarnic::e2e {

// resize WIDTH HEIGHT: the window's outer size. Prints {"ok":true,"method":"drag" or
// "set-window-pos","dragged_to":[w,h] (what the drag reached),"window":[x,y,w,h],
// "client":[w,h]} and returns the driver's exit code.
int ResizeCommand(HWND main, const std::vector<std::wstring>& args);

}  // namespace quarnic::e2e
