// The operator keys and "=".
#pragma once

#include <string_view>

#include "calc/calculator_state.h"

namespace quarnic {

// op is "+", "-", "*" or "/". Pends it (replacing one already pending); never computes. The
// second operand becomes a copy of the first. Ignored while the console is blank.
void EnterOperator(Calculator& calc, std::string_view op);

// First operand, pending operator, second operand, in the second operand's notation; the first
// operand is converted into it when typed in another one. Nothing happens without both
// operands and an operator. True when an answer was shown.
bool Evaluate(Calculator& calc);

// After an answer, moves the notation buttons to the notation it was computed in.
void SyncNotationToAnswer(Calculator& calc);

}  // namespace quarnic
