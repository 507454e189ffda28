// Backspace (keyboard only): erases the last typed character of the operand being typed.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

// Only while an operand is typed: drops its last character (and the point flag with a "."). When
// what would be left is nothing, a lone "-" or the "0." a first "0" or "." produced (with or
// without its "-"), it acts as "CE" instead. At any other time it does nothing.
void Backspace(Calculator& calc);

}  // namespace quarnic
