// The text of a saved answer, and the same lines as the history keeps them.
#pragma once

#include <string>

#include "calc/calculator_state.h"
#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "engine/digit_string.h"

namespace quarnic {

// Builds the lines "first op", "second =", the answer (or the answer before the first root
// of a run), and "count time(s) SQRT : root" when roots were taken, each ending in CR LF, every
// number with every place the calculator holds (300 + 900). Returns the text's length (without
// the NUL).
int BuildSavedText(const LastCalculation& last, const SqrtState& sqrt, SavedText& text);
// The same from the calculator's own record.
int BuildSavedText(const Calculator& calculator, SavedText& text);

// The same text as a string, for the history.
std::string BuildFullSavedText(const LastCalculation& last, const SqrtState& sqrt);
// A run of roots of a number that no "=" produced: the number the run started from, then the
// line "count time(s) SQRT : root", every place written.
std::string BuildFullRootText(const SqrtState& sqrt);
// One number as those texts write it: "-12.5 (10)".
std::string BuildFullNumberText(const DigitString& digits, int sign, int notation);

}  // namespace quarnic
