// The notation buttons "2", "4", "8", "10", "16", "X" and the step buttons beside the box of "X".
// While an answer of "=" is on show and no operator is pending, a new notation converts it.
#pragma once

#include "calc/calculator_state.h"
#include "common/notation.h"

namespace quarnic {

// Selects notation n on the pane: its button checked ("X" with n behind it for a notation
// without a button of its own), the box of "X" showing it, the digit keys following it.
void SelectNotation(Calculator& calc, int n);

// n is 2, 4, 8, 10 or 16.
void SelectFixedNotation(Calculator& calc, int n);
void SelectOtherNotation(Calculator& calc);
void StepOtherNotation(Calculator& calc, StepDirection direction);

// Converts the computed answer into notation `to` and shows it; a conversion that fails shows
// the error display.
void ShowAnswerInNotation(Calculator& calc, int to);

}  // namespace quarnic
