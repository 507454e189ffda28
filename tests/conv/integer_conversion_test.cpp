#include "conv/integer_conversion.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "engine/digit_codec.h"

namespace quarnic {
namespace {

__extension__ typedef unsigned __int128 Uint128;  // holds 2^64 exactly

PaddedDigits Padded(const std::string& digits) {
    PaddedDigits padded;
    padded.fill('0');
    padded[PADDED_DIGITS] = '\0';
    digits.copy(padded.data() + PADDED_DIGITS - digits.size(), digits.size());
    return padded;
}

std::string Unpadded(const PaddedDigits& padded) {
    const std::string text(padded.data());
    const auto first = text.find_first_not_of('0');
    return first == std::string::npos ? "" : text.substr(first);
}

// The machine's own arithmetic as the reference: digits of a 64-bit value in notation n.
std::string DigitsOf(std::uint64_t value, int notation) {
    std::string digits;
    do {
        digits.insert(digits.begin(), DigitChar(static_cast<int>(value % notation)));
        value /= static_cast<unsigned>(notation);
    } while (value != 0);
    return digits;
}

// Converts through ConvertIntegerDigits as the converter does; "FAIL" on -1.
std::string Convert(const std::string& digits, int from, int to, int limit = PADDED_DIGITS) {
    PaddedDigits answer{};
    const int result = ConvertIntegerDigits(Padded(digits), from, static_cast<int>(digits.size()),
                                            to, limit, answer);
    if (result != 0) {
        return "FAIL";
    }
    EXPECT_EQ(answer[PADDED_DIGITS], '\0');
    return Unpadded(answer);
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

TEST(FirstSignificantIndex, FindsTheFirstNonZeroDigitOrReports100) {
    EXPECT_EQ(FirstSignificantIndex(Padded("")), 100);
    EXPECT_EQ(FirstSignificantIndex(Padded("1")), 99);
    EXPECT_EQ(FirstSignificantIndex(Padded("V00")), 97);
    PaddedDigits full = Padded("");
    full[0] = 'A';
    EXPECT_EQ(FirstSignificantIndex(full), 0);
}

TEST(ConvertIntegerDigits, KnownConversions) {
    EXPECT_EQ(Convert("255", 10, 16), "FF");
    EXPECT_EQ(Convert("100", 10, 3), "10201");
    EXPECT_EQ(Convert(std::string(64, '1'), 2, 16), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Convert(std::string(64, '1'), 2, 10), "18446744073709551615");
    EXPECT_EQ(Convert(std::string(19, '9'), 10, 16), "8AC7230489E7FFFF");
    EXPECT_EQ(Convert(std::string(12, 'V'), 32, 10), "1152921504606846975");
    EXPECT_EQ(Convert("V", 32, 2), "11111");
    EXPECT_EQ(Convert("10", 10, 10), "10");
}

TEST(ConvertIntegerDigits, FailsWithoutSignificantDigitOrBeyondTheLimit) {
    EXPECT_EQ(Convert("", 10, 16), "FAIL");
    EXPECT_EQ(Convert("000", 10, 16), "FAIL");
    EXPECT_EQ(Convert("255", 10, 2, 8), "11111111") << "exactly the limit fits";
    EXPECT_EQ(Convert("256", 10, 2, 8), "FAIL");
}

TEST(ConvertIntegerDigits, RefusesArgumentsThatWouldReadOrDividePastItsBuffers) {
    PaddedDigits answer{};
    EXPECT_EQ(ConvertIntegerDigits(Padded("12"), 10, 3, 16, 100, answer), -1);
    EXPECT_EQ(ConvertIntegerDigits(Padded("12"), 10, 2, 0, 100, answer), -1);
    EXPECT_EQ(ConvertIntegerDigits(Padded("12"), 1, 2, 10, 100, answer), -1);
    EXPECT_EQ(ConvertIntegerDigits(Padded("12"), 10, 2, 16, 101, answer), -1);
}

TEST(ConvertIntegerDigits, AHundredDigitAnswerFillsThePaddedBuffer) {
    PaddedDigits ones = Padded("");
    ones.fill('1');
    ones[PADDED_DIGITS] = '\0';
    PaddedDigits answer{};
    ASSERT_EQ(ConvertIntegerDigits(ones, 2, 100, 2, 100, answer), 0);
    EXPECT_EQ(std::string(answer.data()), std::string(100, '1'));
}

// from^MaxDigits(from): the first value that can no longer be typed in notation from.
Uint128 TypeableBound(int from) {
    Uint128 bound = 1;
    for (int k = 0; k < MaxDigits(from); ++k) {
        bound *= static_cast<unsigned>(from);
    }
    return bound;
}

// Random typeable values (below 2^64) in random notation pairs against 64-bit arithmetic;
// every third one is drawn just under the From notation's digit limit.
TEST(ConvertIntegerDigits, AgreesWithMachineArithmeticOnRandomNumbers) {
    const unsigned seed = 20261207;
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<int> notation(MIN_NOTATION, MAX_NOTATION);
    for (int i = 0; i < 6000; ++i) {
        const int from = notation(random);
        const int to = notation(random);
        const Uint128 bound = TypeableBound(from);
        Uint128 value = (random() >> (random() % 64)) % bound;
        if (i % 3 == 0) {
            value = bound - 1 - random() % 1000;
        }
        if (value == 0) {
            continue;
        }
        const auto value64 = static_cast<std::uint64_t>(value);
        const std::string typed = DigitsOf(value64, from);
        ASSERT_LE(static_cast<int>(typed.size()), MaxDigits(from));
        ASSERT_EQ(Convert(typed, from, to), DigitsOf(value64, to))
            << "seed " << seed << ", case " << i << ": " << typed << " from " << from << " to "
            << to;
    }
}

TEST(ConvertIntegerDigits, TheLargestNumberOfEveryNotationConverts) {
    for (int from = MIN_NOTATION; from <= MAX_NOTATION; ++from) {
        const std::string typed(static_cast<std::size_t>(MaxDigits(from)), DigitChar(from - 1));
        const auto value = static_cast<std::uint64_t>(TypeableBound(from) - 1);
        for (int to = MIN_NOTATION; to <= MAX_NOTATION; ++to) {
            ASSERT_EQ(Convert(typed, from, to), DigitsOf(value, to)) << from << " -> " << to;
        }
    }
}

}  // namespace
}  // namespace quarnic
