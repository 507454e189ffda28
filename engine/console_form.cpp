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
int DigitRoom(const TextMeasurer& measurer, int keyWidth) {
    return 10 * keyWidth - 27 - measurer.TextWidth(" C-333");
}

}  // namespace

void FitDigitsToConsole(EngineRegisters& regs, const TextMeasurer& measurer, int keyWidth,
                        int sign) {
    const int pointWidth = measurer.TextWidth(".");
    const int signedPointWidth = measurer.TextWidth("-.");
    const int limit = DigitRoom(measurer, keyWidth);
    const int lz = LeadingZeroCount(regs.ResultDigits);
    const int extra = sign == -1 ? signedPointWidth : pointWidth;
    int fit = 0;
    for (int k = 1; k <= DIGIT_PLACES - lz; ++k) {
        const std::string_view prefix(regs.ResultDigits.data() + lz, static_cast<size_t>(k));
        if (measurer.TextWidth(prefix) + extra > limit) {
            break;
        }
        fit = k;
    }
    regs.DigitsThatFit = fit;
}

int ConsoleCapacity(const TextMeasurer& measurer, int keyWidth, int notation) {
    const int limit = DigitRoom(measurer, keyWidth) - measurer.TextWidth(".");
    std::string run;
    while (static_cast<int>(run.size()) < DIGIT_PLACES &&
           measurer.TextWidth(run + DigitChar(notation - 1)) <= limit) {
        run += DigitChar(notation - 1);
    }
    return static_cast<int>(run.size());
}

int RoundUpTopDigitRun(EngineRegisters& regs, int notation, int capacity, int lastPlace) {
    const char top = DigitChar(notation - 1);
    int q = lastPlace + 1;
    while (q > 0 && regs.ResultDigits[q - 1] == top) {
        --q;
    }
    const int runLength = lastPlace + 1 - q;
    if (runLength == 0 || runLength < capacity || q == 0) {
        return 0;
    }
    DigitString head;
    DigitString unit;
    ClearDigits(head);
    ClearDigits(unit);
    std::copy(regs.ResultDigits.begin(), regs.ResultDigits.begin() + q, head.begin());
    unit[q - 1] = '1';
    return AddDigits(regs, head, unit, notation);
}

namespace {

using PlainTextWriter = FixedTextWriter<PLAIN_TEXT_BYTES>;

void PutExponent(PlainTextWriter& out, int notation, int exponent) {
    NotationSymbolText symbol;
    NotationSymbol(notation, symbol);
    out.Put(' ');
    out.Put(symbol.data());
    out.Put('^');
    out.PutDecimal(exponent);
}

}  // namespace

void FormatConsoleNumber(EngineRegisters& regs, int sign, int notation) {
    PlainTextWriter out(regs.ResultConsoleText);
    const DigitString& digits = regs.ResultDigits;
    const int lz = LeadingZeroCount(digits);
    const int tz = TrailingZeroCount(digits);
    const int fit = regs.DigitsThatFit;
    if (lz < INTEGER_PLACES) {
        if (sign == -1) {
            out.Put('-');
        }
        const int integerDigits = INTEGER_PLACES - lz;
        if (integerDigits > fit) {
            out.Put(DigitPlaces(digits, lz, fit));
            PutExponent(out, notation, integerDigits - fit);
            return;
        }
        out.Put(DigitPlaces(digits, lz, integerDigits));
        if (tz < FRACTION_PLACES) {
            out.Put('.');
            out.Put(DigitPlaces(digits, INTEGER_PLACES,
                                std::min(fit - integerDigits, FRACTION_PLACES - tz)));
        }
    } else if (lz < DIGIT_PLACES) {
        if (sign == -1) {
            out.Put('-');
        }
        out.Put("0.");
        out.Put(DigitPlaces(digits, lz, std::min(fit, FRACTION_PLACES - tz)));
        if (lz > INTEGER_PLACES) {
            PutExponent(out, notation, INTEGER_PLACES - lz);
        }
    } else {
        out.Put('0');
    }
}

