#include "conv/integer_conversion.h"

#include <algorithm>

#include "common/notation.h"
#include "engine/digit_codec.h"

namespace quarnic {

int MaxDigits(int notation) {
    if (!IsValidNotation(notation)) {
        return 0;
    }
    const auto n = static_cast<std::uint64_t>(notation);
    // One digit more makes the largest number largest * n + (n - 1); it must stay in 64 bits.
    std::uint64_t largest = 0;
    int digits = 0;
    while (largest <= (UINT64_MAX - (n - 1)) / n) {
        largest = largest * n + (n - 1);
        ++digits;
    }
    return digits;
}

std::optional<std::uint64_t> ReadNumber(std::string_view digits, int notation) {
    const auto n = static_cast<std::uint64_t>(notation);
    std::uint64_t value = 0;
    for (char c : digits) {
        if (!IsDigitChar(c) || DigitValue(c) >= notation) {
            return std::nullopt;
        }
        const auto d = static_cast<std::uint64_t>(DigitValue(c));
        if (value > (UINT64_MAX - d) / n) {
            return std::nullopt;  // value * n + d would need a 65th bit
        }
        value = value * n + d;
    }
    return value;
}

NotationDigits SpellNumber(std::uint64_t value, int notation) {
    const auto n = static_cast<std::uint64_t>(notation);
    NotationDigits digits{};
    int length = 0;
    do {
        digits[length++] = DigitChar(static_cast<int>(value % n));
        value /= n;
    } while (value != 0);
    // The digits came least significant first.
    std::reverse(digits.begin(), digits.begin() + length);
    return digits;
}

}  // namespace quarnic
