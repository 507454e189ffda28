#include "engine/multiply_divide.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/digit_text.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Digits;
using exact::Spell;

std::string Product(const char* a, const char* b, int notation, int expectedCode = 0) {
    EngineRegisters regs;
    EXPECT_EQ(MultiplyDigits(regs, Digits(a), Digits(b), notation), expectedCode) << a << "*" << b;
    return Spell(regs.ResultDigits);
}

std::string Quotient(const std::string& n, const std::string& d, int notation) {
    EngineRegisters regs;
    EXPECT_EQ(DivideDigits(regs, Digits(n), Digits(d), notation), 0) << n << "/" << d;
    return Spell(regs.ResultDigits);
}

TEST(MultiplyDigits, SmallProducts) {
    EXPECT_EQ(Product("0.5", "0.5", 10), "0.25");
    EXPECT_EQ(Product("12", "12", 10), "144");
    EXPECT_EQ(Product("1.5", "2", 10), "3");
    EXPECT_EQ(Product("0", "123", 10), "0");
    EXPECT_EQ(Product("123", "0", 10), "0");
    EXPECT_EQ(Product("V", "V", 32), "U1");
    EXPECT_EQ(Product("11", "11", 2), "1001");
}

TEST(MultiplyDigits, TopCarryLandsOnAnExistingPlace) {
    const std::string big = "9" + std::string(299, '1');
    EXPECT_EQ(Product(big.c_str(), "0.5", 10),
              "4" + std::string(1, '5') + std::string(298, '5') + ".5")
        << "half of 9111...1";
}

TEST(MultiplyDigits, ReportsOverflowAboveThreeHundredIntegerPlaces) {
    const std::string p200 = "1" + std::string(200, '0');
    const std::string p150 = "1" + std::string(150, '0');
    const std::string p149 = "1" + std::string(149, '0');
    Product(p200.c_str(), p200.c_str(), 10, -1);
    EXPECT_EQ(Product(p150.c_str(), p149.c_str(), 10), "1" + std::string(299, '0'));
    // The running sum carries out although no partial product does.
    const std::string nines = std::string(300, '9');
    Product(nines.c_str(), "2", 10, -1);
    Product(nines.c_str(), "1.1", 10, -1);
}

TEST(MultiplyDigits, TruncatesEveryPartialProductBelowThe900thPlace) {
    const std::string tiny = "0." + std::string(499, '0') + "1";
    EXPECT_EQ(Product(tiny.c_str(), tiny.c_str(), 10), "0");
    // Each partial product is cut on its own, so what falls off is lost per partial product:
    // 55 * 0.99 units of the last place would be 54 exact, but 4.95 and 49.5 are cut apart.
    const std::string units55 = "0." + std::string(898, '0') + "55";
    EXPECT_EQ(Product(units55.c_str(), "0.99", 10), "0." + std::string(898, '0') + "53");
}

TEST(DivideDigits, ExactAndRecurringQuotients) {
    EXPECT_EQ(Quotient("6", "3", 10), "2");
    EXPECT_EQ(Quotient("1", "0.5", 10), "2");
    EXPECT_EQ(Quotient("1", "3", 10), "0." + std::string(900, '3'));
    EXPECT_EQ(Quotient("1", "0.001", 10), "1000");
    EXPECT_EQ(Quotient("1", "10", 2), "0.1");
    EXPECT_EQ(Quotient("V", "V", 32), "1");
}

TEST(DivideDigits, FractionalDivisorsLeaveTheirLastPlacesUncomputedOrTooLarge) {
    // 1 / 0.003: the last 3 places are not computed and stay 0.
    const std::string third = Quotient("1", "0.003", 10);
    EXPECT_EQ(third, "333." + std::string(897, '3'));

    // 1 / 1.5: on the last step the divisor's tail has fallen off place 1199, so the
    // remainder of 10 units is counted against a bare 1: the count reaches the notation.
    const std::string twoThirds = Quotient("1", "1.5", 10);
    EXPECT_EQ(twoThirds, "0." + std::string(899, '6') + "A");
}

TEST(DivideDigits, CountsBeyondTheNotationShowAsLargeDigits) {
    // 37 units of the last place over 1.9: the next-to-last step takes 19 once, the last
    // counts the remaining 18 against a bare 1 and writes "I" although the notation is 10.
    EngineRegisters regs;
    const std::string n = "0." + std::string(898, '0') + "37";
    ASSERT_EQ(DivideDigits(regs, Digits(n), Digits("1.9"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0." + std::string(898, '0') + "1I");
}

TEST(DivideDigits, RefusesADivisorLedByADigitAboveTheNotation) {
    // 0.(899 zeros)I is what 37 units over 1.9 leave after one more division step; used as a
    // divisor, the remainder could never fall below it.
    EngineRegisters regs;
    regs.ResultDigits = Digits("42");
    const std::string tooLarge = "0." + std::string(899, '0') + "I";
    EXPECT_EQ(DivideDigits(regs, Digits("1"), Digits(tooLarge), 10), -1);
    EXPECT_EQ(Spell(regs.ResultDigits), "42");
    // Further too-large digits are harmless: 1 / 1A (notation 10) is counted as usual.
    ASSERT_EQ(DivideDigits(regs, Digits("1"), Digits("1A"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0.05") << "1A counts as twenty";
}

TEST(DivideDigits, RefusesZeroAndOverflowingQuotients) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("42");
    EXPECT_EQ(DivideDigits(regs, Digits("1"), Digits("0"), 10), -1);
    EXPECT_EQ(Spell(regs.ResultDigits), "42") << "a zero divisor writes nothing";

    const std::string top = "1" + std::string(299, '0');
    EXPECT_EQ(DivideDigits(regs, Digits(top), Digits("0.1"), 10), -1);
    EXPECT_EQ(DivideDigits(regs, Digits(top), Digits("1"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), top);
    EXPECT_EQ(DivideDigits(regs, Digits("0"), Digits("7"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0");
}

}  // namespace
}  // namespace quarnic
