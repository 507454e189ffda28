#include "tests/support/exact_number.h"

#include <algorithm>
#include <stdexcept>

namespace quarnic::exact {

namespace {

int ValueOf(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'V') {
        return c - 'A' + 10;
    }
    throw std::invalid_argument("not a digit character");
}

}  // namespace

Natural::Natural(uint64_t value) : value_(static_cast<unsigned long>(value)) {}

Natural Natural::FromDigits(std::string_view digits, int base) {
    // Digit by digit, so that a digit at or above the base still counts with its value.
    mpz_class value;
    for (char c : digits) {
        value *= base;
        value += ValueOf(c);
    }
    return Natural(value);
}

std::string Natural::ToDigits(int base, size_t minLength) const {
    // A negative base asks GMP for upper-case letters: "A".."V" as the digit alphabet has them.
    std::string out = value_ == 0 ? std::string() : value_.get_str(-base);
    if (out.size() < minLength) {
        out.insert(0, minLength - out.size(), '0');
    }
    return out;
}

Natural Natural::Power(int base, int exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), static_cast<unsigned long>(base),
                  static_cast<unsigned long>(exponent));
    return Natural(result);
}

int Natural::Compare(const Natural& other) const {
    const int order = cmp(value_, other.value_);
    return order < 0 ? -1 : (order > 0 ? 1 : 0);
}

Natural Natural::operator+(const Natural& o) const {
    return Natural(mpz_class(value_ + o.value_));
}

Natural Natural::operator-(const Natural& o) const {
    if (*this < o) {
        throw std::invalid_argument("negative difference");
    }
    return Natural(mpz_class(value_ - o.value_));
}

Natural Natural::operator*(const Natural& o) const {
    return Natural(mpz_class(value_ * o.value_));
}

void Natural::DivMod(const Natural& n, const Natural& d, Natural& quotient, Natural& remainder) {
    if (d.IsZero()) {
        throw std::invalid_argument("division by zero");
    }
    mpz_fdiv_qr(quotient.value_.get_mpz_t(), remainder.value_.get_mpz_t(), n.value_.get_mpz_t(),
                d.value_.get_mpz_t());
}

Natural Natural::operator/(const Natural& o) const {
    Natural q;
    Natural r;
    DivMod(*this, o, q, r);
    return q;
}

Natural Natural::operator%(const Natural& o) const {
    Natural q;
    Natural r;
    DivMod(*this, o, q, r);
    return r;
}

uint32_t Natural::DivideSmall(uint32_t divisor) {
    return static_cast<uint32_t>(
        mpz_fdiv_q_ui(value_.get_mpz_t(), value_.get_mpz_t(), static_cast<unsigned long>(divisor)));
}

int Natural::BitLength() const {
    return value_ == 0 ? 0 : static_cast<int>(mpz_sizeinbase(value_.get_mpz_t(), 2));
}

Natural ScaledValue(const DigitString& digits, int base) {
    return Natural::FromDigits(std::string_view(digits.data(), DIGIT_PLACES), base);
}

bool ToDigitString(const Natural& scaled, int base, DigitString& digits) {
    const std::string text = scaled.ToDigits(base, DIGIT_PLACES);
    if (text.size() > static_cast<size_t>(DIGIT_PLACES)) {
        return false;
    }
    std::copy(text.begin(), text.end(), digits.begin());
    digits[DIGIT_PLACES] = '\0';
    return true;
}

DigitString MakeDigits(std::string_view integerPart, std::string_view fractionPart) {
    if (integerPart.size() > static_cast<size_t>(INTEGER_PLACES) ||
        fractionPart.size() > static_cast<size_t>(FRACTION_PLACES)) {
        throw std::invalid_argument("too many digits for a digit string");
    }
    DigitString d;
    d.fill('0');
    d[DIGIT_PLACES] = '\0';
    std::copy(integerPart.begin(), integerPart.end(),
              d.begin() + (INTEGER_PLACES - static_cast<int>(integerPart.size())));
    std::copy(fractionPart.begin(), fractionPart.end(), d.begin() + INTEGER_PLACES);
    return d;
}

DigitString Digits(std::string_view plain) {
    const size_t point = plain.find('.');
    if (point == std::string_view::npos) {
        return MakeDigits(plain);
    }
    return MakeDigits(plain.substr(0, point), plain.substr(point + 1));
}

std::string Spell(const DigitString& digits) {
    const std::string_view all(digits.data(), DIGIT_PLACES);
    std::string integer(all.substr(0, INTEGER_PLACES));
    std::string fraction(all.substr(INTEGER_PLACES));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? integer : integer + "." + fraction;
}

}  // namespace quarnic::exact
