// An exact natural-number type for checking the digit-string engine against, on GMP's integers:
// it shares no code with the engine, so agreement means something, and it is fast enough to
// check every answer of the long random key runs.
#pragma once

#include <gmpxx.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

#include "engine/digit_string.h"

namespace quarnic::exact {

class Natural {
  public:
    Natural() = default;
    explicit Natural(uint64_t value);

    // Digit characters "0".."9", "A".."V" in the given base, most significant first.
    static Natural FromDigits(std::string_view digits, int base);
    // At least minLength digits, padded with leading "0"s.
    std::string ToDigits(int base, size_t minLength = 1) const;

    static Natural Power(int base, int exponent);

    bool IsZero() const { return value_ == 0; }
    int Compare(const Natural& other) const;
    bool operator==(const Natural& o) const { return Compare(o) == 0; }
    bool operator<(const Natural& o) const { return Compare(o) < 0; }
    bool operator<=(const Natural& o) const { return Compare(o) <= 0; }

    Natural operator+(const Natural& o) const;
    Natural operator-(const Natural& o) const;  // requires *this >= o
    Natural operator*(const Natural& o) const;
    // Quotient and remainder of a division by a nonzero divisor.
    static void DivMod(const Natural& n, const Natural& d, Natural& quotient, Natural& remainder);
    Natural operator/(const Natural& o) const;
    Natural operator%(const Natural& o) const;

    int BitLength() const;
    // Divides in place by a small nonzero divisor; returns the remainder.
    uint32_t DivideSmall(uint32_t divisor);

  private:
    explicit Natural(mpz_class value) : value_(std::move(value)) {}
    mpz_class value_;
};

// A digit string's value times base^900, as a natural number (its 1200 places read as one
// integer).
Natural ScaledValue(const DigitString& digits, int base);

// The digit string whose 1200 places spell `scaled` in the base; false if it needs more.
bool ToDigitString(const Natural& scaled, int base, DigitString& digits);

// A digit string from plain digits: integer part and fraction part as digit characters.
DigitString MakeDigits(std::string_view integerPart, std::string_view fractionPart = {});

// The same from "12.5"-style text (no sign), and back: integer digits without leading zeros
// ("0" when none), "." and the fraction without trailing zeros when there is one.
DigitString Digits(std::string_view plain);
std::string Spell(const DigitString& digits);

}  // namespace quarnic::exact
