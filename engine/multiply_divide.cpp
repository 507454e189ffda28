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
    // An overflow part way leaves the digit-serial running sum behind, so overflowing
    // products go that way: those whose top multiplier digit puts A's first digit above
    // place 0 here, those whose sum carries out of place 0 below.
    if (lzA + lzB < UNITS_PLACE || HasDigitAtOrAbove(a, notation) ||
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
        // Place lzA + shift is not above place 0: the overflow check above made sure of it.
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

// Spells a natural number on all 1200 places, least significant digit on place 1199.
void PlaceWhole(const FixedNatural& value, int notation, DigitString& digits) {
    std::array<uint8_t, DIGIT_PLACES> leastFirst;
    const int count = value.GetDigits(notation, leastFirst.data(), DIGIT_PLACES);
    ClearDigits(digits);
    for (int j = 0; j < count; ++j) {
        digits[DIGIT_PLACES - 1 - j] = DigitChar(leastFirst[j]);
    }
}

FixedNatural Packed(const DigitString& s, int from, int to, int notation) {
    std::array<uint8_t, DIGIT_PLACES> values;
    LoadValues(s, from, to, values.data());
    FixedNatural packed;
    packed.SetDigits(values.data(), to - from + 1, notation);
    return packed;
}

// While the shifted divisor still holds all of d's significant digits, the counts are the
// digits of the exact integer quotient (the quotient of those steps is below notation to the
// power of their number); after that each step drops d's last digit, and its count is the
// remainder divided by what is left of d. Leaves the last remainder in `remainder`.
void CountSteps(const DigitString& n, const DigitString& d, int notation,
                std::array<int, DIGIT_PLACES>& counts, FixedNatural& remainder) {
    const int lzD = LeadingZeroCount(d);
    const int lastD = DIGIT_PLACES - 1 - TrailingZeroCount(d);
    const int exactSteps = DIGIT_PLACES - (lastD - lzD);
    FixedNatural divisor = Packed(d, lzD, lastD, notation);
    FixedNatural quotient;
    FixedNatural::DivMod(Packed(n, LeadingZeroCount(n), DIGIT_PLACES - 1, notation), divisor,
                         quotient, remainder);
    std::array<uint8_t, DIGIT_PLACES> leastFirst;
    const int quotientDigits = quotient.GetDigits(notation, leastFirst.data(), exactSteps);
    counts.fill(0);
    for (int j = 0; j < quotientDigits; ++j) {
        counts[exactSteps - 1 - j] = leastFirst[j];
    }
    FixedNatural rest;
    for (int i = exactSteps; i < DIGIT_PLACES; ++i) {
        divisor.DivideSmall(static_cast<uint32_t>(notation));
        FixedNatural::DivMod(remainder, divisor, quotient, rest);
        remainder = rest;
        counts[i] = static_cast<int>(quotient.LowLimb());
    }
}

}  // namespace

// Each count is found at once from packed limbs instead of by repeated subtraction.
int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation) {
    const int lzD = LeadingZeroCount(d);
    if (lzD == DIGIT_PLACES || HasDigitAtOrAbove(d, notation)) {
        return -1;
    }
    if (LeadingZeroCount(n) == DIGIT_PLACES) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    // Counting compares digit by digit; only with valid digits is that the same as
    // comparing values.
    if (HasDigitAtOrAbove(n, notation)) {
        return DivideDigitSerially(regs, n, d, notation);
    }
    std::array<int, DIGIT_PLACES> counts;
    FixedNatural remainder;
    CountSteps(n, d, notation, counts, remainder);
    WriteQuotientCounts(counts, notation, regs.QuotientDigits);

    const int shift = lzD - UNITS_PLACE;
    if (shift > 0 && shift > LeadingZeroCount(regs.QuotientDigits)) {
        // The counting would have left its last remainder in ResultDigits.
        PlaceWhole(remainder, notation, regs.ResultDigits);
        return -1;
    }
    ClearDigits(regs.ResultDigits);
    for (int a = std::max(0, shift); a < DIGIT_PLACES && a - shift < DIGIT_PLACES; ++a) {
        regs.ResultDigits[a - shift] = regs.QuotientDigits[a];
    }
    return 0;
}

}  // namespace quarnic
