// A natural number in fixed storage, the one form the arithmetic computes in: digit strings
// are packed into 32-bit limbs, multiplied, divided and rooted exactly, and unpacked again.
// Allocates nothing.
#pragma once

#include <array>
#include <cstdint>

namespace quarnic {

class FixedNatural {
  public:
    // The largest intermediate is an operand of 1200 places times a notation to the 900th
    // power, or a product of two operands kept below notation^2101: at most 2101 digits of
    // 5 bits, 10505 bits. Two limbs spare for digits at or above their notation.
    static constexpr int LIMBS = 331;

    bool IsZero() const { return size_ == 0; }
    int Compare(const FixedNatural& other) const;
    int BitLength() const;

    // The number spelled by `count` digit values (most significant first). A digit value may
    // exceed the base: it then simply weighs its place that many times.
    void SetDigits(const uint8_t* digits, int count, int base);
    // base^exponent.
    void SetPower(int base, int exponent);
    // Multiplies in place by base^exponent.
    void MultiplyByPower(int base, int exponent);
    // Adds in place.
    void Add(const FixedNatural& other);
    // Writes the digits in `base`, least significant first; returns how many there are (0 for
    // zero), or -1 when there would be more than `capacity`. Leaves the number intact.
    int GetDigits(int base, uint8_t* leastFirst, int capacity) const;

    // Divides in place by a nonzero small divisor and returns the remainder.
    uint32_t DivideSmall(uint32_t divisor);
    // product = a * b. False (product undefined) when it needs more than LIMBS limbs. product
    // may not alias a or b.
    static bool Multiply(const FixedNatural& a, const FixedNatural& b, FixedNatural& product);
    // quotient = n / d, remainder = n % d for nonzero d. No argument may alias another.
    static void DivMod(const FixedNatural& n, const FixedNatural& d, FixedNatural& quotient,
                       FixedNatural& remainder);
    // The integer square root, floor(sqrt(n)). root may not alias n.
    static void SquareRoot(const FixedNatural& n, FixedNatural& root);

  private:
    void MultiplyAdd(uint32_t factor, uint32_t addend);
    void Trim();

    std::array<uint32_t, LIMBS + 1> limb_{};  // least significant first; one spare for DivMod
    int size_ = 0;
};

}  // namespace quarnic
