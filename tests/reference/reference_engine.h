// The arithmetic restated independently of the engine's code, kept as the reference the engine
// must match digit for digit and code for code. Test and benchmark code only.
#pragma once

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic::reference {

int LeadingZeroCount(const DigitString& digits);
int TrailingZeroCount(const DigitString& digits);
void ClearDigits(DigitString& digits);

int AddDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation);
void SubtractDigits(EngineRegisters& regs, DigitString& a, const DigitString& b, int notation);
int CompareDigits(const DigitString& a, const DigitString& b);

int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation);
int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation);

int ConversionBudget(int from, int to);
int PrepareConversion(EngineRegisters& regs, const DigitString& s, int from, int to);
int ConvertDigits(EngineRegisters& regs, const DigitString& s, int from, int count, int frac,
                  int to, int digitLimit);

}  // namespace quarnic::reference
