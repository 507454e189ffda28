// The exact root against an independent check: r is the integer root of m exactly when
// r^2 <= m < (r + 1)^2, which the tests' own exact natural numbers decide.
#include "engine/exact_root.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <string_view>

#include "engine/digit_codec.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Natural;

// The integer formed by places first..last of a digit string.
Natural ReadInteger(const DigitString& s, int first, int last, int base) {
    return Natural::FromDigits(std::string_view(s.data() + first, last - first + 1), base);
}

DigitString ZeroString() {
    DigitString s;
    s.fill('0');
    s[DIGIT_PLACES] = '\0';
    return s;
}

// Writes an integer so that its units digit lands on place `last`.
void WriteInteger(const Natural& value, int last, int base, DigitString& s) {
    const std::string digits = value.ToDigits(base);
    for (size_t i = 0; i < digits.size(); ++i) {
        s[last + 1 - digits.size() + i] = digits[i];
    }
}

// Checks root == floor(sqrt(x) * n^T) / n^T digit for digit, through the square bounds.
::testing::AssertionResult IsTruncatedRoot(const DigitString& x, int base, int places,
                                           const DigitString& root) {
    for (int p = UNITS_PLACE + places + 1; p < DIGIT_PLACES; ++p) {
        if (root[p] != '0') {
            return ::testing::AssertionFailure() << "digit beyond the truncation at " << p;
        }
    }
    for (int p = 0; p < DIGIT_PLACES; ++p) {
        if (!IsDigitChar(root[p]) || DigitValue(root[p]) >= base) {
            return ::testing::AssertionFailure() << "no digit of notation " << base << " at " << p;
        }
    }
    if (root[DIGIT_PLACES] != '\0') {
        return ::testing::AssertionFailure() << "no NUL after place 1199";
    }
    const Natural m = ReadInteger(x, 0, UNITS_PLACE + 2 * places, base);
    const Natural r = ReadInteger(root, 0, UNITS_PLACE + places, base);
    if (m < r * r) {
        return ::testing::AssertionFailure() << "root too large";
    }
    const Natural next = r + Natural(1);
    if (next * next <= m) {
        return ::testing::AssertionFailure() << "root too small";
    }
    return ::testing::AssertionSuccess();
}

DigitString FromText(const std::string& integerPart, const std::string& fraction) {
    DigitString s = ZeroString();
    for (size_t i = 0; i < integerPart.size(); ++i) {
        s[UNITS_PLACE + 1 - integerPart.size() + i] = integerPart[i];
    }
    for (size_t i = 0; i < fraction.size(); ++i) {
        s[INTEGER_PLACES + i] = fraction[i];
    }
    return s;
}

std::string FractionOf(const DigitString& s, int places) {
    return std::string(s.data() + INTEGER_PLACES, places);
}

std::string IntegerOf(const DigitString& s) {
    int first = 0;
    while (first < UNITS_PLACE && s[first] == '0') {
        ++first;
    }
    return std::string(s.data() + first, s.data() + INTEGER_PLACES);
}

TEST(ExactSquareRoot, KnownRootsInNotationTen) {
    DigitString root;
    ExactSquareRoot(FromText("2", ""), 10, 100, root);
    EXPECT_EQ(IntegerOf(root), "1");
    EXPECT_EQ(FractionOf(root, 100),
              "4142135623730950488016887242096980785696718753769480731766797379907324784621070388"
              "503875343276415727");
    EXPECT_EQ(root[INTEGER_PLACES + 100], '0');

    ExactSquareRoot(FromText("4", ""), 10, 100, root);
    EXPECT_EQ(IntegerOf(root), "2");
    EXPECT_EQ(FractionOf(root, 300), std::string(300, '0'));

    ExactSquareRoot(FromText("0", "0001"), 10, 100, root);
    EXPECT_EQ(IntegerOf(root), "0");
    EXPECT_EQ(FractionOf(root, 3), "010");

    ExactSquareRoot(FromText("1" + std::string(60, '0'), ""), 10, 100, root);
    EXPECT_EQ(IntegerOf(root), "1" + std::string(30, '0'));
    EXPECT_EQ(FractionOf(root, 300), std::string(300, '0'));
}

TEST(ExactSquareRoot, HalfInNotationTwo) {
    // sqrt(0.1 in notation 2) = sqrt(1/2) = 0.1011010100000100111100110011...
    DigitString root;
    ExactSquareRoot(FromText("0", "1"), 2, 100, root);
    EXPECT_EQ(IntegerOf(root), "0");
    EXPECT_EQ(FractionOf(root, 28), "1011010100000100111100110011");
    EXPECT_TRUE(IsTruncatedRoot(FromText("0", "1"), 2, 100, root));
}

