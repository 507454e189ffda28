#include "engine/conversion.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/digit_codec.h"
#include "engine/digit_text.h"
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

}  // namespace quarnic
