// Multiplication and division one digit at a time, as the arithmetic is defined. The fast
// routines fall back on these where a digit at or above the notation (left by an earlier
// division's too-large count) or an overflow makes the packed methods inexact.
#pragma once

#include <array>

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

bool HasDigitAtOrAbove(const DigitString& s, int notation);

// Raw division counts, one per step, written as valid digits of the notation with the same
// value (surplus carried into the place before).
void WriteQuotientCounts(const std::array<int, DIGIT_PLACES>& counts, int notation,
                         DigitString& quotientDigits);

int MultiplyDigitSerially(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                          int notation);
int DivideDigitSerially(EngineRegisters& regs, const DigitString& n, const DigitString& d,
                        int notation);

}  // namespace quarnic
