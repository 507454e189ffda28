// The history window: modeless, owned by the calculator's window, resizable, remembered in
// [History]. It shows the list in one-line form, the selected entry in full and its number in
// another notation; its buttons and keys go to the portable history commands.
#pragma once

#include <windows.h>

namespace quarnic {

struct Calculator;
class CalculationHistory;
class HistoryKeeping;

// Opens the window, or brings it to the front when it is open already.
void OpenHistoryWindow(HWND mainWindow, Calculator& calc, CalculationHistory& history,
                       HistoryKeeping& keeping);

}  // namespace quarnic
