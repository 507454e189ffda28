// Clipboard text read as a number, for both programs' Paste. The text is trimmed, may begin
// with a base prefix (0x, 0o, 0b) and end in a notation suffix " (n)" or a subscript notation
// (n from 2 to 32), may group its digits with single separators, and is refused with a reason
// when it is not a number of that notation. Nothing is allocated: the digits are gathered,
// without their separators, into a buffer of the result, and the other views point into the
// text.
#pragma once

#include <array>
#include <string_view>

#include "common/paste_characters.h"
#include "engine/digit_string.h"

namespace quarnic {

// Why a paste was refused; None for a number that was taken.
enum class PasteRefusal {
    None,
    NoNumber,            // empty text, or no digit at all
    NotADigit,           // a character that is no digit of the notation (named by `offending`)
    TooManyDigits,       // more integer or fraction digits than the limits allow
    SecondPoint,         // a second "."
    Comma,               // a ",", which is a point in some countries and a separator in others
    CommaInInteger,      // a "," where only integers are read: a separator to leave out
    MisplacedSeparator,  // a separator that is not between two digits (`separatorPlace` says where)
    BlankInside,         // a tab or ideographic space, which separates no digit groups
    BadNotation,         // a suffix " (n)" or subscript whose n is not a notation from 2 to 32
    PrefixAgainstSuffix,  // a prefix and a suffix that name different notations
    NotationLocked,       // the chosen notation cannot be selected now (decided by the caller)
    Zero,                 // a number the converter cannot take
};

// Where a misplaced separator stands.
enum class SeparatorPlace { InARow, NextToPoint, NextToSign, AfterPrefix, AtStart, AtEnd };

struct PasteRules {
    int notation = 10;             // the notation selected now; a prefix or suffix replaces it
    bool signAndPoint = true;      // "-" and "." allowed (the calculator; not the converter)
    int integerDigitLimit = 300;   // significant integer digits (leading zeros do not count)
    int fractionDigitLimit = 900;  // fraction digits before the trailing zeros
};

struct PastedNumber {
    PasteRefusal refusal = PasteRefusal::None;
    SeparatorPlace separatorPlace = SeparatorPlace::InARow;  // MisplacedSeparator
    std::string_view offending;  // NotADigit: the bytes of the character (one UTF-8 sequence)
    std::string_view prefix;     // "0x", "0O", ... as pasted; empty without one
    std::string_view suffix;     // "(16)" or "₁₆" as pasted; empty without one
    int notation = 10;           // of the digits: the prefix's or suffix's, or the rules' notation
    bool hasSuffix = false;
    bool negative = false;
    // The digits without separators, upper case: integer ones in the first INTEGER_PLACES,
    // fraction ones after them.
    std::array<char, DIGIT_PLACES> digits{};
    int integerCount = 0;   // without leading zeros: 0 for a number below one
    int fractionCount = 0;  // without trailing zeros

    bool Accepted() const { return refusal == PasteRefusal::None; }
    bool IsZero() const { return integerCount == 0 && fractionCount == 0; }
    std::string_view IntegerDigits() const {
        return {digits.data(), static_cast<std::size_t>(integerCount)};
    }
    std::string_view FractionDigits() const {
        return {digits.data() + INTEGER_PLACES, static_cast<std::size_t>(fractionCount)};
    }
};

// Reads text by the rules. The first fault from the left decides the refusal; a suffix is
// checked before the digits, since it decides which characters are digits. Limits above the
// calculator's (300 and 900) read as those.
PastedNumber ParsePastedNumber(std::string_view text, const PasteRules& rules);

// Zeros that do not change a number: before the integer digits, after the fraction digits.
void DropLeadingZeros(std::string_view& digits);
void DropTrailingZeros(std::string_view& digits);

}  // namespace quarnic
