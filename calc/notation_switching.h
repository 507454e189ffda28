// The notation buttons "2", "4", "8", "10", "16", "X" and the step buttons beside the box of "X".
// While an answer of "=" is on show and no operator is pending, a new notation converts it.
#pragma once

#include "calc/calculator_state.h"
#include "shell/notation.h"

namespace quarnic {

// n is 2, 4, 8, 10 or 16.
void SelectFixedNotation(Calculator& calc, int n);
void SelectOtherNotation(Calculator& calc);
void StepOtherNotation(Calculator& calc, StepDirection direction);

// Keeps ResultDigits, just computed in `notation` by "=" or the square root, as the answer
// that notation switches convert.
void RememberComputedAnswer(Calculator& calc, int notation);

// Converts the computed answer into notation `to` and shows it; a conversion that fails shows
// the error display.
void ConvertShownAnswer(Calculator& calc, int to);

}  // namespace quarnic
