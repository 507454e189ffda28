#include "conv/integer_conversion.h"

#include <cmath>
#include <cstdint>

#include "engine/digit_codec.h"
#include "shell/notation.h"

namespace quarnic {

int MaxDigits(int notation) {
    if (!IsValidNotation(notation)) {
        return 0;
    }
    // The small addend lifts 64, 32 and 16 (notations 2, 4, 16) over rounding just below.
    const double digits = std::log10(2.0) / std::log10(static_cast<double>(notation)) * 64.0;
    return static_cast<int>(std::floor(digits + 0.00001));
}

bool IsBelowTwoToThe64(std::string_view digits, int notation) {
    std::uint64_t value = 0;
    for (char c : digits) {
        const auto digit = static_cast<std::uint64_t>(DigitValue(c));
        // value * notation + digit must stay within 64 bits.
        if (value > (UINT64_MAX - digit) / static_cast<std::uint64_t>(notation)) {
            return false;
        }
        value = value * static_cast<std::uint64_t>(notation) + digit;
    }
    return true;
}

int FirstSignificantIndex(const PaddedDigits& digits) {
    for (int i = 0; i < PADDED_DIGITS; ++i) {
        if (DigitValue(digits[i]) != 0) {
            return i;
        }
    }
    return PADDED_DIGITS;
}

void PadDigits(std::string_view digits, PaddedDigits& padded) {
    const std::size_t length = digits.size() < PADDED_DIGITS ? digits.size() : PADDED_DIGITS;
    padded.fill('0');
    padded[PADDED_DIGITS] = '\0';
    digits.copy(padded.data() + PADDED_DIGITS - length, length);
}

std::string_view SignificantDigits(const PaddedDigits& padded) {
    const int first = FirstSignificantIndex(padded);
    return std::string_view(padded.data() + first, static_cast<std::size_t>(PADDED_DIGITS - first));
}

namespace {

using DigitArray = std::array<std::int32_t, PADDED_DIGITS>;

// One pass of long division of the dividend (least significant first, `count` digits in
// notation a) by b; the quotient replaces the dividend and the remainder is returned.
std::int32_t DivideOnce(DigitArray& dividend, int count, int a, int b) {
    std::int32_t rem = 0;
    for (int i = count - 1; i >= 0; --i) {
        rem = rem * a + dividend[i];
        dividend[i] = rem / b;
        rem = rem % b;
    }
    return rem;
}

void WriteRemainders(const DigitArray& remainders, int produced, PaddedDigits& answer) {
    answer.fill('0');
    answer[PADDED_DIGITS] = '\0';
    // Remainders come least significant first; the answer reads most significant first.
    for (int i = 0; i < produced; ++i) {
        answer[PADDED_DIGITS - produced + i] = DigitChar(remainders[produced - 1 - i]);
    }
}

}  // namespace

int ConvertIntegerDigits(const PaddedDigits& digits, int fromNotation, int count, int toNotation,
                         int limit, PaddedDigits& answer) {
    if (!IsValidNotation(fromNotation) || !IsValidNotation(toNotation)) {
        return -1;
    }
    const int start = FirstSignificantIndex(digits);
    if (start >= PADDED_DIGITS) {
        return -1;
    }
    // A count reaching past the 100 digits would read the terminator and beyond.
    if (count < 0 || count > PADDED_DIGITS - start || limit < 0 || limit > PADDED_DIGITS) {
        return -1;
    }
    DigitArray dividend{};
    DigitArray remainders{};
    for (int i = 0; i < count; ++i) {
        dividend[count - 1 - i] = DigitValue(digits[start + i]);
    }
    int produced = 0;
    while (count > 0 && produced < limit) {
        remainders[produced] = DivideOnce(dividend, count, fromNotation, toNotation);
        while (count > 0 && dividend[count - 1] == 0) {
            --count;
        }
        ++produced;
    }
    if (count != 0) {
        return -1;  // the answer needs more than `limit` digits
    }
    WriteRemainders(remainders, produced, answer);
    return 0;
}

}  // namespace quarnic
