// The exact root against an independent check: r is the integer root of m exactly when
// r^2 <= m < (r + 1)^2, which plain schoolbook arithmetic on base-n digits decides.
#include "engine/exact_root.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/digit_codec.h"

namespace quarnic {
namespace {

// A natural number as base-n digits, least significant first, no leading zeros.
using Digits = std::vector<int>;

void Normalise(Digits& a) {
    while (!a.empty() && a.back() == 0) {
        a.pop_back();
    }
}

Digits Multiply(const Digits& a, const Digits& b, int base) {
    std::vector<long long> sum(a.size() + b.size() + 1, 0);
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < b.size(); ++j) {
            sum[i + j] += static_cast<long long>(a[i]) * b[j];
        }
    }
    Digits out(sum.size(), 0);
    long long carry = 0;
    for (size_t i = 0; i < sum.size(); ++i) {
        long long v = sum[i] + carry;
        out[i] = static_cast<int>(v % base);
        carry = v / base;
    }
    Normalise(out);
    return out;
}

Digits AddOne(Digits a, int base) {
    for (size_t i = 0;; ++i) {
        if (i == a.size()) {
            a.push_back(1);
            return a;
        }
        if (++a[i] < base) {
            return a;
        }
        a[i] = 0;
    }
}

int Compare(const Digits& a, const Digits& b) {
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

// The integer formed by places first..last of a digit string.
Digits ReadInteger(const DigitString& s, int first, int last) {
    Digits out;
    for (int p = last; p >= first; --p) {
        out.push_back(DigitValue(s[p]));
    }
    Normalise(out);
    return out;
}

DigitString ZeroString() {
    DigitString s;
    s.fill('0');
    s[DIGIT_PLACES] = '\0';
    return s;
}

// Writes an integer so that its units digit lands on place `last`.
void WriteInteger(const Digits& value, int last, DigitString& s) {
    for (size_t i = 0; i < value.size(); ++i) {
        s[last - static_cast<int>(i)] = DigitChar(value[i]);
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
    const Digits m = ReadInteger(x, 0, UNITS_PLACE + 2 * places);
    const Digits r = ReadInteger(root, 0, UNITS_PLACE + places);
    if (Compare(Multiply(r, r, base), m) > 0) {
        return ::testing::AssertionFailure() << "root too large";
    }
    const Digits next = AddOne(r, base);
    if (Compare(Multiply(next, next, base), m) <= 0) {
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
        Digits r(1 + random() % (150 + places), 0);
        for (int& d : r) {
            d = static_cast<int>(random() % base);
        }
        r.back() = 1 + static_cast<int>(random() % (base - 1));
        const Digits square = Multiply(r, r, base);
        DigitString x = ZeroString();
        WriteInteger(square, UNITS_PLACE + 2 * places, x);
        DigitString root;
        ExactSquareRoot(x, base, places, root);
        ASSERT_EQ(Compare(ReadInteger(root, 0, UNITS_PLACE + places), r), 0)
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
        ASSERT_EQ(Compare(AddOne(ReadInteger(root, 0, UNITS_PLACE + places), base), r), 0)
            << "seed " << seed << ", round " << round << ", notation " << base;
    }
}

}  // namespace
}  // namespace quarnic