TEST(ExactSquareRoot, TinyOperandHasZeroRootAtShortTruncation) {
    // 10^-250 has the root 10^-125, which lies beyond the 100th place.
    DigitString x = ZeroString();
    x[UNITS_PLACE + 250] = '1';
    DigitString root;
    ExactSquareRoot(x, 10, 100, root);
    EXPECT_EQ(root, ZeroString());
    ExactSquareRoot(x, 10, 200, root);
    EXPECT_EQ(root[UNITS_PLACE + 125], '1');
    EXPECT_TRUE(IsTruncatedRoot(x, 10, 200, root));
}

TEST(ExactSquareRoot, ZeroAndIgnoredPlaces) {
    DigitString root;
    ExactSquareRoot(ZeroString(), 16, 300, root);
    EXPECT_EQ(root, ZeroString());
    // A digit below place 299 + 2T cannot reach the kept root digits.
    DigitString x = ZeroString();
    x[UNITS_PLACE + 201] = '9';
    ExactSquareRoot(x, 10, 100, root);
    EXPECT_EQ(root, ZeroString());
}

TEST(ExactSquareRoot, FullOperandsOfTopDigits) {
    for (int base : {2, 3, 10, 16, 31, 32}) {
        DigitString x;
        x.fill(DigitChar(base - 1));
        x[DIGIT_PLACES] = '\0';
        for (int places : {100, 200, 300}) {
            DigitString root;
            ExactSquareRoot(x, base, places, root);
            EXPECT_TRUE(IsTruncatedRoot(x, base, places, root))
                << "notation " << base << ", " << places << " places";
        }
    }
}

// Random operands of every length and position in every notation, and perfect squares and
// their neighbours, where a root off by one in the last place would show.
TEST(ExactSquareRoot, AgreesWithTheModelOnRandomOperands) {
    const unsigned seed = 20261207;
    std::mt19937 random(seed);
    for (int round = 0; round < 600; ++round) {
        const int base = 2 + static_cast<int>(random() % 31);
        const int places = 100 * (1 + static_cast<int>(random() % 3));
        DigitString x = ZeroString();
        const int first = static_cast<int>(random() % (UNITS_PLACE + 2 * places + 1));
        const int length = 1 + static_cast<int>(random() % (DIGIT_PLACES - first));
        for (int p = first; p < first + length; ++p) {
            x[p] = DigitChar(static_cast<int>(random() % base));
        }
        DigitString root;
        ExactSquareRoot(x, base, places, root);
        ASSERT_TRUE(IsTruncatedRoot(x, base, places, root))
            << "seed " << seed << ", round " << round << ", notation " << base << ", " << places
            << " places, digits from place " << first << ", " << length << " long";
    }
}

TEST(ExactSquareRoot, PerfectSquaresAndTheirNeighbours) {
    const unsigned seed = 7031;
    std::mt19937 random(seed);
    for (int round = 0; round < 150; ++round) {
        const int base = 2 + static_cast<int>(random() % 31);
        const int places = 100 * (1 + static_cast<int>(random() % 3));
        std::string rootDigits(1 + random() % (150 + places), '0');
        for (char& d : rootDigits) {
            d = DigitChar(static_cast<int>(random() % base));
        }
        rootDigits[0] = DigitChar(1 + static_cast<int>(random() % (base - 1)));
        const Natural r = Natural::FromDigits(rootDigits, base);
        DigitString x = ZeroString();
        WriteInteger(r * r, UNITS_PLACE + 2 * places, base, x);
        DigitString root;
        ExactSquareRoot(x, base, places, root);
        ASSERT_EQ(ReadInteger(root, 0, UNITS_PLACE + places, base), r)
            << "seed " << seed << ", round " << round << ", notation " << base;
        // One unit less in the last kept place: the root drops by one unit.
        int p = UNITS_PLACE + 2 * places;
        while (x[p] == '0') {
            x[p--] = DigitChar(base - 1);
        }
        x[p] = DigitChar(DigitValue(x[p]) - 1);
        ExactSquareRoot(x, base, places, root);
        ASSERT_TRUE(IsTruncatedRoot(x, base, places, root))
            << "seed " << seed << ", round " << round << ", notation " << base;
        ASSERT_EQ(ReadInteger(root, 0, UNITS_PLACE + places, base) + Natural(1), r)
            << "seed " << seed << ", round " << round << ", notation " << base;
    }
}

}  // namespace
}  // namespace quarnic
