// The converter as a screen reader meets it: the two consoles and the boxes of "X" carried as
// texts, and names for the step buttons, whose captions are only "-" and "+".
#pragma once

#include <windows.h>

namespace quarnic {

// After the controls exist and before the converter first draws through its view.
void CreateConverterAccessibleTexts(HWND window);

void ShowFromOtherText(HWND window, const char* label);
void ShowToOtherText(HWND window, const char* label);

}  // namespace quarnic
