// The keys that build and edit an operand: digits and point, "+/-", "CE" and "AC". They work on
// the second operand while an operator is pending, on the first otherwise.
#pragma once

#include <string_view>

#include "calc/calculator_state.h"

namespace quarnic {

// c is one of "0".."9", "A".."V" or ".". Which digits are pressable is the keys' business; the
// entry itself does not check them.
void EnterDigit(Calculator& calc, char c);
void ToggleSign(Calculator& calc);
void ClearEntry(Calculator& calc);
void AllClear(Calculator& calc);

// Copies the characters at 1-based positions first..last (both included) of source into
// destination, which the caller has zeroed. Returns -1 and writes nothing when source is empty,
// first or last is not positive, last < first, last is past the end of source, or the count is
// not below capacity; 0 otherwise.
int CopyCharRange(std::string_view source, char* destination, int first, int last, int capacity);

}  // namespace quarnic
