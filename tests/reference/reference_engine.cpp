// The arithmetic exactly as first transcribed, one digit at a time: 1200 division steps that
// count subtractions, one partial product per multiplier digit, conversion by repeated
// division. Slow on purpose; do not optimise.
#include "tests/reference/reference_engine.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quarnic::reference {

namespace {

// The codec's own definitions, repeated here so that the reference is compiled in one piece
// with them (the codec library is instrumented in the sanitizer build).
int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'V') {
        return c - 'A' + 10;
    }
    return 0;
}

char DigitChar(int value) {
    if (value < 0) {
        return '0';
    }
    if (value < 10) {
        return static_cast<char>('0' + value);
    }
    if (value < 32) {
        return static_cast<char>('A' + value - 10);
    }
    return 'V';
}

}  // namespace

int LeadingZeroCount(const DigitString& digits) {
    int place = 0;
    while (place < DIGIT_PLACES && DigitValue(digits[place]) == 0) {
        ++place;
    }
    return place;
}

int TrailingZeroCount(const DigitString& digits) {
    int count = 0;
    while (count < DIGIT_PLACES && DigitValue(digits[DIGIT_PLACES - 1 - count]) == 0) {
        ++count;
    }
    return count;
}

void ClearDigits(DigitString& digits) {
    std::fill(digits.begin(), digits.begin() + DIGIT_PLACES, '0');
    digits[DIGIT_PLACES] = '\0';
}

int AddDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation) {
    int carry = 0;
    for (int p = DIGIT_PLACES - 1; p >= 0; --p) {
        const int sum = DigitValue(a[p]) + DigitValue(b[p]) + carry;
        regs.ResultDigits[p] = DigitChar(sum % notation);
        carry = sum / notation;
    }
    regs.ResultDigits[DIGIT_PLACES] = '\0';
    // A carry out of the top place means the sum needs a 301st integer digit.
    return carry == 0 ? 0 : -1;
}

namespace {

// Takes one unit from the nearest nonzero place above p; the zeros passed become the top
// digit. Running off place 0 (a < b) lends from nowhere and the difference wraps.
void BorrowFrom(DigitString& a, int p, int notation) {
    for (int q = p - 1; q >= 0; --q) {
        const int value = DigitValue(a[q]);
        if (value > 0) {
            a[q] = DigitChar(value - 1);
            return;
        }
        a[q] = DigitChar(notation - 1);
    }
}

}  // namespace

void SubtractDigits(EngineRegisters& regs, DigitString& a, const DigitString& b, int notation) {
    for (int p = DIGIT_PLACES - 1; p >= 0; --p) {
        const int da = DigitValue(a[p]);
        const int db = DigitValue(b[p]);
        if (da >= db) {
            regs.ResultDigits[p] = DigitChar(da - db);
        } else {
            regs.ResultDigits[p] = DigitChar(da + notation - db);
            BorrowFrom(a, p, notation);
        }
    }
    regs.ResultDigits[DIGIT_PLACES] = '\0';
}

int CompareDigits(const DigitString& a, const DigitString& b) {
    for (int p = 0; p < DIGIT_PLACES; ++p) {
        const int da = DigitValue(a[p]);
        const int db = DigitValue(b[p]);
        if (da != db) {
            return da > db ? 1 : -1;
        }
    }
    return 0;
}

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

int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
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

namespace {

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

}  // namespace

