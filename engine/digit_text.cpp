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

SignificantDigits SignificantPartsOf(const DigitString& digits) {
    const int lz = std::min(LeadingZeroCount(digits), INTEGER_PLACES);
    const int fractionEnd = std::max(DIGIT_PLACES - TrailingZeroCount(digits), INTEGER_PLACES);
    return {DigitPlaces(digits, lz, INTEGER_PLACES - lz),
            DigitPlaces(digits, INTEGER_PLACES, fractionEnd - INTEGER_PLACES)};
}

void FormatAnswerText(EngineRegisters& regs, int sign, int destination) {
    PlainText& text = destination == TO_SQRT_PLAIN_TEXT ? regs.SqrtPlainText : regs.ResultPlainText;
    ClearText(text);
    FixedTextWriter out(text);
    const SignificantDigits parts = SignificantPartsOf(regs.ResultDigits);
    SpellNumber(out, sign == -1, parts.integer, parts.fraction);
}

}  // namespace quarnic
