// The one-value memory: "Min" keeps the operand with its notation and the console text; "MR"
// puts all three back.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

void MemoryIn(Calculator& calc);
void MemoryRecall(Calculator& calc);

// The notation buttons move to the notation of a recalled (or pasted) operand and then stay
// fixed, as for a typed operand, until an operator, "=", "AC", the error display or a blanking
// "CE".
void SelectMemoryNotation(Calculator& calc, int notation);

// What "MR" does with the memory, for any operand text and console form (a pasted number takes
// the same way): the first operand, or the second after an operator, in that notation.
void PutRecalledOperand(Calculator& calc, const PlainText& text, const PlainText& console,
                        int notation);

}  // namespace quarnic
