// What the converter draws itself in its main window: the bands in the console colour; the
// consoles and "X" boxes are the shell's figures (host/console_paint_win.h) at the converter's
// two places.
#pragma once

#include <windows.h>

namespace quarnic {

struct Converter;

void PaintConverterWindow(HWND window, Converter& converter);

}  // namespace quarnic
