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

// The one spelling of a number as text, which the console form, the saved text, the clipboard
// and the history share: "-" when negative (a zero has no sign), the integer digits or "0" for
// none, then "." and the fraction digits when there are any. The digits come without the zeros
// that do not count. Out has Put(char) and Put(std::string_view).
template <class Out>
void SpellNumber(Out& out, bool negative, std::string_view integer, std::string_view fraction) {
    if (negative && !(integer.empty() && fraction.empty())) {
        out.Put('-');
    }
    out.Put(integer.empty() ? std::string_view("0") : integer);
    if (!fraction.empty()) {
        out.Put('.');
        out.Put(fraction);
    }
}

// The integer digits from the first significant one and the fraction digits up to the last
// significant one; both empty for zero. A NUL where a digit belongs stops neither scan.
struct SignificantDigits {
    std::string_view integer;
    std::string_view fraction;
};
SignificantDigits SignificantPartsOf(const DigitString& digits);

inline constexpr int TO_RESULT_PLAIN_TEXT = 0;
inline constexpr int TO_SQRT_PLAIN_TEXT = 1;

// Writes ResultDigits with the given sign as plain text into ResultPlainText (destination
// TO_RESULT_PLAIN_TEXT) or SqrtPlainText (TO_SQRT_PLAIN_TEXT), cleared first, with every
// significant place; zero is "0" whatever the sign.
void FormatAnswerText(EngineRegisters& regs, int sign, int destination);

}  // namespace quarnic
