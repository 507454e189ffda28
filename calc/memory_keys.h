// The one-value memory: "Min" keeps the operand with its notation and the console text; "MR"
// puts all three back.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

void MemoryIn(Calculator& calc);
void MemoryRecall(Calculator& calc);

}  // namespace quarnic
