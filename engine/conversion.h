// Conversion of a digit string from one notation into another.
#pragma once

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// ResultDigits = s, read in notation `from`, written in notation `to`: the exact value of every
// digit of s, cut after the 900th fraction place of `to`. Returns 0, or -1 (ResultDigits
// untouched) when the integer part needs more than 300 places of `to`, or when s is not zero
// but keeps no digit within those 900 places. s may be ResultDigits.
int ConvertDigits(EngineRegisters& regs, const DigitString& s, int from, int to);

}  // namespace quarnic
