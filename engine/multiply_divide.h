// Multiplication and long division of digit-string magnitudes.
#pragma once

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// ResultDigits = a * b, each partial product truncated below the 900th fraction place on its
// own. Returns 0, or -1 when the product needs more than 300 integer places. a and b are
// unchanged and may not be registers of regs.
int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation);

// ResultDigits = n / d, truncated; 1200 quotient steps with the shifted divisor cut at place
// 1199, so a fractional divisor leaves the last places below its first digit uncomputed and
// a few trailing counts too large (carried into the place before, so every digit is valid).
// Returns 0, or -1 when d is zero or holds a digit at or above the notation (ResultDigits
// untouched) or the quotient needs more than 300 integer places. n and d may not be
// registers of regs.
int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation);

}  // namespace quarnic
