#include "engine/multiply_divide.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/digit_codec.h"
#include "engine/digit_serial.h"
#include "engine/digit_text.h"
#include "engine/fixed_natural.h"

namespace quarnic {

namespace {

// The digit values of places from..to (inclusive) of s.
template <typename Value>
void LoadValues(const DigitString& s, int from, int to, Value* values) {
    for (int p = from; p <= to; ++p) {
        values[p - from] = static_cast<Value>(DigitValue(s[p]));
    }
}

// Writes the digit values of acc (place by place) into ResultDigits with carries between
// places. Returns the carry left over above place 0.
int32_t WriteWithCarries(EngineRegisters& regs, const std::array<int32_t, DIGIT_PLACES>& acc,
                         int notation) {
    int32_t carry = 0;
    for (int t = DIGIT_PLACES - 1; t >= 0; --t) {
        const int32_t v = acc[t] + carry;
        regs.ResultDigits[t] = DigitChar(v % notation);
        carry = v / notation;
    }
    regs.ResultDigits[DIGIT_PLACES] = '\0';
    return carry;
}

}  // namespace

// Every partial product is cut below place 1199 on its own; its value is then the exact
// product of the kept places plus the carry out of the dropped ones, so the partial products
// can be summed in one array of place totals and carried once at the end.
int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                   int notation) {
    const int lzA = LeadingZeroCount(a);
    const int lzB = LeadingZeroCount(b);
    if (lzA == DIGIT_PLACES || lzB == DIGIT_PLACES) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    // A product whose top digit could reach above place 0 may overflow part way, and the
    // running sum it leaves behind is the digit-serial one.
    if (lzA + lzB < INTEGER_PLACES || HasDigitAtOrAbove(a, notation) ||
        HasDigitAtOrAbove(b, notation)) {
        return MultiplyDigitSerially(regs, a, b, notation);
    }
    const int lastA = DIGIT_PLACES - 1 - TrailingZeroCount(a);
    const int lastB = DIGIT_PLACES - 1 - TrailingZeroCount(b);
    std::array<int32_t, DIGIT_PLACES> digitA;
    LoadValues(a, lzA, lastA, digitA.data());
    std::array<int32_t, DIGIT_PLACES> acc{};
    for (int pB = lastB; pB >= lzB; --pB) {
        const int32_t m = DigitValue(b[pB]);
        if (m == 0) {
            continue;
        }
        const int shift = pB - UNITS_PLACE;
        const int lastKept = std::min(lastA, DIGIT_PLACES - 1 - shift);
        // The dropped places' carry lands on the place above the lowest kept one, and falls
        // off as well when no digit of A is kept.
        const int lowestDropped = std::max(lastKept + 1, lzA);
        int32_t carry = 0;
        for (int pA = lastA; pA >= lowestDropped; --pA) {
            carry = (digitA[pA - lzA] * m + carry) / notation;
        }
        const int carryPlace = lowestDropped - 1 + shift;
        if (carryPlace < DIGIT_PLACES) {
            acc[carryPlace] += carry;
        }
        // Place lzA + shift is at least 1: the overflow check above made sure of it.
        int32_t* target = acc.data() + (lzA + shift);
        const int keptCount = lastKept - lzA + 1;
        for (int j = 0; j < keptCount; ++j) {
            target[j] += digitA[j] * m;
        }
    }
    if (WriteWithCarries(regs, acc, notation) != 0) {
        return MultiplyDigitSerially(regs, a, b, notation);
    }
    return 0;
}

namespace {

// Puts a natural number's digits on places ..lastPlace (least significant there), "0" above
// down to place firstPlace. Returns -1 when it has more digits than those places.
int PlaceDigits(const FixedNatural& value, int notation, DigitString& digits, int firstPlace,
                int lastPlace) {
    std::array<uint8_t, DIGIT_PLACES> leastFirst;
    const int count = value.GetDigits(notation, leastFirst.data(), lastPlace - firstPlace + 1);
    if (count < 0) {
        return -1;
    }
    std::fill(digits.begin() + firstPlace, digits.begin() + lastPlace + 1, '0');
    for (int j = 0; j < count; ++j) {
        digits[lastPlace - j] = DigitChar(leastFirst[j]);
    }
    return 0;
}

}  // namespace

// While the shifted divisor still holds all of D's significant digits, the counts are the
// digits of the exact integer quotient N / D; after that each step drops D's last digit, and
// its count is the remainder divided by what is left of D. Each count is found at once.
int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation) {
    const int lzD = LeadingZeroCount(d);
    if (lzD == DIGIT_PLACES || HasDigitAtOrAbove(d, notation)) {
        return -1;
    }
    const int lzN = LeadingZeroCount(n);
    if (lzN == DIGIT_PLACES) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    // Counting compares digit by digit; only with valid digits is that the same as
    // comparing values.
    if (HasDigitAtOrAbove(n, notation)) {
        return DivideDigitSerially(regs, n, d, notation);
    }
    const int lastD = DIGIT_PLACES - 1 - TrailingZeroCount(d);
    const int exactSteps = DIGIT_PLACES - (lastD - lzD + 1) + 1;
    std::array<uint8_t, DIGIT_PLACES> values;
    FixedNatural divisor;
    LoadValues(d, lzD, lastD, values.data());
    divisor.SetDigits(values.data(), lastD - lzD + 1, notation);
    FixedNatural dividend;
    LoadValues(n, lzN, DIGIT_PLACES - 1, values.data());
    dividend.SetDigits(values.data(), DIGIT_PLACES - lzN, notation);

    FixedNatural quotient;
    FixedNatural remainder;
    FixedNatural::DivMod(dividend, divisor, quotient, remainder);
    std::array<int, DIGIT_PLACES> counts{};
    const int quotientDigits = quotient.GetDigits(notation, values.data(), exactSteps);
    for (int j = 0; j < quotientDigits; ++j) {
        counts[exactSteps - 1 - j] = values[j];
    }
    for (int i = exactSteps; i < DIGIT_PLACES; ++i) {
        divisor.DivideSmall(static_cast<uint32_t>(notation));
        FixedNatural::DivMod(remainder, divisor, quotient, dividend);
        remainder = dividend;
        counts[i] = static_cast<int>(quotient.LowLimb());
    }
    WriteQuotientCounts(counts, notation, regs.QuotientDigits);

    const int shift = lzD - UNITS_PLACE;
    if (shift > 0 && shift > LeadingZeroCount(regs.QuotientDigits)) {
        // The counting would have left its last remainder in ResultDigits.
        ClearDigits(regs.ResultDigits);
        PlaceDigits(remainder, notation, regs.ResultDigits, 0, DIGIT_PLACES - 1);
        return -1;
    }
    ClearDigits(regs.ResultDigits);
    for (int a = std::max(0, shift); a < DIGIT_PLACES && a - shift < DIGIT_PLACES; ++a) {
        regs.ResultDigits[a - shift] = regs.QuotientDigits[a];
    }
    return 0;
}

}  // namespace quarnic