namespace {

// Index of the first c in the text, or -1.
int IndexOf(const PlainText& text, char c) {
    const std::size_t at = TextOf(text).find(c);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

int TrailingZerosBefore(const PlainText& text, int end) {
    int z = 0;
    while (z < end && text[end - 1 - z] == '0') {
        ++z;
    }
    return z;
}

// Reads the decimal exponent after "^"; 0 when there is none.
int ExponentAfterCaret(const PlainText& text) {
    const int caret = IndexOf(text, '^');
    if (caret < 0) {
        return 0;
    }
    int value = 0;
    std::from_chars(text.data() + caret + 1, text.data() + TextLength(text), value);
    return value;
}

// Rebuilds "mantissa <symbol>^exponent" with the mantissa's trailing zeros removed and
// returns how many were removed.
int StripMantissaZeros(PlainText& text, int notation, int exponent) {
    const int space = IndexOf(text, ' ');
    const int zeros = TrailingZerosBefore(text, space);
    CutText(text, space - zeros);
    PlainTextWriter out(text);
    PutExponent(out, notation, exponent);
    return zeros;
}

void TidyInteger(PlainText& text, int notation) {
    if (IndexOf(text, '^') < 0) {
        const int length = TextLength(text);
        const int zeros = TrailingZerosBefore(text, length);
        if (zeros > 6) {
            CutText(text, length - zeros);
            PlainTextWriter out(text);
            PutExponent(out, notation, zeros);
        }
        return;
    }
    const int exponent = ExponentAfterCaret(text);
    const int space = IndexOf(text, ' ');
    const int zeros = TrailingZerosBefore(text, space);
    StripMantissaZeros(text, notation, exponent + zeros);
}

void TidyFraction(PlainText& text, int notation) {
    if (IndexOf(text, '^') < 0) {
        CutText(text, TextLength(text) - TrailingZerosBefore(text, TextLength(text)));
    } else {
        StripMantissaZeros(text, notation, ExponentAfterCaret(text));
    }
    const int point = IndexOf(text, '.');
    if (point == TextLength(text) - 1 || text[point + 1] == ' ') {
        std::copy(text.begin() + point + 1, text.end(), text.begin() + point);
        text.back() = '\0';
    }
    NormaliseMantissa(text);
}

}  // namespace

void TidyConsoleNumber(EngineRegisters& regs, int notation) {
    if (IndexOf(regs.ResultConsoleText, '.') < 0) {
        TidyInteger(regs.ResultConsoleText, notation);
    } else {
        TidyFraction(regs.ResultConsoleText, notation);
    }
}

void NormaliseMantissa(PlainText& consoleText) {
    const int space = IndexOf(consoleText, ' ');
    if (IndexOf(consoleText, '.') < 0 || space < 0) {
        return;
    }
    const int start = consoleText[0] == '-' ? 1 : 0;
    const bool zeroPoint = consoleText[start] == '0' && consoleText[start + 1] == '.';
    if (!zeroPoint || start + 2 >= space) {
        return;
    }
    // "0.d rest <sym>^e" becomes "d.rest <sym>^(e-1)".
    PlainText old = consoleText;
    const int caret = IndexOf(old, '^');
    const int exponent = ExponentAfterCaret(old);
    ClearText(consoleText);
    PlainTextWriter out(consoleText);
    if (start == 1) {
        out.Put('-');
    }
    out.Put(old[start + 2]);
    if (start + 3 < space) {
        out.Put('.');
        out.Put(std::string_view(old.data() + start + 3, static_cast<size_t>(space - start - 3)));
    }
    out.Put(std::string_view(old.data() + space, static_cast<size_t>(caret + 1 - space)));
    out.PutDecimal(exponent - 1);
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

int FormatShownAnswer(EngineRegisters& regs, const TextMeasurer& measurer, int keyWidth, int sign,
                      int notation, int destination, TopDigitRun run, int lastPlace) {
    if (run == TopDigitRun::RoundUp &&
        RoundUpTopDigitRun(regs, notation, ConsoleCapacity(measurer, keyWidth, notation),
                           lastPlace) != 0) {
        return -1;
    }
    FitDigitsToConsole(regs, measurer, keyWidth, sign);
    FormatAnswerText(regs, sign, destination);
    regs.ResultConsoleText.fill('\0');
    FormatConsoleNumber(regs, sign, notation);
    TidyConsoleNumber(regs, notation);
    return 0;
}

}  // namespace quarnic
