#include "engine/packed_places.h"

#include <algorithm>

#include "engine/digit_text.h"

namespace quarnic {

SignificantPlaces FindSignificantPlaces(const DigitString& digits) {
    SignificantPlaces places;
    places.first = LeadingZeroCount(digits);
    places.last = DIGIT_PLACES - 1 - TrailingZeroCount(digits);
    return places;
}

FixedNatural PackPlaces(const DigitString& s, int first, int last, int notation) {
    FixedNatural packed;
    packed.SetDigits(DigitPlaces(s, first, last - first + 1), notation);
    return packed;
}

int UnpackPlaces(const FixedNatural& value, int notation, int last, DigitString& digits) {
    const int width = std::clamp(last + 1, 0, DIGIT_PLACES);
    if (!value.GetDigits(notation, digits.data(), width)) {
        return -1;
    }
    std::fill(digits.begin() + width, digits.begin() + DIGIT_PLACES, '0');
    digits[DIGIT_PLACES] = '\0';
    return 0;
}

}  // namespace quarnic
