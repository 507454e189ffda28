#include "engine/packed_places.h"

#include <array>
#include <cstdint>

#include "engine/digit_codec.h"
#include "engine/digit_text.h"

namespace quarnic {

SignificantPlaces FindSignificantPlaces(const DigitString& digits) {
    SignificantPlaces places;
    places.first = LeadingZeroCount(digits);
    places.last = DIGIT_PLACES - 1 - TrailingZeroCount(digits);
    return places;
}

FixedNatural PackPlaces(const DigitString& s, int first, int last, int notation) {
    std::array<uint8_t, DIGIT_PLACES> values{};
    const int count = last - first + 1;
    for (int i = 0; i < count; ++i) {
        values[i] = static_cast<uint8_t>(DigitValue(s[first + i]));
    }
    FixedNatural packed;
    packed.SetDigits(values.data(), count > 0 ? count : 0, notation);
    return packed;
}

int UnpackPlaces(const FixedNatural& value, int notation, int last, DigitString& digits) {
    std::array<uint8_t, DIGIT_PLACES> leastFirst;
    const int room = last + 1 < DIGIT_PLACES ? last + 1 : DIGIT_PLACES;
    const int count = value.GetDigits(notation, leastFirst.data(), room > 0 ? room : 0);
    if (count < 0) {
        return -1;
    }
    ClearDigits(digits);
    for (int j = 0; j < count; ++j) {
        digits[last - j] = DigitChar(leastFirst[j]);
    }
    return 0;
}

}  // namespace quarnic
