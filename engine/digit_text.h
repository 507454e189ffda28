// Zero scans of a digit string and its conversions to and from plain text.
#pragma once

#include <string_view>

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// Places before the first nonzero digit, scanning from place 0; 1200 for zero.
int LeadingZeroCount(const DigitString& digits);

// Places after the last nonzero digit, scanning from place 1199 down; 1200 for zero.
int TrailingZeroCount(const DigitString& digits);

// Fills a digit string with "0" and its terminating NUL.
void ClearDigits(DigitString& digits);

// Parses an operand text (optional "-", digits, optional "." and digits) into a digit string
// and a sign of +1 or -1. Returns 0, or -1 for more than 300 integer digits or for a "-" when
// negativeAllowed is false. Fraction digits beyond the 900th are dropped. Digits are trusted.
int ParseOperandText(std::string_view text, bool negativeAllowed, DigitString& digits, int& sign);

inline constexpr int TO_RESULT_PLAIN_TEXT = 0;
inline constexpr int TO_SQRT_PLAIN_TEXT = 1;

// Writes ResultDigits with the given sign as plain text into ResultPlainText (destination
// TO_RESULT_PLAIN_TEXT) or SqrtPlainText (TO_SQRT_PLAIN_TEXT), cleared first, with every
// significant place; zero is "0" whatever the sign.
void FormatAnswerText(EngineRegisters& regs, int sign, int destination);

}  // namespace quarnic
