// A natural number in fixed storage, the one form the arithmetic computes in: digit strings
// are packed into limbs, multiplied, divided and rooted exactly, and unpacked again.
// Allocates nothing.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace quarnic {

// 64-bit limbs where the compiler has 128-bit products (a quarter of the steps of 32-bit ones),
// else 32-bit limbs; QUARNIC_NARROW_LIMBS asks for those, so that a 64-bit host tests them too.
#if defined(__SIZEOF_INT128__) && !defined(QUARNIC_NARROW_LIMBS)
using Limb = uint64_t;
using WideLimb = __uint128_t;
#else
using Limb = uint32_t;
using WideLimb = uint64_t;
#endif

class FixedNatural {
  public:
    static constexpr int LIMB_BITS = 8 * sizeof(Limb);
    // The largest intermediate is an operand of 1200 places times a notation to the 900th
    // power, or a product that fits 2100 places: at most 2100 digits of 5 bits, 10500 bits.
    static constexpr int LIMBS = (10500 + LIMB_BITS - 1) / LIMB_BITS;

    FixedNatural() = default;
    explicit FixedNatural(Limb limb) : size_(limb != 0 ? 1 : 0) { limb_[0] = limb; }
    // Copies the limbs in use alone: nothing reads the others, which nothing clears either.
    FixedNatural(const FixedNatural& other) { *this = other; }
    FixedNatural& operator=(const FixedNatural& other) {
        size_ = other.size_;
        std::copy_n(other.limb_.begin(), size_, limb_.begin());
        return *this;
    }

    bool IsZero() const { return size_ == 0; }
    int Compare(const FixedNatural& other) const;
    int BitLength() const;

    // The number spelled by digit characters below `base`, most significant first; no more than
    // LIMBS limbs hold at the bits of base - 1 each. A power of two as base packs by shifts.
    void SetDigits(std::string_view digits, int base);
    // Multiplies in place by base^exponent; false (the number then undefined) when the product
    // needs more than LIMBS limbs. A power of two as base shifts.
    [[nodiscard]] bool MultiplyByPower(int base, int exponent);
    // Spells the number in exactly `count` digit characters of `base`, most significant first
    // and "0" before them; false (digits untouched) when it needs more. Shifts for a power of two.
    bool GetDigits(int base, char* digits, int count) const;

    // product = a * b. False (product undefined) when it needs more than LIMBS limbs. product
    // may not alias a or b.
    static bool Multiply(const FixedNatural& a, const FixedNatural& b, FixedNatural& product);
    // quotient = n / d, remainder = n % d for nonzero d. No argument may alias another. Returns
    // how often a quotient limb's estimate was mended by adding d back (tests aim at that step).
    static int DivMod(const FixedNatural& n, const FixedNatural& d, FixedNatural& quotient,
                      FixedNatural& remainder);
    // The integer square root, floor(sqrt(n)). root may not alias n.
    static void SquareRoot(const FixedNatural& n, FixedNatural& root);

  private:
    // Puts a carry out of the top limb above it (size_ <= LIMBS before); false when that makes
    // more than LIMBS limbs.
    bool PutOnTop(Limb carry);
    // The 2^level chunks of value < powers[0]^(2^level), least significant first, powers[j]
    // being powers[0]^(2^j): halves by DivMod down to a few limbs, then divides limb by limb.
    static void SpellChunks(const FixedNatural& value, const FixedNatural* powers, int level,
                            Limb* chunks);
    void Trim();

    // Least significant first. The last limb takes a product's top before it is found too long.
    std::array<Limb, LIMBS + 1> limb_;
    int size_ = 0;
};

}  // namespace quarnic
