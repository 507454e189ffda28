// The converter's numbers: digits of a notation read into 64 bits and spelled out again, and
// the digit limit that keeps every typed number below 2^64.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "conv/converter_state.h"

namespace quarnic {

// A number below 2^64 in any notation: at most 64 digits (notation 2) and a NUL.
using NotationDigits = std::array<char, MAX_TYPED_DIGITS + 1>;

// Digits accepted for a number typed in notation 2..32: the largest k whose largest k-digit
// number, notation^k - 1, fits in 64 bits. 0 for any other notation.
int MaxDigits(int notation);

// The value of digits (most significant first) in notation 2..32; nothing when it is 2^64 or
// more, or a character is no digit of the notation. No digits read as 0.
std::optional<std::uint64_t> ReadNumber(std::string_view digits, int notation);

// The value's digits in notation 2..32, most significant first, without leading zeros; "0"
// for zero.
NotationDigits SpellNumber(std::uint64_t value, int notation);

}  // namespace quarnic
