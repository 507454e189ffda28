// Which keys and system-menu items of the calculator can be pressed, and which notation button
// is checked: a function of the state alone. The view shows what it says and is never asked.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

// The console shows a number that Copy can take: not empty, not the error display.
bool ConsoleShowsValue(const CalculatorState& state);

// Whether the key or system-menu item `id` can be pressed now. Ids that are neither are
// always available.
bool CalculatorCommandAvailable(const Calculator& calc, int id);

// Shows on the view every key's and greyable item's availability and the checked notation
// button, as the state has them.
void ShowAvailability(Calculator& calc);

}  // namespace quarnic
