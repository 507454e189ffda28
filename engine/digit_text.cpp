#include "engine/digit_text.h"

#include <algorithm>

#include "engine/digit_codec.h"
#include "engine/fixed_text.h"

namespace quarnic {

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

int ParseOperandText(std::string_view text, bool negativeAllowed, DigitString& digits, int& sign) {
    ClearDigits(digits);
    const int length = static_cast<int>(text.size());
    int start = 0;
    sign = 1;
    if (length > 0 && text[0] == '-') {
        if (!negativeAllowed) {
            return -1;
        }
        sign = -1;
        start = 1;
    }
    const size_t pointAt = text.find('.');
    const int point = pointAt == std::string_view::npos ? length : static_cast<int>(pointAt);
    if (point - start > INTEGER_PLACES) {
        return -1;
    }
    // The last integer digit lands on the units place.
    for (int k = start; k < point; ++k) {
        digits[INTEGER_PLACES - point + k] = text[k];
    }
    for (int k = point + 1, place = INTEGER_PLACES; k < length && place < DIGIT_PLACES;
         ++k, ++place) {
        digits[place] = text[k];
    }
    return 0;
}

void FormatAnswerText(EngineRegisters& regs, int sign, int destination) {
    PlainText& text = destination == TO_SQRT_PLAIN_TEXT ? regs.SqrtPlainText : regs.ResultPlainText;
    ClearText(text);
    FixedTextWriter out(text);
    const DigitString& digits = regs.ResultDigits;
    const int lz = LeadingZeroCount(digits);
    const int tz = TrailingZeroCount(digits);
    if (lz < INTEGER_PLACES) {
        if (sign == -1) {
            out.Put('-');
        }
        out.Put(DigitPlaces(digits, lz, INTEGER_PLACES - lz));
        if (tz < FRACTION_PLACES) {
            out.Put('.');
            out.Put(DigitPlaces(digits, INTEGER_PLACES, FRACTION_PLACES - tz));
        }
    } else if (lz < DIGIT_PLACES) {
        if (sign == -1) {
            out.Put('-');
        }
        out.Put('0');
        out.Put('.');
        out.Put(DigitPlaces(digits, INTEGER_PLACES, FRACTION_PLACES - tz));
    } else {
        out.Put('0');
    }
}

}  // namespace quarnic
