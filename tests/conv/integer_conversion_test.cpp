#include "conv/integer_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "conv/converter_commands.h"
#include "engine/digit_codec.h"
#include "tests/conv/converter_fixture.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

__extension__ typedef unsigned __int128 Uint128;  // holds 2^64 exactly

using exact::Natural;

const Natural& TwoTo64() {
    static const Natural value = Natural::Power(2, 64);
    return value;
}

TEST(MaxDigits, IsTheLargestPowerNotAbove2To64ForEveryNotation) {
    const Uint128 twoTo64 = Uint128{1} << 64;
    for (int n = MIN_NOTATION; n <= MAX_NOTATION; ++n) {
        int k = 0;
        Uint128 power = 1;
        while (power * static_cast<unsigned>(n) <= twoTo64) {
            power *= static_cast<unsigned>(n);
            ++k;
        }
        EXPECT_EQ(MaxDigits(n), k) << "notation " << n;
    }
    EXPECT_EQ(MaxDigits(2), 64);
    EXPECT_EQ(MaxDigits(10), 19);
    EXPECT_EQ(MaxDigits(31), 12);
    EXPECT_EQ(MaxDigits(0), 0);
    EXPECT_EQ(MaxDigits(33), 0);
}

TEST(ReadNumber, TakesEveryValueBelow2To64AndNothingElse) {
    EXPECT_EQ(ReadNumber("", 10), 0u);
    EXPECT_EQ(ReadNumber("00FF", 16), 255u) << "leading zeros count for nothing";
    EXPECT_EQ(ReadNumber(std::string(64, '1'), 2), UINT64_MAX);
    EXPECT_EQ(ReadNumber("18446744073709551615", 10), UINT64_MAX);
    EXPECT_FALSE(ReadNumber("18446744073709551616", 10)) << "2^64";
    EXPECT_FALSE(ReadNumber("1" + std::string(64, '0'), 2));
    EXPECT_FALSE(ReadNumber("99999999999999999999999", 10)) << "far past, no wrap-around";
    EXPECT_FALSE(ReadNumber("8", 8)) << "a digit of no place in the notation";
    EXPECT_FALSE(ReadNumber("1a", 16)) << "lower case is no digit character";
    EXPECT_FALSE(ReadNumber("1 2", 10));
}

TEST(SpellNumber, SpellsZeroAndTheExtremes) {
    EXPECT_EQ(std::string(SpellNumber(0, 7).data()), "0");
    EXPECT_EQ(std::string(SpellNumber(UINT64_MAX, 2).data()), std::string(64, '1'));
    EXPECT_EQ(std::string(SpellNumber(UINT64_MAX, 32).data()), "FVVVVVVVVVVVV");
    EXPECT_EQ(std::string(SpellNumber(31, 32).data()), "V");
}

// Random values in random notation pairs, every third just under 2^64, read and spelled again
// against the exact reference.
TEST(ReadNumber, AgreesWithTheExactReferenceOnRandomNumbers) {
    const unsigned seed = 20261208;
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> notation(MIN_NOTATION, MAX_NOTATION);
    for (int i = 0; i < 6000; ++i) {
        const int from = notation(random);
        const int to = notation(random);
        std::uint64_t value = random() >> (random() % 64);
        if (i % 3 == 0) {
            value = UINT64_MAX - random() % 1000;
        }
        const std::string typed = Natural(value).ToDigits(from);
        const auto read = ReadNumber(typed, from);
        ASSERT_TRUE(read) << "seed " << seed << ", case " << i << ": " << typed;
        ASSERT_EQ(std::string(SpellNumber(*read, to).data()), Natural(value).ToDigits(to))
            << "seed " << seed << ", case " << i << ": " << typed << " from " << from << " to "
            << to;
        ASSERT_FALSE(ReadNumber((TwoTo64() + Natural(value)).ToDigits(from), from)) << typed;
    }
}

// Every pair of notations at the limit: the largest number typeable in From, its top digit in
// every place, is converted to every To notation, and one digit more is refused.
TEST_F(ConverterTest, TheLargestTypeableNumberOfEveryNotationConvertsToEveryOther) {
    for (int from = MIN_NOTATION; from <= MAX_NOTATION; ++from) {
        SCOPED_TRACE(from);
        Press({IDC_CONV_ALL_CLEAR});
        SelectNotation(converter, ConverterPane::From, from);
        const std::string typed(static_cast<std::size_t>(MaxDigits(from)), DigitChar(from - 1));
        Type(typed);
        ASSERT_EQ(Input(), typed);
        const Natural largest = Natural::FromDigits(typed, from);
        ASSERT_TRUE(largest < TwoTo64());
        ASSERT_FALSE(Natural::FromDigits(typed + DigitChar(from - 1), from) < TwoTo64())
            << "one digit more would reach 2^64";
        const int warnings = view.Warnings();
        Type(std::string(1, DigitChar(from - 1)));
        EXPECT_EQ(view.Warnings(), warnings + 1);
        EXPECT_EQ(Input(), typed);
        for (int to = MIN_NOTATION; to <= MAX_NOTATION; ++to) {
            SelectNotation(converter, ConverterPane::To, to);
            ASSERT_EQ(Answer(), largest.ToDigits(to)) << from << " -> " << to;
        }
    }
}

}  // namespace
}  // namespace quarnic
