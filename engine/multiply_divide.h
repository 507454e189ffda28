// Multiplication and division of digit-string magnitudes, exact and cut once.
#pragma once

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// ResultDigits = a * b: the exact product cut after its 900th fraction place. Returns 0, or -1
// (ResultDigits untouched) when its integer part needs more than 300 places. a and b are
// unchanged and may be ResultDigits.
int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation);

// ResultDigits = n / d: the exact quotient cut after its 900th fraction place, every place a
// digit of the notation. Returns 0, or -1 (ResultDigits untouched) when d is zero or the
// quotient's integer part needs more than 300 places. n and d are unchanged and may be
// ResultDigits.
int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation);

}  // namespace quarnic
