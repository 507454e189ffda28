// What the arithmetic must give, computed from first principles on exact big integers: every
// digit string is its 1200 places read as one integer, scaled by notation^900, and each result
// is the exact value cut after its 900th fraction place. Test and benchmark code only.
#pragma once

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic::reference {

int LeadingZeroCount(const DigitString& digits);
int TrailingZeroCount(const DigitString& digits);
void ClearDigits(DigitString& digits);

// The sum modulo notation^1200 (-1 when the modulo took something), the difference of a >= b,
// the comparison of values, each into ResultDigits where it writes one.
int AddDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation);
void SubtractDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                    int notation);
int CompareDigits(const DigitString& a, const DigitString& b);

// floor(a * b) and floor(n / d) to 900 fraction places; -1 (ResultDigits untouched) when the
// integer part needs more than 300 places or d is zero.
int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation);
int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation);

// s, read in notation `from`, cut after 900 fraction places of `to`; -1 (ResultDigits
// untouched) when its integer part needs more than 300 places of `to` or a nonzero s leaves
// no digit.
int ConvertDigits(EngineRegisters& regs, const DigitString& s, int from, int to);

// floor(sqrt(x) * n^places) / n^places.
void SquareRoot(const DigitString& x, int notation, int places, DigitString& root);

// The console's one round-up: when digits end, at lastPlace, in a run of at least `fit` top
// digits that does not start at place 0, that run is replaced by one unit in the place before
// it. -1 when the unit carries out of place 0.
int RoundUpTopRun(DigitString& digits, int notation, int fit, int lastPlace);

}  // namespace quarnic::reference
