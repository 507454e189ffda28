#include "tests/support/exact_number.h"

#include <algorithm>
#include <cstdint>
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

constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";

// The largest power of the base that fits a 32-bit limb, and its exponent: digits are
// converted that many at a time.
struct DigitChunk {
    uint32_t power = 1;
    int digits = 0;
};

DigitChunk ChunkOf(int base) {
    DigitChunk chunk;
    while (static_cast<uint64_t>(chunk.power) * static_cast<uint64_t>(base) <= UINT32_MAX) {
        chunk.power *= static_cast<uint32_t>(base);
        ++chunk.digits;
    }
    return chunk;
}

}  // namespace

Natural::Natural(uint64_t value) {
    while (value != 0) {
        limbs_.push_back(static_cast<uint32_t>(value));
        value >>= 32;
    }
}

void Natural::Trim() {
    while (!limbs_.empty() && limbs_.back() == 0) {
        limbs_.pop_back();
    }
}

Natural Natural::FromDigits(std::string_view digits, int base) {
    Natural result;
    // Digits at or above the base still count with their value, one at a time, so that a
    // chunk's value cannot outgrow its limb.
    const bool allBelowBase =
        std::all_of(digits.begin(), digits.end(), [base](char c) { return ValueOf(c) < base; });
    const DigitChunk chunk =
        allBelowBase ? ChunkOf(base) : DigitChunk{static_cast<uint32_t>(base), 1};
    size_t next = 0;
    while (next < digits.size()) {
        // Up to chunk.digits digits at once: result = result * base^k + their value.
        uint32_t scale = 1;
        uint32_t value = 0;
        for (int k = 0; k < chunk.digits && next < digits.size(); ++k, ++next) {
            scale *= static_cast<uint32_t>(base);
            value =
                value * static_cast<uint32_t>(base) + static_cast<uint32_t>(ValueOf(digits[next]));
        }
        result.MultiplyAdd(scale, value);
    }
    result.Trim();
    return result;
}

void Natural::MultiplyAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (uint32_t& limb : limbs_) {
        const uint64_t t = static_cast<uint64_t>(limb) * factor + carry;
        limb = static_cast<uint32_t>(t);
        carry = t >> 32;
    }
    if (carry != 0) {
        limbs_.push_back(static_cast<uint32_t>(carry));
    }
}

std::string Natural::ToDigits(int base, size_t minLength) const {
    const DigitChunk chunk = ChunkOf(base);
    std::string out;  // least significant first
    Natural rest = *this;
    while (!rest.IsZero()) {
        uint32_t part = rest.DivideSmall(chunk.power);
        for (int k = 0; k < chunk.digits; ++k) {
            out.push_back(kDigits[part % static_cast<uint32_t>(base)]);
            part /= static_cast<uint32_t>(base);
        }
    }
    while (!out.empty() && out.back() == '0') {
        out.pop_back();
    }
    while (out.size() < minLength) {
        out.push_back('0');
    }
    std::reverse(out.begin(), out.end());
    return out;
}

Natural Natural::Power(int base, int exponent) {
    Natural result(1);
    const Natural b(static_cast<uint64_t>(base));
    for (int i = 0; i < exponent; ++i) {
        result = result * b;
    }
    return result;
}

int Natural::Compare(const Natural& other) const {
    if (limbs_.size() != other.limbs_.size()) {
        return limbs_.size() < other.limbs_.size() ? -1 : 1;
    }
    for (size_t i = limbs_.size(); i-- > 0;) {
        if (limbs_[i] != other.limbs_[i]) {
            return limbs_[i] < other.limbs_[i] ? -1 : 1;
        }
    }
    return 0;
}

