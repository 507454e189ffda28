// Conversion of a digit string from one notation into another.
#pragma once

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// The digit limit both callers pass to ConvertDigits.
inline constexpr int CONVERSION_DIGIT_LIMIT = 600;

// How many digits of notation `from` match 298 digits of notation `to` (at most 298).
int ConversionBudget(int from, int to);

// Decides how many significant digits of s (notation `from`) can be converted into `to` and
// writes the truncated source into ConversionDigits, with ConversionDigitCount and
// ConversionFractionCount. Returns 0, or -1 when s has too many integer digits or its first
// digit lies too far below the point. s is unchanged and may be ResultDigits.
int PrepareConversion(EngineRegisters& regs, const DigitString& s, int from, int to);

// Writes into ResultDigits the value, in notation `to`, of the `count` significant digits of
// s from its first nonzero place, `frac` of them below the point; the fraction is truncated
// at the 900th place. Returns 0, or -1 when more than digitLimit target digits are needed or
// the final division fails. Callers pass ConversionDigits (or a copy), its counts and
// CONVERSION_DIGIT_LIMIT.
int ConvertDigits(EngineRegisters& regs, const DigitString& s, int from, int count, int frac,
                  int to, int digitLimit);

}  // namespace quarnic
