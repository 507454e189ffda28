#include "engine/multiply_divide.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/digit_codec.h"
#include "engine/digit_text.h"
#include "tests/support/exact_number.h"
#include "tests/support/random_operands.h"

namespace quarnic {
namespace {

using exact::Digits;
using exact::Spell;

std::string Product(const char* a, const char* b, int notation, int expectedCode = 0) {
    EngineRegisters regs;
    EXPECT_EQ(MultiplyDigits(regs, Digits(a), Digits(b), notation), expectedCode) << a << "*" << b;
    return Spell(regs.ResultDigits);
}

DigitString FromScaled(const exact::Natural& scaled, int notation) {
    DigitString digits;
    EXPECT_TRUE(exact::ToDigitString(scaled, notation, digits));
    return digits;
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
    // Just over the line: 300 nines doubled need a 301st place.
    const std::string nines = std::string(300, '9');
    Product(nines.c_str(), "2", 10, -1);
    Product(nines.c_str(), "1.1", 10, -1);
}

TEST(MultiplyDigits, TheExactProductIsCutOnceAfterThe900thPlace) {
    const std::string tiny = "0." + std::string(499, '0') + "1";
    EXPECT_EQ(Product(tiny.c_str(), tiny.c_str(), 10), "0");
    // 55 * 0.99 units of the last place are 54.45 units: 54 of them stay.
    const std::string units55 = "0." + std::string(898, '0') + "55";
    EXPECT_EQ(Product(units55.c_str(), "0.99", 10), "0." + std::string(898, '0') + "54");
    // (10^900 - 1)^2 / 9 / 10^1800 cut after 900 places: 899 ones, then the cut 0.
    const std::string third = "0." + std::string(900, '3');
    EXPECT_EQ(Product(third.c_str(), third.c_str(), 10), "0." + std::string(899, '1'));
    EXPECT_EQ(Product(third.c_str(), "3", 10), "0." + std::string(900, '9'));
    // Both operands full: every digit of the 2400-digit product above the cut is kept.
    const std::string full = std::string(150, 'F') + "." + std::string(900, 'F');
    const exact::Natural scaled = exact::ScaledValue(Digits(full), 16);
    const exact::Natural expected = scaled * scaled / exact::Natural::Power(16, 900);
    EXPECT_EQ(Product(full.c_str(), full.c_str(), 16), Spell(FromScaled(expected, 16)));
}

TEST(DivideDigits, ExactAndRecurringQuotients) {
    EXPECT_EQ(Quotient("6", "3", 10), "2");
    EXPECT_EQ(Quotient("1", "0.5", 10), "2");
    EXPECT_EQ(Quotient("1", "3", 10), "0." + std::string(900, '3'));
    EXPECT_EQ(Quotient("1", "0.001", 10), "1000");
    EXPECT_EQ(Quotient("1", "10", 2), "0.1");
    EXPECT_EQ(Quotient("V", "V", 32), "1");
}

std::string Repeated(const std::string& period, size_t length) {
    std::string text;
    while (text.size() < length) {
        text += period;
    }
    text.resize(length);
    return text;
}

TEST(DivideDigits, FractionalDivisorsComputeAllNinehundredPlaces) {
    EXPECT_EQ(Quotient("1", "0.003", 10), "333." + std::string(900, '3'));
    EXPECT_EQ(Quotient("2", "0.7", 10), "2." + Repeated("857142", 900));
    EXPECT_EQ(Quotient("1", "1.5", 10), "0." + std::string(900, '6'));
    // 10^300 / 3 has exactly 300 integer digits; 10^301 / 3 one too many.
    EXPECT_EQ(Quotient("1", "0." + std::string(299, '0') + "3", 10),
              std::string(300, '3') + "." + std::string(900, '3'));
    EngineRegisters regs;
    EXPECT_EQ(DivideDigits(regs, Digits("1"), Digits("0." + std::string(300, '0') + "3"), 10), -1);
}

TEST(DivideDigits, EveryPlaceIsADigitOfTheNotation) {
    const std::string root3 =
        "1.73205080756887729352744634150587236694280525381038062805580697945193301690880003708"
        "1146186757248575";  // the square root of 3 cut after 100 places
    EngineRegisters regs;
    ASSERT_EQ(DivideDigits(regs, Digits("7"), Digits(root3), 10), 0);
    const exact::Natural expected = exact::ScaledValue(Digits("7"), 10) *
                                    exact::Natural::Power(10, 900) /
                                    exact::ScaledValue(Digits(root3), 10);
    EXPECT_EQ(Spell(regs.ResultDigits), Spell(FromScaled(expected, 10)));
    ASSERT_EQ(DivideDigits(regs, Digits("0." + std::string(898, '0') + "1U"), Digits("1.V"), 32),
              0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0." + std::string(899, '0') + "V")
        << "62 units over 63/32 are 31.49 units";
}

TEST(DivideDigits, RefusesZeroAndOverflowingQuotientsWritingNothing) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("42");
    EXPECT_EQ(DivideDigits(regs, Digits("1"), Digits("0"), 10), -1);
    EXPECT_EQ(Spell(regs.ResultDigits), "42") << "a zero divisor writes nothing";

    const std::string top = "1" + std::string(299, '0');
    EXPECT_EQ(DivideDigits(regs, Digits(top), Digits("0.1"), 10), -1);
    EXPECT_EQ(Spell(regs.ResultDigits), "42") << "nor does an overflowing quotient";
    EXPECT_EQ(DivideDigits(regs, Digits(top), Digits("1"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), top);
    EXPECT_EQ(DivideDigits(regs, Digits("0"), Digits("7"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0");
}

// The engine's product and quotient of a and b against the exact ones cut after the 900th
// place: the same code, and the same digit on every place when they fit.
void ExpectExactProductAndQuotient(const DigitString& a, const DigitString& b, int notation) {
    const exact::Natural sa = exact::ScaledValue(a, notation);
    const exact::Natural sb = exact::ScaledValue(b, notation);
    const exact::Natural unit = exact::Natural::Power(notation, FRACTION_PLACES);
    EngineRegisters regs;
    DigitString expected;
    const bool productFits = exact::ToDigitString(sa * sb / unit, notation, expected);
    ASSERT_EQ(MultiplyDigits(regs, a, b, notation), productFits ? 0 : -1) << "product";
    if (productFits) {
        EXPECT_EQ(Spell(regs.ResultDigits), Spell(expected)) << "product";
    }
    const bool quotientFits = exact::ToDigitString(sa * unit / sb, notation, expected);
    ASSERT_EQ(DivideDigits(regs, a, b, notation), quotientFits ? 0 : -1) << "quotient";
    if (quotientFits) {
        EXPECT_EQ(Spell(regs.ResultDigits), Spell(expected)) << "quotient";
    }
}

// Full operands in the notations with the most limbs (31) and the most digits to a limb (3, 7),
// where packing, the power of the scale and the spelling do the most work, and the results that
// just fit or just overflow 300 integer places or reach the 1200th place.
TEST(MultiplyDivide, FullOperandsGiveTheExactResultInNotationsOfManyLimbsOrDigitsToALimb) {
    exact::RandomOperands random(1200);
    for (int notation : {3, 7, 10, 31}) {
        SCOPED_TRACE("notation " + std::to_string(notation));
        const std::string top(INTEGER_PLACES, DigitChar(notation - 1));
        const DigitString largest = Digits(top + "." + std::string(900, DigitChar(notation - 1)));
        const DigitString full = random.Operand(300, 900, notation);
        const DigitString smallest = Digits("0." + std::string(899, '0') + "1");
        const struct {
            DigitString a;
            DigitString b;
        } cases[] = {
            {random.Operand(150, 450, notation), random.Operand(150, 450, notation)},
            {full, random.Operand(100, 200, notation)},
            {full, random.Operand(1, 900, notation)},
            {random.Operand(0, 900, notation), full},
            {largest, largest},
            {Digits(top), Digits("1." + std::string(298, '0') + "1")},  // just over
            {Digits(top), Digits("1." + std::string(299, '0') + "1")},  // just fits
            {largest, Digits("1")},
            {smallest, random.Operand(300, 900, notation)},
            {random.Operand(300, 0, notation), smallest},
        };
        for (const auto& c : cases) {
            ExpectExactProductAndQuotient(c.a, c.b, notation);
        }
    }
}

TEST(MultiplyDivide, OperandsMayBeTheResultRegister) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("1.5");
    ASSERT_EQ(MultiplyDigits(regs, regs.ResultDigits, regs.ResultDigits, 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "2.25");
    ASSERT_EQ(DivideDigits(regs, Digits("9"), regs.ResultDigits, 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "4");
}

}  // namespace
}  // namespace quarnic
