#include "engine/conversion.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/digit_codec.h"
#include "engine/digit_text.h"
#include "engine/fixed_natural.h"
#include "engine/multiply_divide.h"

namespace quarnic {

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

// Writes `value` in notation `to` with its least significant digit on the units place.
// Returns -1 when it needs more than digitLimit digits, or more than the 300 integer places
// a digit string has (only a count beyond the budget could ask for that).
int PlaceConverted(const FixedNatural& value, int to, int digitLimit, DigitString& digits) {
    std::array<uint8_t, DIGIT_PLACES> leastFirst;
    const int count =
        value.GetDigits(to, leastFirst.data(), std::clamp(digitLimit, 0, DIGIT_PLACES));
    if (count < 0 || count > INTEGER_PLACES) {
        return -1;
    }
    ClearDigits(digits);
    for (int j = 0; j < count; ++j) {
        digits[UNITS_PLACE - j] = DigitChar(leastFirst[j]);
    }
    return 0;
}

}  // namespace

// The digits taken are converted as one integer, packed into limbs, and the fraction comes
// out of one division by the source notation's power frac.
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
    std::array<uint8_t, DIGIT_PLACES> values;
    for (int i = 0; i < count; ++i) {
        values[i] = static_cast<uint8_t>(DigitValue(s[lz + i]));
    }
    FixedNatural source;
    source.SetDigits(values.data(), count, from);
    DigitString integer;
    if (PlaceConverted(source, to, digitLimit, integer) != 0) {
        return -1;
    }
    if (frac == 0) {
        regs.ResultDigits = integer;
        return 0;
    }
    FixedNatural power;
    power.SetPower(from, frac);
    DigitString divisor;
    if (PlaceConverted(power, to, digitLimit, divisor) != 0) {
        return -1;
    }
    return DivideDigits(regs, integer, divisor, to);
}

}  // namespace quarnic
