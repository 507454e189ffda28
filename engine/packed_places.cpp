#include "engine/packed_places.h"

#include <algorithm>
#include <array>

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
    std::array<char, 2 * DIGIT_PLACES> spelled;
    const int width = std::clamp(last + 1, 0, 2 * DIGIT_PLACES);
    if (!value.GetDigits(notation, spelled.data(), width)) {
        return -1;
    }
    const int kept = std::min(width, DIGIT_PLACES);
    std::fill(std::copy_n(spelled.begin(), kept, digits.begin()), digits.end() - 1, '0');
    digits[DIGIT_PLACES] = '\0';
    return 0;
}

}  // namespace quarnic
