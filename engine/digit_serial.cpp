#include "engine/digit_serial.h"

#include <array>

#include "engine/add_subtract.h"
#include "engine/digit_codec.h"
#include "engine/digit_text.h"

namespace quarnic {

namespace {

// PartialDigits = a times the multiplier digit m on place pB. Digits that fall below place
// 1199 are dropped but their carry goes on; a nonzero digit or carry that would fall above
// place 0 is an overflow (-1).
int FormPartialProduct(EngineRegisters& regs, const DigitString& a, int m, int pB, int notation) {
    ClearDigits(regs.PartialDigits);
    int carry = 0;
    bool overflow = false;
    for (int pA = DIGIT_PLACES - 1; pA >= 0; --pA) {
        const int product = DigitValue(a[pA]) * m;
        int e = product % notation + carry;
        carry = product / notation;
        if (e >= notation) {
            e -= notation;
            ++carry;
        }
        const int t = pA + pB - UNITS_PLACE;
        if (t >= 0 && t < DIGIT_PLACES) {
            regs.PartialDigits[t] = DigitChar(e);
        } else if (t < 0 && e != 0) {
            overflow = true;
        }
    }
    const int carryPlace = pB - INTEGER_PLACES;
    if (carryPlace >= 0) {
        regs.PartialDigits[carryPlace] = DigitChar(carry);
    } else if (carry != 0) {
        overflow = true;
    }
    return overflow ? -1 : 0;
}

}  // namespace

int MultiplyDigitSerially(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                          int notation) {
    const int lzB = LeadingZeroCount(b);
    if (LeadingZeroCount(a) == DIGIT_PLACES || lzB == DIGIT_PLACES) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    bool firstPartial = true;
    for (int pB = DIGIT_PLACES - 1; pB >= lzB; --pB) {
        const int m = DigitValue(b[pB]);
        if (m == 0) {
            continue;
        }
        if (FormPartialProduct(regs, a, m, pB, notation) != 0) {
            return -1;
        }
        if (firstPartial) {
            ClearDigits(regs.WorkDigits);
            firstPartial = false;
        } else {
            regs.WorkDigits = regs.ResultDigits;
        }
        if (AddDigits(regs, regs.WorkDigits, regs.PartialDigits, notation) != 0) {
            return -1;
        }
    }
    return 0;
}

namespace {

// PartialDigits = d's digits from its first nonzero place, that place landing on `place`;
// whatever would land beyond place 1199 falls off.
void ShiftDivisor(EngineRegisters& regs, const DigitString& d, int lzD, int place) {
    ClearDigits(regs.PartialDigits);
    for (int from = lzD, to = place; from < DIGIT_PLACES && to < DIGIT_PLACES; ++from, ++to) {
        regs.PartialDigits[to] = d[from];
    }
}

// How many times the shifted divisor goes into the remainder, by repeated subtraction.
int CountSubtractions(EngineRegisters& regs, int notation) {
    int count = 0;
    while (CompareDigits(regs.WorkDigits, regs.PartialDigits) != -1) {
        SubtractDigits(regs, regs.WorkDigits, regs.PartialDigits, notation);
        regs.WorkDigits = regs.ResultDigits;
        ++count;
    }
    return count;
}

}  // namespace

bool HasDigitAtOrAbove(const DigitString& s, int notation) {
    for (int p = 0; p < DIGIT_PLACES; ++p) {
        if (DigitValue(s[p]) >= notation) {
            return true;
        }
    }
    return false;
}

// A count found against a divisor whose tail fell off place 1199 can reach or pass the
// notation; written as it stands it would be no digit of the notation ("E" in a decimal
// answer). Its surplus is carried into the place before instead, so the quotient keeps its
// value and every digit is valid. No carry leaves place 0: the counts times the divisor's
// first digit never exceed the dividend.
void WriteQuotientCounts(const std::array<int, DIGIT_PLACES>& counts, int notation,
                         DigitString& quotientDigits) {
    int carry = 0;
    for (int i = DIGIT_PLACES - 1; i >= 0; --i) {
        const int value = counts[i] + carry;
        quotientDigits[i] = DigitChar(value % notation);
        carry = value / notation;
    }
    quotientDigits[DIGIT_PLACES] = '\0';
}

int DivideDigitSerially(EngineRegisters& regs, const DigitString& n, const DigitString& d,
                        int notation) {
    const int lzD = LeadingZeroCount(d);
    // A divisor with a digit at or above the notation can make the borrow walk lose value,
    // and the counting then runs for practically ever; it is refused like a zero divisor.
    if (lzD == DIGIT_PLACES || HasDigitAtOrAbove(d, notation)) {
        return -1;
    }
    if (LeadingZeroCount(n) == DIGIT_PLACES) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    regs.WorkDigits = n;
    std::array<int, DIGIT_PLACES> counts;
    for (int i = 0; i < DIGIT_PLACES; ++i) {
        ShiftDivisor(regs, d, lzD, i);
        counts[i] = CountSubtractions(regs, notation);
    }
    WriteQuotientCounts(counts, notation, regs.QuotientDigits);
    // The count of step i belongs on place i - shift; shift > 0 when the divisor is below 1.
    const int shift = lzD - UNITS_PLACE;
    if (shift > 0 && shift > LeadingZeroCount(regs.QuotientDigits)) {
        return -1;
    }
    ClearDigits(regs.ResultDigits);
    for (int a = 0; a < DIGIT_PLACES; ++a) {
        const int place = a - shift;
        if (place >= 0 && place < DIGIT_PLACES) {
            regs.ResultDigits[place] = regs.QuotientDigits[a];
        }
    }
    return 0;
}

}  // namespace quarnic
