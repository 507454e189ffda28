#include "engine/fixed_natural.h"

#include <algorithm>
#include <bit>

namespace quarnic {

namespace {

constexpr uint64_t LIMB_BASE = uint64_t{1} << 32;

// The largest power of base that fits a limb, and its exponent: digits go in and out of a
// FixedNatural that many at a time.
struct DigitChunk {
    uint32_t power = 1;
    int digits = 0;
};

DigitChunk ChunkFor(int base) {
    DigitChunk chunk;
    uint64_t power = 1;
    while (power * static_cast<uint64_t>(base) < LIMB_BASE) {
        power *= static_cast<uint64_t>(base);
        ++chunk.digits;
    }
    chunk.power = static_cast<uint32_t>(power);
    return chunk;
}

uint32_t Low(uint64_t v) {
    return static_cast<uint32_t>(v);
}
uint32_t High(uint64_t v) {
    return static_cast<uint32_t>(v >> 32);
}

}  // namespace

int FixedNatural::Compare(const FixedNatural& other) const {
    if (size_ != other.size_) {
        return size_ < other.size_ ? -1 : 1;
    }
    for (int i = size_ - 1; i >= 0; --i) {
        if (limb_[i] != other.limb_[i]) {
            return limb_[i] < other.limb_[i] ? -1 : 1;
        }
    }
    return 0;
}

void FixedNatural::Trim() {
    while (size_ > 0 && limb_[size_ - 1] == 0) {
        --size_;
    }
}

void FixedNatural::MultiplyAdd(uint32_t factor, uint32_t addend) {
    uint64_t carry = addend;
    for (int i = 0; i < size_; ++i) {
        const uint64_t t = static_cast<uint64_t>(limb_[i]) * factor + carry;
        limb_[i] = Low(t);
        carry = High(t);
    }
    if (carry != 0 && size_ < LIMBS) {
        limb_[size_++] = Low(carry);
    }
}

void FixedNatural::SetDigits(const uint8_t* digits, int count, int base) {
    size_ = 0;
    for (int i = 0; i < count; ++i) {
        if (digits[i] >= base) {
            // Packing would overflow a chunk; go one digit at a time.
            for (int k = 0; k < count; ++k) {
                MultiplyAdd(static_cast<uint32_t>(base), digits[k]);
            }
            Trim();
            return;
        }
    }
    const DigitChunk chunk = ChunkFor(base);
    // The first, short group makes the rest whole chunks.
    int i = 0;
    int groupLength = count % chunk.digits;
    if (groupLength == 0) {
        groupLength = chunk.digits;
    }
    while (i < count) {
        uint32_t group = 0;
        uint32_t groupPower = 1;
        for (int k = 0; k < groupLength; ++k) {
            group = group * static_cast<uint32_t>(base) + digits[i + k];
            groupPower *= static_cast<uint32_t>(base);
        }
        MultiplyAdd(groupPower, group);
        i += groupLength;
        groupLength = chunk.digits;
    }
    Trim();
}

void FixedNatural::SetPower(int base, int exponent) {
    size_ = 1;
    limb_[0] = 1;
    MultiplyByPower(base, exponent);
}

void FixedNatural::MultiplyByPower(int base, int exponent) {
    const DigitChunk chunk = ChunkFor(base);
    for (; exponent >= chunk.digits; exponent -= chunk.digits) {
        MultiplyAdd(chunk.power, 0);
    }
    for (; exponent > 0; --exponent) {
        MultiplyAdd(static_cast<uint32_t>(base), 0);
    }
}

void FixedNatural::Add(const FixedNatural& other) {
    const int longer = size_ > other.size_ ? size_ : other.size_;
    uint64_t carry = 0;
    for (int i = 0; i < longer; ++i) {
        const uint64_t s = static_cast<uint64_t>(i < size_ ? limb_[i] : 0) +
                           (i < other.size_ ? other.limb_[i] : 0) + carry;
        limb_[i] = Low(s);
        carry = High(s);
    }
    size_ = longer;
    if (carry != 0 && size_ < LIMBS) {
        limb_[size_++] = Low(carry);
    }
}

int FixedNatural::BitLength() const {
    return size_ == 0 ? 0 : (size_ - 1) * 32 + std::bit_width(limb_[size_ - 1]);
}

uint32_t FixedNatural::DivideSmall(uint32_t divisor) {
    uint64_t remainder = 0;
    for (int i = size_ - 1; i >= 0; --i) {
        const uint64_t t = (remainder << 32) | limb_[i];
        limb_[i] = static_cast<uint32_t>(t / divisor);
        remainder = t % divisor;
    }
    Trim();
    return static_cast<uint32_t>(remainder);
}

int FixedNatural::GetDigits(int base, uint8_t* leastFirst, int capacity) const {
    FixedNatural rest = *this;
    const DigitChunk chunk = ChunkFor(base);
    int count = 0;
    while (!rest.IsZero()) {
        uint32_t group = rest.DivideSmall(chunk.power);
        const bool last = rest.IsZero();
        for (int k = 0; k < chunk.digits && (!last || group != 0); ++k) {
            if (count == capacity) {
                return -1;
            }
            leastFirst[count++] = static_cast<uint8_t>(group % static_cast<uint32_t>(base));
            group /= static_cast<uint32_t>(base);
        }
    }
    return count;
}

void FixedNatural::DivMod(const FixedNatural& n, const FixedNatural& d, FixedNatural& quotient,
                          FixedNatural& remainder) {
    quotient.size_ = 0;
    if (n.Compare(d) < 0) {
        remainder = n;
        return;
    }
    if (d.size_ == 1) {
        quotient = n;
        remainder.size_ = 1;
        remainder.limb_[0] = quotient.DivideSmall(d.limb_[0]);
        remainder.Trim();
        return;
    }
    // Long division in limbs with the divisor normalised so its top bit is set; each quotient
    // limb is estimated from the top two limbs and corrected at most twice (Knuth's method D).
    const int m = n.size_;
    const int len = d.size_;
    const int shift = std::countl_zero(d.limb_[len - 1]);
    std::array<uint32_t, LIMBS> v{};
    std::array<uint32_t, LIMBS + 1> u{};
    for (int i = len - 1; i > 0; --i) {
        v[i] = (d.limb_[i] << shift) | (shift == 0 ? 0 : d.limb_[i - 1] >> (32 - shift));
    }
    v[0] = d.limb_[0] << shift;
    u[m] = shift == 0 ? 0 : n.limb_[m - 1] >> (32 - shift);
    for (int i = m - 1; i > 0; --i) {
        u[i] = (n.limb_[i] << shift) | (shift == 0 ? 0 : n.limb_[i - 1] >> (32 - shift));
    }
    u[0] = n.limb_[0] << shift;

    for (int j = m - len; j >= 0; --j) {
        const uint64_t top = (static_cast<uint64_t>(u[j + len]) << 32) | u[j + len - 1];
        uint64_t qhat = top / v[len - 1];
        uint64_t rhat = top % v[len - 1];
        while (qhat >= LIMB_BASE || qhat * v[len - 2] > ((rhat << 32) | u[j + len - 2])) {
            --qhat;
            rhat += v[len - 1];
            if (rhat >= LIMB_BASE) {
                break;
            }
        }
        int64_t borrow = 0;
        for (int i = 0; i < len; ++i) {
            const uint64_t p = qhat * v[i];
            const int64_t t =
                static_cast<int64_t>(u[i + j]) - borrow - static_cast<int64_t>(p & 0xFFFFFFFFu);
            u[i + j] = static_cast<uint32_t>(t);
            borrow = static_cast<int64_t>(p >> 32) - (t >> 32);
        }
        const int64_t t = static_cast<int64_t>(u[j + len]) - borrow;
        u[j + len] = static_cast<uint32_t>(t);
        if (t < 0) {
            // The estimate was one too large: add the divisor back.
            --qhat;
            uint64_t carry = 0;
            for (int i = 0; i < len; ++i) {
                const uint64_t s = static_cast<uint64_t>(u[i + j]) + v[i] + carry;
                u[i + j] = Low(s);
                carry = High(s);
            }
            u[j + len] += Low(carry);
        }
        quotient.limb_[j] = static_cast<uint32_t>(qhat);
    }
    quotient.size_ = m - len + 1;
    quotient.Trim();
    for (int i = 0; i < len; ++i) {
        remainder.limb_[i] =
            (u[i] >> shift) | (shift == 0 ? 0 : static_cast<uint32_t>(u[i + 1] << (32 - shift)));
    }
    remainder.size_ = len;
    remainder.Trim();
}

bool FixedNatural::Multiply(const FixedNatural& a, const FixedNatural& b, FixedNatural& product) {
    product.size_ = 0;
    if (a.IsZero() || b.IsZero()) {
        return true;
    }
    if (a.size_ + b.size_ - 1 > LIMBS) {
        return false;
    }
    const int size = a.size_ + b.size_ > LIMBS ? LIMBS : a.size_ + b.size_;
    std::fill(product.limb_.begin(), product.limb_.begin() + size, 0u);
    for (int i = 0; i < a.size_; ++i) {
        uint64_t carry = 0;
        for (int j = 0; j < b.size_; ++j) {
            const uint64_t t =
                static_cast<uint64_t>(a.limb_[i]) * b.limb_[j] + product.limb_[i + j] + carry;
            product.limb_[i + j] = Low(t);
            carry = High(t);
        }
        if (i + b.size_ < size) {
            product.limb_[i + b.size_] = Low(carry);
        } else if (carry != 0) {
            return false;
        }
    }
    product.size_ = size;
    product.Trim();
    return true;
}

// Newton's iteration from above: starting at a power of two no smaller than the root, every
// step lands on or above it and strictly lower, until the step would not go down.
void FixedNatural::SquareRoot(const FixedNatural& n, FixedNatural& root) {
    root.size_ = 0;
    if (n.IsZero()) {
        return;
    }
    root.SetPower(2, (n.BitLength() + 1) / 2);
    FixedNatural quotient;
    FixedNatural remainder;
    for (;;) {
        DivMod(n, root, quotient, remainder);
        quotient.Add(root);
        quotient.DivideSmall(2);
        if (quotient.Compare(root) >= 0) {
            return;
        }
        root = quotient;
    }
}

}  // namespace quarnic
