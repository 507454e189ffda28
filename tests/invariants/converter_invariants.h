// Rules the converter's record and keys keep between any two commands, whatever was pressed
// before. The hardening tests and the fuzz targets check them after every key.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "conv/converter_state.h"
#include "tests/kit/recording_converter_view.h"

namespace quarnic {

// The first broken rule, described for a person reading a failure report, or an empty text
// when every rule holds.
std::string FindConverterViolation(const Converter& converter, const RecordingConverterView& view);

// Right after "Co&py answer": the clipboard holds the typed number and the answer with their
// notations, "255 (10) = FF (16)". Empty text when it does.
std::string FindClipboardViolation(const Converter& converter, const RecordingConverterView& view);

// The largest k with notation^k not above 2^64, counted exactly.
int ExactDigitLimit(int notation);

// The value of digits in a notation, or nothing when a character is no digit of it or the
// value does not fit in 64 bits.
std::optional<std::uint64_t> ExactValue(std::string_view digits, int notation);

// The digits of a value in a notation, without leading zeros ("0" for zero).
std::string ExactDigits(std::uint64_t value, int notation);

}  // namespace quarnic
