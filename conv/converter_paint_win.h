// What the converter draws itself in its main window: the bands in the console colour, the input
// and answer consoles with their notation rows, and the boxes beside the two "X" buttons. Every
// routine takes its own device context from GetDC and releases it, so the handlers can draw
// outside WM_PAINT.
#pragma once

#include <windows.h>

#include "conv/converter_layout.h"

namespace quarnic {

struct Converter;

// The shell's layout values under the names the converter's figures are written in.
ConverterGeometry CurrentConverterGeometry();

void PaintConverterWindow(HWND window, Converter& converter);
void PaintConverterBackground(HWND window);

void ClearInputConsole(HWND window);
void DrawInputConsole(HWND window, const char* text);
void ClearAnswerConsole(HWND window);
void DrawAnswerConsole(HWND window, const char* text);
void ClearFromOtherBox(HWND window);
void DrawFromOtherBox(HWND window, const char* label);
void ClearToOtherBox(HWND window);
void DrawToOtherBox(HWND window, const char* label);

}  // namespace quarnic
