// Clipboard text read as a number, for both programs' Paste. The text is trimmed, may end in a
// notation suffix " (n)" (n from 2 to 32) that names the notation of its digits, and is refused
// with a reason when it is not a number of that notation. Nothing is allocated: the digits are
// views into the text.
#pragma once

#include <string_view>

namespace quarnic {

// Why a paste was refused; None for a number that was taken.
enum class PasteRefusal {
    None,
    NoNumber,        // empty text, or no digit at all
    NotADigit,       // a character that is no digit of the notation (named by `offending`)
    TooManyDigits,   // more integer or fraction digits than the limits allow
    SecondPoint,     // a second "."
    SpaceInside,     // spaces or separators between the characters of the number
    BadNotation,     // a suffix " (n)" whose n is not a notation from 2 to 32
    NotationLocked,  // the suffix's notation cannot be selected now (decided by the caller)
    Zero,            // a number the converter cannot take
};

struct PasteRules {
    int notation = 10;             // the notation selected now; a suffix replaces it
    bool signAndPoint = true;      // "-" and "." allowed (the calculator; not the converter)
    int integerDigitLimit = 300;   // significant integer digits (leading zeros do not count)
    int fractionDigitLimit = 900;  // fraction digits before the trailing zeros
};

struct PastedNumber {
    PasteRefusal refusal = PasteRefusal::None;
    std::string_view offending;  // NotADigit: the bytes of the character (one UTF-8 sequence)
    int notation = 10;           // of the digits: the suffix's, or the rules' notation
    bool hasSuffix = false;
    bool negative = false;
    std::string_view integerDigits;   // without leading zeros: empty for a number below one
    std::string_view fractionDigits;  // without trailing zeros; either case, as pasted

    bool Accepted() const { return refusal == PasteRefusal::None; }
    bool IsZero() const { return integerDigits.empty() && fractionDigits.empty(); }
};

// Reads text by the rules. The first fault from the left decides the refusal; a suffix is
// checked before the digits, since it decides which characters are digits.
PastedNumber ParsePastedNumber(std::string_view text, const PasteRules& rules);

// The digit character (upper case) of a pasted digit in either case.
char UpperDigit(char c);

// Zeros that do not change a number: before the integer digits, after the fraction digits.
void DropLeadingZeros(std::string_view& digits);
void DropTrailingZeros(std::string_view& digits);

}  // namespace quarnic
