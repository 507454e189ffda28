// The "All notations" window on the screen: a modeless dialog owned by the main window, whose
// list shows the lines the logic sends and whose keys and clicks go back to the logic.
#pragma once

#include <windows.h>

#include <string_view>

#include "conv/converter_state.h"

namespace quarnic {

// Creates the window when it is closed (in its remembered place), and brings it to the front.
// False, after the "Unable to display dialog" box, when it could not be created.
bool ShowAllNotationsDialog(HWND owner, Converter& converter);

// A line of the open window's list (UTF-8); nothing happens while the window is closed.
void SetAllNotationsListLine(int line, std::string_view text);

}  // namespace quarnic
