// A natural number of up to 6400 bits in fixed storage, for the fast arithmetic: digit strings
// are packed into it, divided in 32-bit limbs and unpacked again. Allocates nothing.
#pragma once

#include <array>
#include <cstdint>

namespace quarnic {

class FixedNatural {
  public:
    // 1200 places of notation 32 need 6000 bits.
    static constexpr int LIMBS = 200;

    bool IsZero() const { return size_ == 0; }
    int Compare(const FixedNatural& other) const;

    // The number spelled by `count` digit values (most significant first). A digit value may
    // exceed the base: it then simply weighs its place that many times.
    void SetDigits(const uint8_t* digits, int count, int base);
    // base^exponent.
    void SetPower(int base, int exponent);
    // Writes the digits in `base`, least significant first; returns how many there are (0 for
    // zero), or -1 when there would be more than `capacity`. Leaves the number intact.
    int GetDigits(int base, uint8_t* leastFirst, int capacity) const;

    // The lowest 32 bits.
    uint32_t LowLimb() const { return size_ == 0 ? 0 : limb_[0]; }

    // Divides in place by a nonzero small divisor and returns the remainder.
    uint32_t DivideSmall(uint32_t divisor);
    // quotient = n / d, remainder = n % d for nonzero d. No argument may alias another.
    static void DivMod(const FixedNatural& n, const FixedNatural& d, FixedNatural& quotient,
                       FixedNatural& remainder);

  private:
    void MultiplyAdd(uint32_t factor, uint32_t addend);
    void Trim();

    std::array<uint32_t, LIMBS + 1> limb_{};  // least significant first; one spare for DivMod
    int size_ = 0;
};

}  // namespace quarnic
