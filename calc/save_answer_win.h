// "Sa&ve answer...": asks for a file name, checks the disk and the name, and writes the last
// calculation through a temporary file.
#pragma once

#include <windows.h>

namespace quarnic {

struct Calculator;

void SaveAnswer(HWND mainWindow, const Calculator& calc);

}  // namespace quarnic
