// The limb layer against GMP: packing and spelling in every notation, products, quotients with
// remainders (the rare add-back step of the long division included), square roots, and the
// top limb that must never be dropped.
#include "engine/fixed_natural.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "tests/support/exact_number.h"

namespace quarnic {
namespace exact {
// Failures show numbers in hexadecimal.
void PrintTo(const Natural& n, std::ostream* out) {
    *out << n.ToDigits(16);
}
}  // namespace exact

namespace {

using exact::Natural;

constexpr int LIMB_BITS = FixedNatural::LIMB_BITS;
constexpr int MOST_BITS = LIMB_BITS * FixedNatural::LIMBS;

// The limbs that hold as many bits as `count` limbs of 32 bits.
constexpr int LimbsOf32(int count) {
    return count * 32 / LIMB_BITS;
}

FixedNatural Packed(const Natural& value, int base = 16) {
    FixedNatural packed;
    packed.SetDigits(value.ToDigits(base), base);
    return packed;
}

// Every digit the number has in `base` (enough places for LIMBS limbs in binary), read back
// by the reference.
Natural Unpacked(const FixedNatural& value, int base = 16) {
    std::string digits(MOST_BITS, '?');
    EXPECT_TRUE(value.GetDigits(base, digits.data(), MOST_BITS));
    return Natural::FromDigits(digits, base);
}

// A random number below 2^bits, bits a multiple of 32.
Natural RandomBits(std::mt19937& rng, int bits) {
    Natural value;
    for (int i = 0; i < bits; i += 32) {
        value = value * Natural(uint64_t{1} << 32) + Natural(static_cast<uint32_t>(rng()));
    }
    return value;
}

// A number of `limbs` limbs, each either random or one of the carry-provoking 0, 1, half the
// limb base and the top limb.
Natural RandomLimbs(std::mt19937& rng, int limbs) {
    const Natural limbBase = Natural::Power(2, LIMB_BITS);
    const Natural edges[] = {Natural(0), Natural(1), Natural::Power(2, LIMB_BITS - 1),
                             limbBase - Natural(1)};
    Natural value;
    for (int i = 0; i < limbs; ++i) {
        value = value * limbBase + (rng() % 3 == 0 ? edges[rng() % 4] : RandomBits(rng, LIMB_BITS));
    }
    return value;
}

TEST(FixedNatural, PacksAndSpellsEveryNotationExactly) {
    std::mt19937 rng(27);
    const std::string alphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
    for (int base = 2; base <= 32; ++base) {
        // Lengths around the chunks of every notation (of 32- and of 64-bit limbs), and up to a
        // product's 2100 places.
        for (int length :
             {0, 1, 5, 6, 7, 12, 13, 19, 20, 21, 31, 32, 33, 39, 40, 41, 64, 65, 600, 1200, 2100}) {
            std::string digits;
            for (int i = 0; i < length; ++i) {
                digits += alphabet[rng() % static_cast<unsigned>(base)];
            }
            SCOPED_TRACE("base " + std::to_string(base) + ", " + std::to_string(length));
            FixedNatural value;
            value.SetDigits(digits, base);
            const Natural expected = Natural::FromDigits(digits, base);
            ASSERT_EQ(Unpacked(value, 16), expected);
            ASSERT_EQ(Unpacked(value, base), expected);
            if (length <= 1200) {  // within what a notation of 3-bit digits may pack
                ASSERT_EQ(Unpacked(Packed(expected, 7), base), expected);
            }
        }
    }
}

TEST(FixedNatural, SpellsIntoExactlyTheCountOrWritesNothing) {
    for (int base : {2, 10, 16, 24, 31, 32}) {
        for (int count : {1, 7, 300, 1200}) {
            SCOPED_TRACE("base " + std::to_string(base) + ", " + std::to_string(count));
            const Natural top = Natural::Power(base, count);
            std::string digits(count, '?');
            ASSERT_TRUE(Packed(top - Natural(1)).GetDigits(base, digits.data(), count));
            EXPECT_EQ(Natural::FromDigits(digits, base), top - Natural(1));
            ASSERT_TRUE(Packed(Natural(1)).GetDigits(base, digits.data(), count));
            EXPECT_EQ(digits, std::string(count - 1, '0') + "1");
            digits.assign(count, '?');
            EXPECT_FALSE(Packed(top).GetDigits(base, digits.data(), count));
            EXPECT_EQ(digits, std::string(count, '?'))
                << "a number that does not fit writes nothing";
        }
    }
    std::string none;
    EXPECT_TRUE(FixedNatural().GetDigits(10, none.data(), 0));
    EXPECT_FALSE(FixedNatural(1).GetDigits(10, none.data(), 0));
}

TEST(FixedNatural, ProductsQuotientsAndRemaindersMatchTheReference) {
    std::mt19937 rng(2700);
    for (int i = 0; i < 400; ++i) {
        const int aLimbs = 1 + static_cast<int>(rng() % LimbsOf32(160));
        const int bLimbs = 1 + static_cast<int>(rng() % (i % 4 == 0 ? 3 : LimbsOf32(160)));
        const Natural a = RandomLimbs(rng, aLimbs);
        const Natural b = RandomLimbs(rng, bLimbs);
        SCOPED_TRACE("case " + std::to_string(i));
        FixedNatural product;
        ASSERT_TRUE(FixedNatural::Multiply(Packed(a), Packed(b), product));
        ASSERT_EQ(Unpacked(product), a * b);
        if (b.IsZero()) {
            continue;
        }
        // The product divided by b gives a back; a plus a smaller remainder shows the remainder.
        const Natural dividend = a * b + a % b;
        FixedNatural quotient;
        FixedNatural remainder;
        FixedNatural::DivMod(Packed(dividend), Packed(b), quotient, remainder);
        ASSERT_EQ(Unpacked(quotient), a);
        ASSERT_EQ(Unpacked(remainder), a % b);
        FixedNatural::DivMod(Packed(a), Packed(b), quotient, remainder);
        ASSERT_EQ(Unpacked(quotient), a / b);
        ASSERT_EQ(Unpacked(remainder), a % b);
    }
}

// Knuth's estimate of a quotient limb comes from the top two limbs of the divisor. A divisor
// whose lower limbs are not zero, under a dividend that is q times its top limbs alone, makes
// the estimate q while the quotient is q - 1: the step that adds the divisor back must run.
TEST(FixedNatural, TheDivisionAddsTheDivisorBackWhenItsEstimateIsTooLarge) {
    std::mt19937 rng(31);
    const Natural limb = Natural::Power(2, LIMB_BITS);
    const Natural half = Natural::Power(2, LIMB_BITS - 1);
    int addBacks = 0;
    int cases = 0;
    for (int length : {3, 4, 17, 160}) {
        for (int i = 0; i < 25; ++i, ++cases) {
            // Top limb with its high bit set, so the division shifts nothing; the low limbs
            // anything but zero.
            const Natural highPart =
                (half + RandomBits(rng, LIMB_BITS) % half) * limb + RandomBits(rng, LIMB_BITS);
            const Natural lowPart = RandomLimbs(rng, length - 3) * limb + Natural(1) +
                                    RandomBits(rng, LIMB_BITS) % (limb - Natural(2));
            const Natural scale = Natural::Power(2, LIMB_BITS * (length - 2));
            const Natural divisor = highPart * scale + lowPart;
            const Natural estimate = Natural(2) + RandomBits(rng, LIMB_BITS) % (limb - Natural(16));
            // Below the estimate's limb, more quotient limbs that take the ordinary path.
            const Natural tail = RandomLimbs(rng, i % 3);
            const Natural shift = Natural::Power(2, LIMB_BITS * (i % 3));
            const Natural dividend = estimate * highPart * scale * shift + tail;
            FixedNatural quotient;
            FixedNatural remainder;
            addBacks +=
                FixedNatural::DivMod(Packed(dividend), Packed(divisor), quotient, remainder);
            SCOPED_TRACE("length " + std::to_string(length) + ", case " + std::to_string(i));
            ASSERT_EQ(Unpacked(quotient), dividend / divisor);
            ASSERT_EQ(Unpacked(remainder), dividend % divisor);
            ASSERT_TRUE(dividend / divisor < estimate * shift) << "the estimate was too large";
        }
    }
    EXPECT_GE(addBacks, cases) << "every case reaches the add-back step at least once";
}

TEST(FixedNatural, SquareRootsAreFloorsOfTheRealRoot) {
    std::mt19937 rng(4);
    for (int limbs : {1, 2, 3, 50, LimbsOf32(200), FixedNatural::LIMBS}) {
        for (int i = 0; i < 10; ++i) {
            const Natural n = RandomLimbs(rng, limbs);
            FixedNatural root;
            FixedNatural::SquareRoot(Packed(n), root);
            const Natural r = Unpacked(root);
            ASSERT_TRUE(r * r <= n && n < (r + Natural(1)) * (r + Natural(1))) << limbs;
        }
    }
    // Squares and their neighbours below: the Newton step must stop exactly.
    for (const Natural& r : {Natural(1), Natural(0xFFFFFFFFu), Natural::Power(3, 3000)}) {
        FixedNatural root;
        FixedNatural::SquareRoot(Packed(r * r), root);
        EXPECT_EQ(Unpacked(root), r);
        FixedNatural::SquareRoot(Packed(r * r - Natural(1)), root);
        EXPECT_EQ(Unpacked(root), r - Natural(1));
    }
}

// A carry out of the top limb is a result: the routines report it instead of dropping it.
TEST(FixedNatural, ACarryOutOfTheLastLimbIsReported) {
    const Natural all = Natural::Power(2, MOST_BITS) - Natural(1);
    const Natural half = Natural::Power(2, MOST_BITS - 1);
    for (int base : {2, 3, 16, 31, 32}) {
        SCOPED_TRACE("base " + std::to_string(base));
        FixedNatural fits = Packed(all / Natural(base));
        ASSERT_TRUE(fits.MultiplyByPower(base, 1));
        EXPECT_EQ(Unpacked(fits), all / Natural(base) * Natural(base));
        FixedNatural over = Packed(all / Natural(base) + Natural(1));
        EXPECT_FALSE(over.MultiplyByPower(base, 1));
        FixedNatural one(1);
        EXPECT_FALSE(one.MultiplyByPower(base, MOST_BITS));
    }
    FixedNatural product;
    ASSERT_TRUE(FixedNatural::Multiply(Packed(half), FixedNatural(1), product));
    EXPECT_EQ(Unpacked(product), half);
    EXPECT_FALSE(FixedNatural::Multiply(Packed(half), FixedNatural(2), product));
    EXPECT_FALSE(FixedNatural::Multiply(Packed(Natural::Power(2, MOST_BITS / 2)),
                                        Packed(Natural::Power(2, MOST_BITS / 2)), product));
    ASSERT_TRUE(FixedNatural::Multiply(Packed(Natural::Power(2, MOST_BITS / 2)),
                                       Packed(Natural::Power(2, MOST_BITS / 2 - 1)), product));
    EXPECT_EQ(Unpacked(product), half);
}

#ifndef NDEBUG
TEST(FixedNaturalDeathTest, AZeroDivisorStopsTheProgramBeforeAnyLimbIsRead) {
    FixedNatural quotient;
    FixedNatural remainder;
    EXPECT_DEATH(FixedNatural::DivMod(FixedNatural(5), FixedNatural(), quotient, remainder), "");
}
#endif

}  // namespace
}  // namespace quarnic
