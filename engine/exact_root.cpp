#include "engine/exact_root.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "engine/digit_codec.h"

namespace quarnic {

namespace {

using Limb = std::uint32_t;
using Wide = std::uint64_t;
constexpr int LIMB_BITS = 32;

// The kept operand has at most 300 + 2 * 300 digits of at most 5 bits each.
constexpr int MAX_KEPT_PLACES = INTEGER_PLACES + 2 * MAX_ROOT_FRACTION_PLACES;
constexpr int MAX_LIMBS = (MAX_KEPT_PLACES * 5 + LIMB_BITS - 1) / LIMB_BITS + 1;

// A natural number in binary, least significant limb first; limbs from `size` on are zero.
struct Natural {
    std::array<Limb, MAX_LIMBS> limb{};
    int size = 0;
};

void Trim(Natural& number) {
    while (number.size > 0 && number.limb[number.size - 1] == 0) {
        --number.size;
    }
}

// number = number * factor + addend, factor and addend below 2^32.
void MultiplyAdd(Natural& number, Limb factor, Limb addend) {
    Wide carry = addend;
    for (int i = 0; i < number.size; ++i) {
        Wide product = Wide{number.limb[i]} * factor + carry;
        number.limb[i] = static_cast<Limb>(product);
        carry = product >> LIMB_BITS;
    }
    if (carry != 0) {
        number.limb[number.size++] = static_cast<Limb>(carry);
    }
}

// number = number / divisor; returns the remainder.
Limb DivideSmall(Natural& number, Limb divisor) {
    Wide remainder = 0;
    for (int i = number.size - 1; i >= 0; --i) {
        Wide part = (remainder << LIMB_BITS) | number.limb[i];
        number.limb[i] = static_cast<Limb>(part / divisor);
        remainder = part % divisor;
    }
    Trim(number);
    return static_cast<Limb>(remainder);
}

// The largest k with notation^k below 2^32, so k digits travel as one limb operation.
int DigitsPerLimb(int notation, Limb& power) {
    int count = 0;
    Wide value = 1;
    while (value * static_cast<Wide>(notation) <= 0xFFFFFFFFu) {
        value *= static_cast<Wide>(notation);
        ++count;
    }
    power = static_cast<Limb>(value);
    return count;
}

void ReadPlaces(const DigitString& digits, int first, int last, int notation, Natural& number) {
    Limb chunkPower = 0;
    const int chunk = DigitsPerLimb(notation, chunkPower);
    for (int place = first; place <= last;) {
        Limb factor = 1;
        Limb value = 0;
        for (int k = 0; k < chunk && place <= last; ++k, ++place) {
            factor *= static_cast<Limb>(notation);
            value =
                value * static_cast<Limb>(notation) + static_cast<Limb>(DigitValue(digits[place]));
        }
        MultiplyAdd(number, factor, value);
    }
}

// Writes number into the places ending at `last`, downward; the number's digits are known to
// fit above place 0.
void WritePlaces(Natural& number, int last, int notation, DigitString& digits) {
    Limb chunkPower = 0;
    const int chunk = DigitsPerLimb(notation, chunkPower);
    int place = last;
    while (number.size > 0) {
        Limb part = DivideSmall(number, chunkPower);
        for (int k = 0; k < chunk && place >= 0; ++k, --place) {
            digits[place] = DigitChar(static_cast<int>(part % static_cast<Limb>(notation)));
            part /= static_cast<Limb>(notation);
        }
    }
}

int BitLength(const Natural& number) {
    if (number.size == 0) {
        return 0;
    }
    int bits = (number.size - 1) * LIMB_BITS;
    for (Limb top = number.limb[number.size - 1]; top != 0; top >>= 1) {
        ++bits;
    }
    return bits;
}

Limb BitPair(const Natural& number, int pair) {
    const int bit = 2 * pair;  // even, so a pair never straddles two limbs
    return (number.limb[bit / LIMB_BITS] >> (bit % LIMB_BITS)) & 3u;
}

// number = number * 2^shift + low, shift 1 or 2 and low below 2^shift.
void ShiftInBits(Natural& number, int shift, Limb low) {
    Limb carry = low;
    for (int i = 0; i < number.size; ++i) {
        Limb next = number.limb[i] >> (LIMB_BITS - shift);
        number.limb[i] = (number.limb[i] << shift) | carry;
        carry = next;
    }
    if (carry != 0) {
        number.limb[number.size++] = carry;
    }
}

// trial = 4 * root + 1: the amount the remainder must hold for the next root bit to be 1.
void FormTrial(const Natural& root, Natural& trial) {
    Limb carry = 1;
    for (int i = 0; i < root.size; ++i) {
        Limb next = root.limb[i] >> (LIMB_BITS - 2);
        trial.limb[i] = (root.limb[i] << 2) | carry;
        carry = next;
    }
    trial.size = root.size;
    if (carry != 0) {
        trial.limb[trial.size++] = carry;
    }
}

bool IsLess(const Natural& a, const Natural& b) {
    if (a.size != b.size) {
        return a.size < b.size;
    }
    for (int i = a.size - 1; i >= 0; --i) {
        if (a.limb[i] != b.limb[i]) {
            return a.limb[i] < b.limb[i];
        }
    }
    return false;
}

// a = a - b, with a >= b.
void Subtract(Natural& a, const Natural& b) {
    Limb borrow = 0;
    for (int i = 0; i < a.size; ++i) {
        Wide taken = Wide{i < b.size ? b.limb[i] : 0u} + borrow;
        borrow = Wide{a.limb[i]} < taken ? 1u : 0u;
        a.limb[i] = static_cast<Limb>(Wide{a.limb[i]} - taken);
    }
    Trim(a);
}

}  // namespace

// Only places 0 .. 299 + 2T of x can matter: the root is floor(sqrt(M)) / n^T with M the
// integer those places form, because flooring x * n^2T before the root changes no digit of
// floor(sqrt(x * n^2T)). M is moved into binary and rooted there one bit at a time, keeping
// the exact remainder M' - r^2 of the bits taken so far, so each bit of r is decided exactly
// and r is the integer root; then r is written back in the notation.
void ExactSquareRoot(const DigitString& x, int notation, int places, DigitString& root) {
    for (int place = 0; place < DIGIT_PLACES; ++place) {
        root[place] = '0';
    }
    root[DIGIT_PLACES] = '\0';

    places = std::clamp(places, 0, MAX_ROOT_FRACTION_PLACES);
    const int lastKept = UNITS_PLACE + 2 * places;
    int first = 0;
    while (first <= lastKept && DigitValue(x[first]) == 0) {
        ++first;
    }
    if (first > lastKept) {
        return;
    }
    Natural operand;
    ReadPlaces(x, first, lastKept, notation, operand);

    Natural remainder;
    Natural result;
    Natural trial;
    for (int pair = (BitLength(operand) + 1) / 2 - 1; pair >= 0; --pair) {
        ShiftInBits(remainder, 2, BitPair(operand, pair));
        FormTrial(result, trial);
        const bool bitIsOne = !IsLess(remainder, trial);
        if (bitIsOne) {
            Subtract(remainder, trial);
        }
        ShiftInBits(result, 1, bitIsOne ? 1u : 0u);
    }
    WritePlaces(result, UNITS_PLACE + places, notation, root);
}

}  // namespace quarnic
