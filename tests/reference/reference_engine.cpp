// The arithmetic restated from its definitions rather than from the engine's code: sums,
// differences and comparisons through exact integers, each partial product as one exact row,
// the quotient by counting subtractions on digit values, the budget of a conversion by exact
// powers and the conversion itself by repeated division. Slow on purpose; do not optimise.
// Operands hold digits below their notation, as every number the engine is given does.
#include "tests/reference/reference_engine.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

#include "engine/digit_codec.h"
#include "tests/support/exact_number.h"

namespace quarnic::reference {

namespace {

using exact::Natural;

constexpr std::string_view ALPHABET = "0123456789ABCDEFGHIJKLMNOPQRSTUV";

int DigitValue(char c) {
    const size_t at = ALPHABET.find(c);
    return at == std::string_view::npos ? 0 : static_cast<int>(at);
}

char DigitChar(int value) {
    return ALPHABET[static_cast<size_t>(std::clamp(value, 0, MAX_NOTATION - 1))];
}

std::string_view Places(const DigitString& digits) {
    return {digits.data(), DIGIT_PLACES};
}

// Digit values, place 0 first; wide enough for the sums and counts in between.
using Values = std::vector<long>;

Values ValuesOf(const DigitString& digits) {
    Values values(DIGIT_PLACES);
    std::transform(digits.begin(), digits.begin() + DIGIT_PLACES, values.begin(), DigitValue);
    return values;
}

void WriteValues(const Values& values, DigitString& digits) {
    std::transform(values.begin(), values.begin() + DIGIT_PLACES, digits.begin(),
                   [](long v) { return DigitChar(static_cast<int>(v)); });
    digits[DIGIT_PLACES] = '\0';
}

// Brings every place below the notation, passing the surplus (or the debt) on to the place
// before. Returns what is left over for the place before place 0.
long Normalise(Values& values, int notation) {
    long carry = 0;
    for (auto place = values.rbegin(); place != values.rend(); ++place) {
        *place += carry;
        carry = *place >= 0 ? *place / notation : -((notation - 1 - *place) / notation);
        *place -= carry * notation;
    }
    return carry;
}

// notation^1200: one more than the largest digit string.
const Natural& Capacity(int notation) {
    static std::array<Natural, MAX_NOTATION + 1> capacities;
    if (capacities[notation].IsZero()) {
        capacities[notation] = Natural::Power(notation, DIGIT_PLACES);
    }
    return capacities[notation];
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

void SubtractDigits(EngineRegisters& regs, DigitString& a, const DigitString& b, int notation) {
    Natural minuend = exact::ScaledValue(a, notation);
    const Natural subtrahend = exact::ScaledValue(b, notation);
    if (minuend < subtrahend) {
        minuend = minuend + Capacity(notation);  // lent from nowhere: the difference wraps
    }
    exact::ToDigitString(minuend - subtrahend, notation, regs.ResultDigits);
    // Every place of a is left less the borrow that reached it from the places after it; that
    // is, the digit of the difference plus the digit of b, without carry.
    for (int p = 0; p < DIGIT_PLACES; ++p) {
        a[p] = DigitChar((DigitValue(regs.ResultDigits[p]) + DigitValue(b[p])) % notation);
    }
}

int CompareDigits(const DigitString& a, const DigitString& b) {
    // Read in a notation above every digit, place-by-place order is the order of the values.
    return exact::ScaledValue(a, MAX_NOTATION).Compare(exact::ScaledValue(b, MAX_NOTATION));
}

namespace {

bool IsZero(const Values& values) {
    return std::all_of(values.begin(), values.end(), [](long v) { return v == 0; });
}

// Places above place 0 that a partial product can reach: its carry lands one place before the
// multiplicand's first place, shifted up by at most 299 places.
constexpr int ROW_ABOVE = INTEGER_PLACES;
// Places below place 1199: a multiplier digit on place 1199 moves the multiplicand 900 down.
constexpr int ROW_BELOW = FRACTION_PLACES;

// The product of a and the digit m on place pB, computed in full in a row that reaches beyond
// both ends of a digit string, then cut to places 0..1199. False when it reaches above place 0.
bool PartialProduct(const Values& a, long m, int pB, int notation, Values& kept) {
    Values row(ROW_ABOVE + DIGIT_PLACES + ROW_BELOW, 0);
    const int shift = pB - UNITS_PLACE;
    for (int pA = 0; pA < DIGIT_PLACES; ++pA) {
        row[static_cast<size_t>(ROW_ABOVE + pA + shift)] = a[static_cast<size_t>(pA)] * m;
    }
    const long spill = Normalise(row, notation);
    kept.assign(row.begin() + ROW_ABOVE, row.begin() + ROW_ABOVE + DIGIT_PLACES);
    return spill == 0 && IsZero(Values(row.begin(), row.begin() + ROW_ABOVE));
}

}  // namespace

int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                   int notation) {
    const Values multiplicand = ValuesOf(a);
    const Values multiplier = ValuesOf(b);
    if (IsZero(multiplicand) || IsZero(multiplier)) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    // Partials are summed from the multiplier's last digit up; the sum so far is what the
    // answer holds when a later partial or sum overflows.
    Values sum(DIGIT_PLACES, 0);
    Values partial;
    for (int pB = DIGIT_PLACES - 1; pB >= 0; --pB) {
        const long m = multiplier[static_cast<size_t>(pB)];
        if (m == 0) {
            continue;
        }
        if (!PartialProduct(multiplicand, m, pB, notation, partial)) {
            return -1;
        }
        std::transform(sum.begin(), sum.end(), partial.begin(), sum.begin(), std::plus<>());
        const long carry = Normalise(sum, notation);
        WriteValues(sum, regs.ResultDigits);
        if (carry != 0) {
            return -1;
        }
    }
    return 0;
}

namespace {

// The divisor with its first digit moved to `place`; what would pass place 1199 is lost.
Values ShiftedDivisor(const Values& divisor, int first, int place) {
    Values shifted(DIGIT_PLACES, 0);
    const int length = DIGIT_PLACES - std::max(first, place);
    std::copy_n(divisor.begin() + first, length, shifted.begin() + place);
    return shifted;
}

// remainder -= subtrahend when that leaves no debt; otherwise false and remainder unchanged.
// scratch is working room.
bool TakeAway(Values& remainder, const Values& subtrahend, int notation, Values& scratch) {
    scratch.resize(DIGIT_PLACES);
    long debt = 0;
    for (int p = DIGIT_PLACES - 1; p >= 0; --p) {
        const long left =
            remainder[static_cast<size_t>(p)] - subtrahend[static_cast<size_t>(p)] - debt;
        debt = left < 0 ? 1 : 0;
        scratch[static_cast<size_t>(p)] = left + debt * notation;
    }
    if (debt != 0) {
        return false;
    }
    remainder.swap(scratch);
    return true;
}

}  // namespace

int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation) {
    const Values divisor = ValuesOf(d);
    const auto first = std::find_if(divisor.begin(), divisor.end(), [](long v) { return v != 0; });
    const bool invalidDigit =
        std::any_of(divisor.begin(), divisor.end(), [notation](long v) { return v >= notation; });
    if (first == divisor.end() || invalidDigit) {
        return -1;
    }
    Values remainder = ValuesOf(n);
    if (IsZero(remainder)) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    const int lzD = static_cast<int>(first - divisor.begin());
    // Step i counts how often the divisor, its first digit on place i, goes into what is left.
    Values counts(DIGIT_PLACES, 0);
    Values scratch;
    for (int i = 0; i < DIGIT_PLACES; ++i) {
        const Values shifted = ShiftedDivisor(divisor, lzD, i);
        while (TakeAway(remainder, shifted, notation, scratch)) {
            ++counts[static_cast<size_t>(i)];
        }
    }
    if (!IsZero(counts)) {
        WriteValues(remainder, regs.ResultDigits);  // what the last subtraction left
    }
    Normalise(counts, notation);  // a count past the notation carries into the step before
    // Step i's count weighs notation^(1199 - i) times the divisor's first place; a divisor
    // below 1 moves the quotient up by that many places, which must not leave place 0.
    const int up = lzD - UNITS_PLACE;
    Values quotient(DIGIT_PLACES, 0);
    if (up > 0) {
        if (!IsZero(Values(counts.begin(), counts.begin() + up))) {
            return -1;
        }
        std::copy(counts.begin() + up, counts.end(), quotient.begin());
    } else {
        std::copy(counts.begin(), counts.end() + up, quotient.begin() - up);
    }
    WriteValues(quotient, regs.ResultDigits);
    return 0;
}

int ConversionBudget(int from, int to) {
    // For two different notations: the most digits of `from` whose values all stay below the
    // bound of 298 digits of `to`, from^c < to^298, at most 298. Where from is to's square the
    // powers meet exactly at 149, and the strict bound settles such pairs at 148.
    static std::array<std::array<int, MAX_NOTATION + 1>, MAX_NOTATION + 1> known{};
    int& budget = known[static_cast<size_t>(from)][static_cast<size_t>(to)];
    if (budget == 0) {
        const Natural bound = Natural::Power(to, 298);
        Natural reach(1);
        while (budget < 298 && reach * Natural(static_cast<uint64_t>(from)) < bound) {
            reach = reach * Natural(static_cast<uint64_t>(from));
            ++budget;
        }
    }
    return budget;
}

int PrepareConversion(EngineRegisters& regs, const DigitString& s, int from, int to) {
    regs.ConversionDigits = s;
    const int budget = ConversionBudget(from, to);
    const int first = LeadingZeroCount(s);
    const int integerDigits = std::max(0, INTEGER_PLACES - first);
    if (integerDigits > budget) {
        return -1;
    }
    if (first == DIGIT_PLACES || TrailingZeroCount(s) >= FRACTION_PLACES) {
        regs.ConversionDigitCount = std::max(integerDigits, 1);  // zero is one digit
        regs.ConversionFractionCount = 0;
        return 0;
    }
    // The last digit taken: the budget's last significant digit, the last nonzero digit, or
    // fraction place `budget`, whichever comes first.
    const int lastNonzero = DIGIT_PLACES - 1 - TrailingZeroCount(s);
    const int last = std::min({first + budget - 1, lastNonzero, UNITS_PLACE + budget});
    if (last < first) {
        return -1;
    }
    std::fill(regs.ConversionDigits.begin() + last + 1,
              regs.ConversionDigits.begin() + DIGIT_PLACES, '0');
    regs.ConversionDigitCount = last - first + 1;
    regs.ConversionFractionCount = last - UNITS_PLACE;
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
    const std::string_view places = Places(s);
    const size_t first = places.find_first_not_of('0');
    if (first == std::string_view::npos) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    // Counts that no preparation could have given are refused.
    const bool countsFit = count >= 1 && first + static_cast<size_t>(count) <= places.size() &&
                           frac >= 0 && frac < DIGIT_PLACES;
    if (!countsFit) {
        return -1;
    }
    PlaceValues source;
    const std::string_view taken = places.substr(first, static_cast<size_t>(count));
    std::transform(taken.rbegin(), taken.rend(), source.digit.begin(), DigitValue);
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