Natural Natural::operator+(const Natural& o) const {
    Natural r;
    const size_t n = std::max(limbs_.size(), o.limbs_.size());
    uint64_t carry = 0;
    for (size_t i = 0; i < n; ++i) {
        const uint64_t t =
            carry + (i < limbs_.size() ? limbs_[i] : 0) + (i < o.limbs_.size() ? o.limbs_[i] : 0);
        r.limbs_.push_back(static_cast<uint32_t>(t));
        carry = t >> 32;
    }
    if (carry != 0) {
        r.limbs_.push_back(static_cast<uint32_t>(carry));
    }
    return r;
}

Natural Natural::operator-(const Natural& o) const {
    if (*this < o) {
        throw std::invalid_argument("negative difference");
    }
    Natural r = *this;
    int64_t borrow = 0;
    for (size_t i = 0; i < r.limbs_.size(); ++i) {
        int64_t t = static_cast<int64_t>(r.limbs_[i]) - borrow -
                    static_cast<int64_t>(i < o.limbs_.size() ? o.limbs_[i] : 0);
        borrow = t < 0 ? 1 : 0;
        if (t < 0) {
            t += int64_t{1} << 32;
        }
        r.limbs_[i] = static_cast<uint32_t>(t);
    }
    r.Trim();
    return r;
}

Natural Natural::operator*(const Natural& o) const {
    Natural r;
    if (IsZero() || o.IsZero()) {
        return r;
    }
    r.limbs_.assign(limbs_.size() + o.limbs_.size(), 0);
    for (size_t i = 0; i < limbs_.size(); ++i) {
        uint64_t carry = 0;
        for (size_t j = 0; j < o.limbs_.size(); ++j) {
            const uint64_t t =
                static_cast<uint64_t>(limbs_[i]) * o.limbs_[j] + r.limbs_[i + j] + carry;
            r.limbs_[i + j] = static_cast<uint32_t>(t);
            carry = t >> 32;
        }
        r.limbs_[i + o.limbs_.size()] = static_cast<uint32_t>(carry);
    }
    r.Trim();
    return r;
}

uint32_t Natural::DivideSmall(uint32_t divisor) {
    uint64_t remainder = 0;
    for (size_t i = limbs_.size(); i-- > 0;) {
        const uint64_t t = (remainder << 32) | limbs_[i];
        limbs_[i] = static_cast<uint32_t>(t / divisor);
        remainder = t % divisor;
    }
    Trim();
    return static_cast<uint32_t>(remainder);
}

int Natural::BitLength() const {
    if (limbs_.empty()) {
        return 0;
    }
    int bits = static_cast<int>(limbs_.size() - 1) * 32;
    for (uint32_t top = limbs_.back(); top != 0; top >>= 1) {
        ++bits;
    }
    return bits;
}

bool Natural::Bit(int i) const {
    const size_t limb = static_cast<size_t>(i) / 32;
    return limb < limbs_.size() && ((limbs_[limb] >> (i % 32)) & 1u) != 0;
}

void Natural::SetBit(int i) {
    const size_t limb = static_cast<size_t>(i) / 32;
    if (limbs_.size() <= limb) {
        limbs_.resize(limb + 1, 0);
    }
    limbs_[limb] |= 1u << (i % 32);
}

void Natural::ShiftLeftOne() {
    uint32_t carry = 0;
    for (uint32_t& limb : limbs_) {
        const uint32_t next = limb >> 31;
        limb = (limb << 1) | carry;
        carry = next;
    }
    if (carry != 0) {
        limbs_.push_back(carry);
    }
}

void Natural::DivMod(const Natural& n, const Natural& d, Natural& quotient, Natural& remainder) {
    if (d.IsZero()) {
        throw std::invalid_argument("division by zero");
    }
    quotient = Natural();
    remainder = Natural();
    // Bit by bit, from the top: slow but obviously right.
    for (int i = n.BitLength() - 1; i >= 0; --i) {
        remainder.ShiftLeftOne();
        if (n.Bit(i)) {
            remainder.SetBit(0);
        }
        if (d <= remainder) {
            remainder = remainder - d;
            quotient.SetBit(i);
        }
    }
    quotient.Trim();
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
