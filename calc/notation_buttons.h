// The calculator's six notation buttons, the step buttons beside "X" and the digit keys: which
// notation is selected and which of them can be pressed.
#pragma once

#include "calc/calculator_state.h"
#include "common/notation.h"

namespace quarnic {

// The notation new numbers are typed in: 2, 4, 8, 10 or 16 for those buttons, OtherNotation
// for "X".
int ReadNotation(const Calculator& calc);

// Selects the button of n ("X" for a notation without a button of its own); the digit keys and
// the step buttons follow it. OtherNotation is not changed.
void CheckNotationButton(Calculator& calc, int n);

// Typing may go on / an operand's notation may not change under it.
void EnableNotationButtons(Calculator& calc);
void DisableNotationButtons(Calculator& calc);

}  // namespace quarnic
