#include "engine/fixed_natural.h"

#include <algorithm>
#include <bit>
#include <cassert>

#include "engine/digit_codec.h"

namespace quarnic {

namespace {

constexpr int LIMB_BITS = FixedNatural::LIMB_BITS;
constexpr WideLimb LIMB_BASE = WideLimb{1} << LIMB_BITS;
constexpr Limb LIMB_ONE = 1;

Limb Low(WideLimb v) {
    return static_cast<Limb>(v);
}
Limb High(WideLimb v) {
    return static_cast<Limb>(v >> LIMB_BITS);
}

// The limb layer: n limbs, least significant first; what leaves them is returned, never dropped.

// r = a + b, b having m <= n limbs (zero above them). r may be a or b.
// Returns the carry out of the top limb, 0 or 1.
Limb AddLimbs(Limb* r, const Limb* a, int n, const Limb* b, int m) {
    WideLimb carry = 0;
    for (int i = 0; i < n; ++i) {
        carry += WideLimb{a[i]} + (i < m ? b[i] : 0u);
        r[i] = Low(carry);
        carry >>= LIMB_BITS;
    }
    return Low(carry);
}

// r += a * factor + carry; r may be a, and r * (f - 1) added to r scales r by f.
// Returns the limb carried out of the top.
Limb MultiplyAddLimbs(Limb* r, const Limb* a, int n, Limb factor, Limb carry) {
    for (int i = 0; i < n; ++i) {
        const WideLimb t = WideLimb{a[i]} * factor + r[i] + carry;
        r[i] = Low(t);
        carry = High(t);
    }
    return carry;
}

// r -= a * factor, modulo LIMB_BASE^n, given the complement c = LIMB_BASE^n - a of a nonzero a:
// adding multiples of c is the faster loop. r and c may not overlap. Returns the borrow above.
Limb MultiplySubtractLimbs(Limb* r, const Limb* complement, int n, Limb factor) {
    return factor - MultiplyAddLimbs(r, complement, n, factor, 0);
}

// r = a << shift for n >= 1 and 0 <= shift < LIMB_BITS, top limb first, so r may be a or above
// it. Returns the bits shifted out of the top, as the low bits of a limb.
Limb ShiftLeftLimbs(Limb* r, const Limb* a, int n, int shift) {
    const Limb out = High(WideLimb{a[n - 1]} << shift);
    for (int i = n - 1; i >= 0; --i) {
        r[i] = High(((WideLimb{a[i]} << LIMB_BITS) | (i > 0 ? a[i - 1] : 0u)) << shift);
    }
    return out;
}

// r = a >> shift for n >= 1 and 0 <= shift < LIMB_BITS, bottom limb first, so r may be a.
// Returns the bits shifted out of the bottom, as the high bits of a limb.
Limb ShiftRightLimbs(Limb* r, const Limb* a, int n, int shift) {
    const Limb out = Low(WideLimb{a[0]} << (LIMB_BITS - shift));
    for (int i = 0; i < n; ++i) {
        r[i] = Low(((WideLimb{i + 1 < n ? a[i + 1] : 0u} << LIMB_BITS) | a[i]) >> shift);
    }
    return out;
}

// r = a / divisor for a nonzero divisor, top limb first, so r may be a.
// Returns the remainder.
Limb DivideByLimb(Limb* r, const Limb* a, int n, Limb divisor) {
    assert(divisor != 0);
    WideLimb remainder = 0;
    for (int i = n - 1; i >= 0; --i) {
        const WideLimb t = (remainder << LIMB_BITS) | a[i];
        r[i] = Low(t / divisor);
        remainder = t % divisor;
    }
    return Low(remainder);
}

// One limb of Knuth's long division: u[0..len] < v * LIMB_BASE, v of len >= 2 limbs with its
// top bit set. Returns u / v and leaves u % v in u[0..len); counts in addBacks when v was added
// back.
Limb QuotientLimb(Limb* u, const Limb* v, const Limb* complement, int len, int& addBacks) {
    const WideLimb top = (WideLimb{u[len]} << LIMB_BITS) | u[len - 1];
    WideLimb qhat = top / v[len - 1];
    WideLimb rhat = top % v[len - 1];
    // The next limbs leave the estimate at most one too large.
    while (rhat < LIMB_BASE &&
           (qhat >= LIMB_BASE || qhat * v[len - 2] > ((rhat << LIMB_BITS) | u[len - 2]))) {
        --qhat;
        rhat += v[len - 1];
    }
    if (MultiplySubtractLimbs(u, complement, len, Low(qhat)) <= u[len]) {
        return Low(qhat);
    }
    // It was (about twice in LIMB_BASE limbs): the difference wrapped; adding v back unwraps it.
    ++addBacks;
    AddLimbs(u, u, len, v, len);
    return Low(qhat) - 1;
}

// The bits of a digit when base is a power of two, else 0.
int BitsPerDigit(int base) {
    return std::has_single_bit(unsigned(base)) ? std::countr_zero(unsigned(base)) : 0;
}

Limb SmallPower(int base, int exponent) {
    Limb power = 1;
    for (; exponent > 0; --exponent) {
        power *= unsigned(base);
    }
    return power;
}

// How many digits of base fit `bits` bits, a limb's by default: they go in and out of the limbs
// that many at a time.
int ChunkDigits(int base, int bits = LIMB_BITS) {
    int digits = 1;
    while (WideLimb{SmallPower(base, digits)} * unsigned(base) >> bits == 0) {
        ++digits;
    }
    return digits;
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

bool FixedNatural::PutOnTop(Limb carry) {
    limb_[size_] = carry;
    size_ += carry != 0 ? 1 : 0;
    return size_ <= LIMBS;
}

void FixedNatural::SetDigits(std::string_view digits, int base) {
    const int count = static_cast<int>(digits.size());
    assert(count * std::bit_width(unsigned(base - 1)) <= LIMB_BITS * LIMBS);  // room for carries
    size_ = 0;
    if (const int bits = BitsPerDigit(base)) {
        Limb pending = 0;
        for (int i = count - 1, held = 0; i >= 0; --i) {
            const Limb digit = Limb(DigitValue(digits[i]));
            pending |= digit << held;
            if ((held += bits) >= LIMB_BITS) {
                limb_[size_++] = pending;
                held -= LIMB_BITS;
                pending = digit >> (bits - held);  // the bits that did not fit
            }
        }
        limb_[size_++] = pending;
        Trim();
        return;
    }
    // A short group first leaves whole chunks.
    const int chunk = ChunkDigits(base);
    for (int i = 0, length = (count + chunk - 1) % chunk + 1; i < count;
         i += length, length = chunk) {
        Limb group = 0;
        for (int k = i; k < i + length; ++k) {
            group = group * unsigned(base) + unsigned(DigitValue(digits[k]));
        }
        PutOnTop(MultiplyAddLimbs(limb_.data(), limb_.data(), size_, SmallPower(base, length) - 1,
                                  group));
    }
}

bool FixedNatural::MultiplyByPower(int base, int exponent) {
    if (const int bits = BitsPerDigit(base); bits != 0 && !IsZero()) {
        if (BitLength() + bits * exponent > LIMB_BITS * LIMBS) {
            return false;
        }
        const int limbs = bits * exponent / LIMB_BITS;
        const Limb out =
            ShiftLeftLimbs(&limb_[limbs], limb_.data(), size_, bits * exponent % LIMB_BITS);
        std::fill_n(limb_.begin(), limbs, 0u);
        size_ += limbs;
        return PutOnTop(out);
    }
    const int chunk = ChunkDigits(base);
    for (; exponent > 0 && !IsZero(); exponent -= chunk) {
        const Limb factor = SmallPower(base, std::min(exponent, chunk));
        if (!PutOnTop(MultiplyAddLimbs(limb_.data(), limb_.data(), size_, factor - 1, 0))) {
            return false;
        }
    }
    return true;
}

int FixedNatural::BitLength() const {
    return size_ == 0 ? 0 : (size_ - 1) * LIMB_BITS + int(std::bit_width(limb_[size_ - 1]));
}

void FixedNatural::SpellChunks(const FixedNatural& value, const FixedNatural* powers, int level,
                               Limb* chunks) {
    // Below a few limbs, halving costs more in DivMod than dividing limb by limb saves.
    if (level <= 2) {
        FixedNatural rest = value;
        for (int i = 0; i < (1 << level); ++i, rest.Trim()) {
            chunks[i] =
                DivideByLimb(rest.limb_.data(), rest.limb_.data(), rest.size_, powers[0].limb_[0]);
        }
        return;
    }
    FixedNatural high;
    FixedNatural low;
    DivMod(value, powers[level - 1], high, low);
    SpellChunks(low, powers, level - 1, chunks);
    SpellChunks(high, powers, level - 1, chunks + (1 << (level - 1)));
}

bool FixedNatural::GetDigits(int base, char* digits, int count) const {
    if (const int bits = BitsPerDigit(base)) {
        const bool fits = BitLength() <= bits * count;
        // pending holds `held` bits; a digit that needs more takes them from the next limb.
        Limb pending = 0;
        for (int i = count - 1, held = 0, next = 0; fits && i >= 0; --i) {
            const Limb limb = held < bits && next < size_ ? limb_[next++] : 0;
            digits[i] = DigitChar(static_cast<int>((pending | limb << held) & (base - 1u)));
            pending = held < bits ? limb >> (bits - held) : pending >> bits;
            held += held < bits ? LIMB_BITS - bits : -bits;
        }
        return fits;
    }
    // Halving the number into chunks is several times faster than dividing chunk after chunk.
    // The squares of the chunk's power are the same for every number of a base: made once.
    // Chunks of 32 bits whatever the limb: their digits come by the fast 32-bit division.
    const int chunkDigits = ChunkDigits(base, 32);
    static std::array<std::array<FixedNatural, 10>, 33> ladders;
    std::array<FixedNatural, 10>& powers = ladders[static_cast<std::size_t>(base)];
    if (powers[0].IsZero()) {
        powers[0] = FixedNatural(SmallPower(base, chunkDigits));
        for (int k = 1; k < 10 && 2 * powers[k - 1].size_ - 1 <= LIMBS; ++k) {
            Multiply(powers[k - 1], powers[k - 1], powers[k]);
        }
    }
    int level = 0;
    while (level < 10 && !powers[level].IsZero() && Compare(powers[level]) >= 0) {
        ++level;
    }
    std::array<Limb, 1 << 9> chunks;  // of 28 bits or more: LIMBS limbs need fewer
    SpellChunks(*this, powers.data(), level, chunks.data());
    // Whole chunks past `count` digits must be zero, and the one it cuts short below its power.
    for (int chunk = count / chunkDigits; chunk < (1 << level); ++chunk) {
        if (chunks[chunk] >=
            (chunk == count / chunkDigits ? SmallPower(base, count % chunkDigits) : 1)) {
            return false;
        }
    }
    for (int i = count - 1, chunk = 0; i >= 0; ++chunk) {
        uint32_t group = chunk < (1 << level) ? uint32_t(chunks[chunk]) : 0;
        for (int k = 0; k < chunkDigits && i >= 0; ++k, --i, group /= unsigned(base)) {
            digits[i] = DigitChar(static_cast<int>(group % unsigned(base)));
        }
    }
    return true;
}

int FixedNatural::DivMod(const FixedNatural& n, const FixedNatural& d, FixedNatural& quotient,
                         FixedNatural& remainder) {
    assert(!d.IsZero());
    quotient.size_ = 0;
    if (n.Compare(d) < 0) {
        remainder = n;
        return 0;
    }
    if (d.size_ <= 1) {
        quotient = n;
        remainder =
            FixedNatural(DivideByLimb(quotient.limb_.data(), n.limb_.data(), n.size_, d.limb_[0]));
        quotient.Trim();
        return 0;
    }
    // Both shifted so that the divisor's top bit is set; the remainder is shifted back.
    const int len = d.size_;
    const int shift = std::countl_zero(d.limb_[len - 1]);
    std::array<Limb, LIMBS> v;
    std::array<Limb, LIMBS> complement;
    std::array<Limb, LIMBS + 1> u;
    ShiftLeftLimbs(v.data(), d.limb_.data(), len, shift);
    std::transform(v.begin(), v.begin() + len, complement.begin(), [](Limb x) { return Limb(~x); });
    AddLimbs(complement.data(), complement.data(), len, &LIMB_ONE, 1);
    u[n.size_] = ShiftLeftLimbs(u.data(), n.limb_.data(), n.size_, shift);
    int addBacks = 0;
    for (int j = n.size_ - len; j >= 0; --j) {
        quotient.limb_[j] = QuotientLimb(&u[j], v.data(), complement.data(), len, addBacks);
    }
    quotient.size_ = n.size_ - len + 1;
    quotient.Trim();
    ShiftRightLimbs(remainder.limb_.data(), u.data(), len, shift);
    remainder.size_ = len;
    remainder.Trim();
    return addBacks;
}

bool FixedNatural::Multiply(const FixedNatural& a, const FixedNatural& b, FixedNatural& product) {
    product.size_ = 0;
    if (a.IsZero() || b.IsZero()) {
        return true;
    }
    if (a.size_ + b.size_ - 1 > LIMBS) {
        return false;
    }
    product.size_ = a.size_ + b.size_;
    std::fill_n(product.limb_.begin(), product.size_, 0u);
    for (int i = 0; i < a.size_; ++i) {
        product.limb_[i + b.size_] =
            MultiplyAddLimbs(&product.limb_[i], b.limb_.data(), b.size_, a.limb_[i], 0);
    }
    product.Trim();
    return product.size_ <= LIMBS;
}

// Newton's iteration from above: starting at a power of two no smaller than the root, every
// step (root + n / root) / 2 lands on or above it and strictly lower, until n / root >= root.
void FixedNatural::SquareRoot(const FixedNatural& n, FixedNatural& root) {
    root = FixedNatural(n.IsZero() ? 0 : 1);
    if (root.IsZero() || !root.MultiplyByPower(2, (n.BitLength() + 1) / 2)) {
        return;
    }
    FixedNatural quotient;
    FixedNatural remainder;
    while ((DivMod(n, root, quotient, remainder), quotient.Compare(root) < 0)) {
        // The sum stays below twice the root: its carry fits, and halving takes it back.
        root.PutOnTop(AddLimbs(root.limb_.data(), root.limb_.data(), root.size_,
                               quotient.limb_.data(), quotient.size_));
        ShiftRightLimbs(root.limb_.data(), root.limb_.data(), root.size_, 1);
        root.Trim();
    }
}

}  // namespace quarnic