int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation) {
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

int ConversionBudget(int from, int to) {
    // Where `from` is the square of `to` (4, 9, 16, 25) the exact budget is a whole 149 and
    // rounding decides: the logarithms give 148 for 4, 9 and 16 but 149 for 25. All four are
    // settled at 148, the documented answer, so like pairs truncate alike.
    if (from == to * to) {
        return 148;
    }
    const double product = static_cast<double>(298.0L * std::log(static_cast<long double>(to)));
    const long double budget = product / std::log(static_cast<long double>(from));
    return std::min(static_cast<int>(budget), 298);
}

int PrepareConversion(EngineRegisters& regs, const DigitString& s, int from, int to) {
    regs.ConversionDigits = s;
    const int c = ConversionBudget(from, to);
    const int lz = LeadingZeroCount(s);
    const int tz = TrailingZeroCount(s);
    const int integerDigits = lz < INTEGER_PLACES ? INTEGER_PLACES - lz : 0;
    if (integerDigits > c) {
        return -1;
    }
    int count = 0;
    int frac = 0;
    if (tz >= FRACTION_PLACES) {
        count = lz == DIGIT_PLACES ? 1 : integerDigits;
    } else {
        // The digits taken end at the c-th significant digit or at the last nonzero place,
        // whichever comes first, and never below fraction place c.
        if (c + lz - INTEGER_PLACES < FRACTION_PLACES - tz) {
            count = c;
            frac = c + lz - INTEGER_PLACES;
        } else {
            count = DIGIT_PLACES - lz - tz;
            frac = FRACTION_PLACES - tz;
        }
        if (count < frac && c < frac) {
            count -= frac - c;
            frac = c;
            if (count <= 0) {
                return -1;
            }
        }
        std::fill(regs.ConversionDigits.begin() + INTEGER_PLACES + frac,
                  regs.ConversionDigits.begin() + DIGIT_PLACES, '0');
    }
    regs.ConversionDigitCount = count;
    regs.ConversionFractionCount = frac;
    return 0;
}

namespace {

// An integer as digit values, least significant first.
struct PlaceValues {
    std::array<int, DIGIT_PLACES> digit{};
    int length = 0;
};

// Re-expresses `source` (notation from) in notation `to` by repeated division, consuming it.
// Returns 0, or -1 when the answer would need more than digitLimit digits.
int RepeatedlyDivide(PlaceValues& source, int from, int to, int digitLimit, PlaceValues& target) {
    const int limit = std::min(digitLimit, DIGIT_PLACES);
    target.length = 0;
    while (source.length > 0 && target.length < limit) {
        int remainder = 0;
        for (int i = source.length - 1; i >= 0; --i) {
            const int t = remainder * from + source.digit[i];
            source.digit[i] = t / to;
            remainder = t % to;
        }
        target.digit[target.length++] = remainder;
        while (source.length > 0 && source.digit[source.length - 1] == 0) {
            --source.length;
        }
    }
    return source.length == 0 ? 0 : -1;
}

// Writes an integer's digits so that the least significant lands on the units place.
// Returns -1 when it has more than 300 digits.
int PlaceInteger(const PlaceValues& value, DigitString& digits) {
    if (value.length > INTEGER_PLACES) {
        return -1;
    }
    ClearDigits(digits);
    for (int j = 0; j < value.length; ++j) {
        digits[UNITS_PLACE - j] = DigitChar(value.digit[j]);
    }
    return 0;
}

int ConvertInteger(PlaceValues& source, int from, int to, int digitLimit, DigitString& digits) {
    PlaceValues target;
    if (RepeatedlyDivide(source, from, to, digitLimit, target) != 0) {
        return -1;
    }
    return PlaceInteger(target, digits);
}

}  // namespace

int ConvertDigits(EngineRegisters& regs, const DigitString& s, int from, int count, int frac,
                  int to, int digitLimit) {
    const int lz = LeadingZeroCount(s);
    if (lz == DIGIT_PLACES) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    if (count < 1 || lz + count > DIGIT_PLACES || frac < 0 || frac >= DIGIT_PLACES) {
        return -1;
    }
    PlaceValues source;
    for (int i = 0; i < count; ++i) {
        source.digit[i] = DigitValue(s[lz + count - 1 - i]);
    }
    source.length = count;
    while (source.length > 0 && source.digit[source.length - 1] == 0) {
        --source.length;
    }
    DigitString integer;
    if (ConvertInteger(source, from, to, digitLimit, integer) != 0) {
        return -1;
    }
    if (frac == 0) {
        regs.ResultDigits = integer;
        return 0;
    }
    // The fraction comes out of one division by the source notation's power frac.
    PlaceValues power;
    power.digit[frac] = 1;
    power.length = frac + 1;
    DigitString divisor;
    if (ConvertInteger(power, from, to, digitLimit, divisor) != 0) {
        return -1;
    }
    return DivideDigits(regs, integer, divisor, to);
}

}  // namespace quarnic::reference
