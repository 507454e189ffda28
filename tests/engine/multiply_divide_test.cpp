#include "engine/multiply_divide.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/digit_codec.h"
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

// The counts of the division steps, found independently with the exact model: at step i the
// divisor's significant digits stand from place i on, cut at place 1199, and the count is how
// often that goes into the remainder. Returns their value in units of place 1199.
exact::Natural RawCountValue(const DigitString& n, const DigitString& d, int notation) {
    using exact::Natural;
    const std::string divisor = Spell(d);
    const std::string significant =
        divisor.substr(divisor.find_first_not_of("0."), std::string::npos);
    std::string digitsOnly;
    for (char c : significant) {
        if (c != '.') {
            digitsOnly.push_back(c);
        }
    }
    Natural remainder = exact::ScaledValue(n, notation);
    Natural total;
    const Natural base(static_cast<uint64_t>(notation));
    // Moving the divisor one place on divides it by the notation, dropping what falls off.
    const size_t kept = std::min(digitsOnly.size(), static_cast<size_t>(DIGIT_PLACES));
    Natural step = Natural::FromDigits(
        digitsOnly.substr(0, kept) + std::string(DIGIT_PLACES - kept, '0'), notation);
    for (int i = 0; i < DIGIT_PLACES; ++i) {
        uint64_t count = 0;
        while (step <= remainder) {
            remainder = remainder - step;
            ++count;
        }
        total = total * base + Natural(count);
        step.DivideSmall(static_cast<uint32_t>(notation));
    }
    return total;
}

TEST(DivideDigits, FractionalDivisorsLeaveTheirLastPlacesUncomputedOrTooLarge) {
    // 1 / 0.003: the last 3 places are not computed and stay 0.
    EXPECT_EQ(Quotient("1", "0.003", 10), "333." + std::string(897, '3'));
    // 1 / 1.5: on the last step the divisor's tail has fallen off place 1199, so the
    // remainder of 10 units is counted against a bare 1; the count of ten carries into the
    // place before.
    EXPECT_EQ(Quotient("1", "1.5", 10), "0." + std::string(898, '6') + "7");
}

TEST(DivideDigits, TooLargeCountsAreCarriedIntoThePlaceBefore) {
    struct Case {
        std::string n;
        std::string d;
        int notation;
    };
    const std::string root3 =
        "1.73205080756887729352744634150587236694280525381038062805580697945193301690880003708"
        "1146186757248575";  // the square root of 3 cut after 100 places
    const Case cases[] = {
        {"7", root3, 10},
        // 37 units of the last place over 1.9: 19 goes once, then the remaining 18 against a
        // bare 1.
        {"0." + std::string(898, '0') + "37", "1.9", 10},
        // 62 units over 1.V: the last count is 62, beyond any digit character.
        {"0." + std::string(898, '0') + "1U", "1.V", 32},
        {"1", "1.5", 10},
    };
    for (const Case& c : cases) {
        EngineRegisters regs;
        const DigitString n = Digits(c.n);
        const DigitString d = Digits(c.d);
        ASSERT_EQ(DivideDigits(regs, n, d, c.notation), 0) << c.n << " / " << c.d;
        for (int p = 0; p < DIGIT_PLACES; ++p) {
            ASSERT_LT(DigitValue(regs.ResultDigits[p]), c.notation) << "place " << p;
        }
        EXPECT_TRUE(exact::ScaledValue(regs.ResultDigits, c.notation) ==
                    RawCountValue(n, d, c.notation))
            << c.n << " / " << c.d;
    }
    EngineRegisters regs;
    ASSERT_EQ(DivideDigits(regs, Digits("0." + std::string(898, '0') + "1U"), Digits("1.V"), 32),
              0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0." + std::string(898, '0') + "1U");
}

TEST(DivideDigits, RefusesADivisorWithADigitAboveTheNotation) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("42");
    EXPECT_EQ(DivideDigits(regs, Digits("1"), Digits("0." + std::string(899, '0') + "I"), 10), -1);
    EXPECT_EQ(DivideDigits(regs, Digits("1"), Digits("1A"), 10), -1);
    EXPECT_EQ(Spell(regs.ResultDigits), "42");
    // A dividend with such digits is divided as the digits stand.
    ASSERT_EQ(DivideDigits(regs, Digits("1A"), Digits("2"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "10");
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
