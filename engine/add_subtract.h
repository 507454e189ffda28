// Addition, subtraction and comparison of digit-string magnitudes, and the signed table of "=".
#pragma once

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// ResultDigits = a + b in the notation. Returns 0, or -1 when a carry leaves place 0 (the
// sum needs more than 300 integer places; ResultDigits then holds the sum without it).
// a and b are unchanged and may not be ResultDigits.
int AddDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation);

// ResultDigits = a - b in the notation; requires a >= b (otherwise the result wraps
// silently). a and b are unchanged and may not be ResultDigits.
void SubtractDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                    int notation);

// 1 when a > b, -1 when a < b, 0 when equal, comparing digit values place by place.
int CompareDigits(const DigitString& a, const DigitString& b);

// The "=" command's signed addition and subtraction: op is '+' or '-', a and b the first and
// second operand magnitudes with signs +1/-1. Writes the magnitude of the answer into
// ResultDigits and its sign into answerSign (+1 for a zero difference). Returns 0, or -1 when
// the addition overflows. a and b are unchanged.
int AddOrSubtractSigned(EngineRegisters& regs, char op, const DigitString& a, int firstSign,
                        const DigitString& b, int secondSign, int notation, int& answerSign);

}  // namespace quarnic
