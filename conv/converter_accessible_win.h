// The converter as a screen reader meets it: the two consoles and the boxes of "X" carried as
// texts, and names for the step buttons, whose captions are only "-" and "+".
#pragma once

#include <windows.h>

#include "conv/converter_view.h"

namespace quarnic {

// After the controls exist and before the converter first draws through its view.
void CreateConverterAccessibleTexts(HWND window);

// The text carried for the pane's "X" box.
void ShowOtherText(HWND window, ConverterPane pane, const char* label);

}  // namespace quarnic
