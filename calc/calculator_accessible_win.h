// The calculator as a screen reader meets it: the console, the box of "X" and the memory mark
// carried as texts, and names for the keys whose captions do not say what they are.
#pragma once

#include <windows.h>

#include <string_view>

namespace quarnic {

// After the keys exist and before the calculator first draws through its view.
void CreateCalculatorAccessibleTexts(HWND window);

void ShowOtherNotationText(HWND window, std::string_view label);

struct Calculator;

// The texts a repaint shows, which it draws without the view: the console, the box of "X"
// and the memory mark. Only what changed raises a name change.
void ShowRepaintedTexts(HWND window, const Calculator& calc);

}  // namespace quarnic
