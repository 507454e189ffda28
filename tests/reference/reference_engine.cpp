// Each result restated from its definition on exact integers: a digit string is the integer
// its 1200 places spell, its value that integer over notation^900, so a product is
// floor(A * B / n^900), a quotient floor(N * n^900 / D), a conversion floor(S * t^900 / f^900),
// a root floor(sqrt(X * n^(2T) / n^900)). Slow on purpose; do not optimise.
#include "tests/reference/reference_engine.h"

#include <algorithm>
#include <string_view>

#include "engine/digit_codec.h"
#include "tests/support/exact_number.h"

namespace quarnic::reference {

namespace {

using exact::Natural;

constexpr std::string_view ALPHABET = "0123456789ABCDEFGHIJKLMNOPQRSTUV";

char DigitChar(int value) {
    return ALPHABET[static_cast<size_t>(std::clamp(value, 0, MAX_NOTATION - 1))];
}

std::string_view Places(const DigitString& digits) {
    return {digits.data(), DIGIT_PLACES};
}

// notation^1200: one more than the largest digit string.
Natural Capacity(int notation) {
    return Natural::Power(notation, DIGIT_PLACES);
}

// notation^900: a digit string's value times this is the integer its places spell.
Natural Scale(int notation) {
    return Natural::Power(notation, FRACTION_PLACES);
}

}  // namespace

int LeadingZeroCount(const DigitString& digits) {
    const size_t first = Places(digits).find_first_not_of('0');
    return first == std::string_view::npos ? DIGIT_PLACES : static_cast<int>(first);
}

int TrailingZeroCount(const DigitString& digits) {
    const size_t last = Places(digits).find_last_not_of('0');
    return last == std::string_view::npos ? DIGIT_PLACES
                                          : DIGIT_PLACES - 1 - static_cast<int>(last);
}

void ClearDigits(DigitString& digits) {
    digits.fill('0');
    digits[DIGIT_PLACES] = '\0';
}

int AddDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation) {
    Natural sum = exact::ScaledValue(a, notation) + exact::ScaledValue(b, notation);
    const bool overflow = Capacity(notation) <= sum;
    if (overflow) {
        sum = sum - Capacity(notation);
    }
    exact::ToDigitString(sum, notation, regs.ResultDigits);
    return overflow ? -1 : 0;
}

void SubtractDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                    int notation) {
    Natural minuend = exact::ScaledValue(a, notation);
    const Natural subtrahend = exact::ScaledValue(b, notation);
    if (minuend < subtrahend) {
        minuend = minuend + Capacity(notation);  // lent from nowhere: the difference wraps
    }
    exact::ToDigitString(minuend - subtrahend, notation, regs.ResultDigits);
}

int CompareDigits(const DigitString& a, const DigitString& b) {
    // Read in a notation above every digit, place-by-place order is the order of the values.
    return exact::ScaledValue(a, MAX_NOTATION).Compare(exact::ScaledValue(b, MAX_NOTATION));
}

namespace {

// Writes a scaled value into ResultDigits when it is below notation^1200.
int PlaceScaled(EngineRegisters& regs, const Natural& scaled, int notation) {
    if (Capacity(notation) <= scaled) {
        return -1;
    }
    exact::ToDigitString(scaled, notation, regs.ResultDigits);
    return 0;
}

}  // namespace

int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                   int notation) {
    const Natural product = exact::ScaledValue(a, notation) * exact::ScaledValue(b, notation);
    return PlaceScaled(regs, product / Scale(notation), notation);
}

int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation) {
    const Natural divisor = exact::ScaledValue(d, notation);
    if (divisor.IsZero()) {
        return -1;
    }
    return PlaceScaled(regs, exact::ScaledValue(n, notation) * Scale(notation) / divisor, notation);
}

int ConvertDigits(EngineRegisters& regs, const DigitString& s, int from, int to) {
    const Natural source = exact::ScaledValue(s, from);
    const Natural converted = source * Scale(to) / Scale(from);
    if (converted.IsZero() && !source.IsZero()) {
        return -1;
    }
    return PlaceScaled(regs, converted, to);
}

void SquareRoot(const DigitString& x, int notation, int places, DigitString& root) {
    // sqrt(X / n^900) * n^T = sqrt(X * n^(2T) / n^900); the integer root of the floor of the
    // radicand is the floor of the real root.
    const Natural radicand =
        exact::ScaledValue(x, notation) * Natural::Power(notation, 2 * places) / Scale(notation);
    // Bisection over the bits of the root: the largest r with r * r <= radicand.
    Natural r;
    for (int bit = radicand.BitLength() / 2 + 1; bit >= 0; --bit) {
        const Natural candidate = r + Natural::Power(2, bit);
        if (candidate * candidate <= radicand) {
            r = candidate;
        }
    }
    exact::ToDigitString(r * Natural::Power(notation, FRACTION_PLACES - places), notation, root);
}

int RoundUpTopRun(DigitString& digits, int notation, int fit, int lastPlace) {
    const char top = DigitChar(notation - 1);
    int start = lastPlace + 1;
    while (start > 0 && digits[static_cast<size_t>(start - 1)] == top) {
        --start;
    }
    const int run = lastPlace + 1 - start;
    if (run == 0 || run < fit || start == 0) {
        return 0;
    }
    const Natural unit = Natural::Power(notation, DIGIT_PLACES - start);
    const Natural rounded = (exact::ScaledValue(digits, notation) / unit + Natural(1)) * unit;
    if (Capacity(notation) <= rounded) {
        return -1;
    }
    exact::ToDigitString(rounded, notation, digits);
    return 0;
}

}  // namespace quarnic::reference
