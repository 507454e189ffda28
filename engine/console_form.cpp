#include "engine/console_form.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "engine/add_subtract.h"
#include "engine/digit_codec.h"
#include "engine/digit_text.h"
#include "engine/fixed_text.h"

namespace quarnic {

namespace {

// Pixels the console gives the digits, with their point and sign: its width less the room
// for an exponent suffix.
int DigitRoom(const TextMeasurer& measurer, int consoleWidth) {
    return consoleWidth - 27 - measurer.TextWidth(" C-333");
}

// The length of the longest prefix of text that is at most limit wide with extra beside it. A
// longer prefix is never narrower, so halving finds it in a dozen measurements.
int LongestFittingPrefix(const TextMeasurer& measurer, std::string_view text, int extra,
                         int limit) {
    int fits = 0;
    int fails = static_cast<int>(text.size()) + 1;
    while (fails - fits > 1) {
        const int middle = fits + (fails - fits) / 2;
        const bool fit =
            measurer.TextWidth(text.substr(0, static_cast<size_t>(middle))) + extra <= limit;
        (fit ? fits : fails) = middle;
    }
    return fits;
}

}  // namespace

void FitDigitsToConsole(EngineRegisters& regs, const TextMeasurer& measurer, int consoleWidth,
                        int sign) {
    const int lz = LeadingZeroCount(regs.ResultDigits);
    const std::string_view digits(regs.ResultDigits.data() + lz,
                                  static_cast<size_t>(DIGIT_PLACES - lz));
    regs.DigitsThatFit =
        LongestFittingPrefix(measurer, digits, measurer.TextWidth(sign == -1 ? "-." : "."),
                             DigitRoom(measurer, consoleWidth));
}

int ConsoleCapacity(const TextMeasurer& measurer, int consoleWidth, int notation) {
    const std::string run(DIGIT_PLACES, DigitChar(notation - 1));
    return LongestFittingPrefix(measurer, run, measurer.TextWidth("."),
                                DigitRoom(measurer, consoleWidth));
}

void RoundUpTopDigitRun(EngineRegisters& regs, int notation, int capacity, int lastPlace) {
    const char top = DigitChar(notation - 1);
    int q = lastPlace + 1;
    while (q > 0 && regs.ResultDigits[q - 1] == top) {
        --q;
    }
    const int runLength = lastPlace + 1 - q;
    if (runLength == 0 || runLength < capacity || q == 0) {
        return;
    }
    DigitString head;
    DigitString unit;
    ClearDigits(head);
    ClearDigits(unit);
    std::copy(regs.ResultDigits.begin(), regs.ResultDigits.begin() + q, head.begin());
    unit[q - 1] = '1';
    // Place q - 1 holds less than the top digit, so the unit carries no further.
    AddDigits(regs, head, unit, notation);
}

namespace {

using PlainTextWriter = FixedTextWriter<PLAIN_TEXT_BYTES>;

// The console form as numbers: `count` significant digits from place `first`, a point after
// `pointAfter` of them (none when that is count or more), "0." before them for a number below
// one shown without exponent, and the power of the notation they are multiplied by (none: 0).
struct ConsoleNumber {
    int first = 0;
    int count = 0;
    int pointAfter = 0;
    bool belowOne = false;
    int exponent = 0;
};

// How many of the `count` digits from place `first` remain without the zeros they end in.
int WithoutTrailingZeros(const DigitString& digits, int first, int count) {
    while (count > 0 && DigitValue(digits[first + count - 1]) == 0) {
        --count;
    }
    return count;
}

// A number of one or more: its integer digits and the fraction digits that fit beside them, or
// its top digits and an exponent when the integer digits alone do not fit. An integer ending
// in more than six zeros shows them as its exponent.
ConsoleNumber FromOneUp(const DigitString& digits, int lz, int tz, int fit) {
    const int integerDigits = INTEGER_PLACES - lz;
    ConsoleNumber form{lz, 0, integerDigits, false, 0};
    if (integerDigits > fit) {
        form.count = WithoutTrailingZeros(digits, lz, fit);
        form.exponent = integerDigits - form.count;
    } else if (tz < FRACTION_PLACES) {
        const int fraction = std::min(fit - integerDigits, FRACTION_PLACES - tz);
        form.count = integerDigits + WithoutTrailingZeros(digits, INTEGER_PLACES, fraction);
    } else {
        const int significant = WithoutTrailingZeros(digits, lz, integerDigits);
        const bool zerosToExponent = integerDigits - significant > 6;
        form.count = zerosToExponent ? significant : integerDigits;
        form.exponent = zerosToExponent ? integerDigits - significant : 0;
    }
    return form;
}

// A number below one: "0." and its first fraction digits, or, when its first significant digit
// lies further down, that digit, a point, the digits after it and a negative exponent.
ConsoleNumber BelowOne(const DigitString& digits, int lz, int fit) {
    ConsoleNumber form{lz, WithoutTrailingZeros(digits, lz, std::min(fit, DIGIT_PLACES - lz)), 1,
                       lz == INTEGER_PLACES, 0};
    if (form.belowOne) {
        form.pointAfter = form.count;
    } else {
        form.exponent = UNITS_PLACE - lz;
    }
    return form;
}

void PutExponent(PlainTextWriter& out, int notation, int exponent) {
    NotationSymbolText symbol;
    NotationSymbol(notation, symbol);
    out.Put(' ');
    out.Put(symbol.data());
    out.Put('^');
    out.PutDecimal(exponent);
}

void PutConsoleNumber(PlainTextWriter& out, const DigitString& digits, const ConsoleNumber& form,
                      int sign, int notation) {
    const int integerCount = form.belowOne ? 0 : std::min(form.pointAfter, form.count);
    SpellNumber(out, sign == -1, DigitPlaces(digits, form.first, integerCount),
                DigitPlaces(digits, form.first + integerCount, form.count - integerCount));
    if (form.exponent != 0) {
        PutExponent(out, notation, form.exponent);
    }
}

}  // namespace

void FormatConsoleNumber(EngineRegisters& regs, int sign, int notation) {
    regs.ResultConsoleText.fill('\0');
    PlainTextWriter out(regs.ResultConsoleText);
    const DigitString& digits = regs.ResultDigits;
    const int lz = LeadingZeroCount(digits);
    if (lz == DIGIT_PLACES) {
        SpellNumber(out, false, {}, {});
        return;
    }
    const ConsoleNumber form =
        lz < INTEGER_PLACES ? FromOneUp(digits, lz, TrailingZeroCount(digits), regs.DigitsThatFit)
                            : BelowOne(digits, lz, regs.DigitsThatFit);
    PutConsoleNumber(out, digits, form, sign, notation);
}

void NotationSymbol(int notation, NotationSymbolText& symbol) {
    symbol.fill('\0');
    if (notation >= 2 && notation <= 9) {
        symbol[0] = static_cast<char>('0' + notation);
    } else if (notation == 10) {
        symbol[0] = '1';
        symbol[1] = '0';
    } else if (notation >= 11 && notation <= 32) {
        // The digit character of the notation's own value, running on to "W" for 32.
        symbol[0] = static_cast<char>('A' + notation - 10);
    }
}

void FormatAnswerForConsole(EngineRegisters& regs, const TextMeasurer& measurer, int consoleWidth,
                            int sign, int notation, int destination, TopDigitRun run,
                            int lastPlace) {
    if (run == TopDigitRun::RoundUp) {
        RoundUpTopDigitRun(regs, notation, ConsoleCapacity(measurer, consoleWidth, notation),
                           lastPlace);
    }
    FitDigitsToConsole(regs, measurer, consoleWidth, sign);
    FormatAnswerText(regs, sign, destination);
    FormatConsoleNumber(regs, sign, notation);
}

}  // namespace quarnic
