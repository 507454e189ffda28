// The fixed-point digit string every calculator number is held in.
#pragma once

#include <array>
#include <string_view>

namespace quarnic {

// 1200 digit characters and a NUL. The point lies between place 299 (the units digit) and
// place 300; place p weighs base^(299 - p). Sign and notation travel beside the string.
inline constexpr int DIGIT_PLACES = 1200;
inline constexpr int INTEGER_PLACES = 300;
inline constexpr int FRACTION_PLACES = 900;
inline constexpr int UNITS_PLACE = 299;

using DigitString = std::array<char, DIGIT_PLACES + 1>;

// count digit characters from place `from`, stopping at the last place; empty for count <= 0.
inline std::string_view DigitPlaces(const DigitString& digits, int from, int count) {
    const int end = from + count < DIGIT_PLACES ? from + count : DIGIT_PLACES;
    if (end <= from) {
        return {};
    }
    return std::string_view(digits.data() + from, static_cast<std::size_t>(end - from));
}

// Plain text of a number: optional "-", integer digits, optional "." and fraction digits. Room
// for every place: "-", 300 integer digits, "." and 900 fraction digits, and the NUL.
inline constexpr int PLAIN_TEXT_BYTES = 1 + INTEGER_PLACES + 1 + FRACTION_PLACES + 1;
using PlainText = std::array<char, PLAIN_TEXT_BYTES>;

}  // namespace quarnic
