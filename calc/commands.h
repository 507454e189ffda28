// The one entry for every command of the calculator, keys and system-menu items alike.
#pragma once

#include <string_view>

#include "calc/calculator_state.h"
#include "calc/calculator_view.h"

namespace quarnic {

// Sets the start state of the record and shows it: every flag and text at its initial value,
// "10" checked, the digit keys of notation 10, both step buttons and "MR" disabled, "Sa&ve
// answer..." and Copy greyed, every other key and the six notation buttons enabled.
void StartCalculator(Calculator& calc, CalculatorView& view);

// The one entry for every command: keys (WM_COMMAND ids) and the calculator's own system-menu
// items (Copy, Paste, the root setting, Save answer, History) with the shell's "Always on top". A
// command that is not available now, and an id that names none, is ignored.
void DispatchCommand(Calculator& calc, int id);

// A number recalled from the history, with its " (n)": the way of Paste, with the same steps
// after it as every command.
void DispatchRecall(Calculator& calc, std::string_view numberAndNotation);

// Whether id is one of the calculator's own system-menu items, which DispatchCommand takes.
bool IsCalculatorMenuCommand(int id);

}  // namespace quarnic
