// What the calculator draws itself in its main window: the bands in the console colour around
// the keys, the console with its notation row, the box of "X" and the memory mark. Every
// routine takes its own device context from GetDC and releases it.
#pragma once

#include <windows.h>

#include <string_view>

namespace quarnic {

struct Calculator;

void PaintCalculatorWindow(HWND window, Calculator& calc);
void ClearConsole(HWND window);
void DrawConsole(HWND window, std::string_view text);
void ClearOtherNotationBox(HWND window);
void DrawOtherNotationBox(HWND window, std::string_view label);
void DrawMemoryMark(HWND window);
void EraseMemoryMark(HWND window);

}  // namespace quarnic
