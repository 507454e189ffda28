// The converter's integer conversion on 100-digit padded strings, and the digit limit that
// keeps every typed number below 2^64.
#pragma once

#include <array>
#include <string_view>

#include "conv/converter_state.h"

namespace quarnic {

using PaddedDigits = std::array<char, PADDED_DIGITS + 1>;

// Digits accepted for a number typed in notation 2..32: the largest k with notation^k not
// above 2^64, so k digits always fit in 64 bits.
int MaxDigits(int notation);

// Whether digits (most significant first) in notation 2..32 spell a value below 2^64, the
// converter's range, whatever their number.
bool IsBelowTwoToThe64(std::string_view digits, int notation);

// Index of the first of the 100 digits whose value is not 0; 100 when all are zero.
int FirstSignificantIndex(const PaddedDigits& digits);

// The digits right-aligned behind "0"s (at most 100 of them), as ConvertIntegerDigits takes them.
void PadDigits(std::string_view digits, PaddedDigits& padded);

// The digits from the first significant one on; empty when all are zero.
std::string_view SignificantDigits(const PaddedDigits& padded);

// Converts `count` significant digits of `digits` (right-aligned, notation fromNotation) to
// notation toNotation by repeated division, into `answer` right-aligned and "0"-padded.
// Returns 0, or -1 when there is no significant digit, when `count` does not fit behind the
// first significant digit, or when the answer needs more than `limit` digits (limit <= 100).
int ConvertIntegerDigits(const PaddedDigits& digits, int fromNotation, int count, int toNotation,
                         int limit, PaddedDigits& answer);

}  // namespace quarnic
