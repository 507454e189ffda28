// The engine against an exact model, on random operands in random notations.
#include <gtest/gtest.h>

#include <string>

#include "engine/add_subtract.h"
#include "engine/conversion.h"
#include "engine/digit_text.h"
#include "engine/multiply_divide.h"
#include "tests/support/exact_number.h"
#include "tests/support/random_operands.h"

namespace quarnic {
namespace {

using exact::Natural;
using exact::RandomOperands;
using exact::ScaledValue;
using exact::Spell;

const Natural& Capacity(int notation) {
    static std::vector<Natural> cache(33);
    if (cache[notation].IsZero()) {
        cache[notation] = Natural::Power(notation, DIGIT_PLACES);
    }
    return cache[notation];
}

std::string Expected(const Natural& scaled, int notation) {
    DigitString digits;
    EXPECT_TRUE(exact::ToDigitString(scaled, notation, digits));
    return Spell(digits);
}

// A product of two scaled values is scaled twice: cut its last 900 digits in the notation
// and spell the rest as integer and fraction, which may run past 300 integer digits.
std::string ExpectedProduct(const Natural& product, int notation) {
    std::string digits = product.ToDigits(notation, DIGIT_PLACES + FRACTION_PLACES);
    digits.resize(digits.size() - FRACTION_PLACES);
    std::string integer = digits.substr(0, digits.size() - FRACTION_PLACES);
    std::string fraction = digits.substr(digits.size() - FRACTION_PLACES);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size() - 1));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    return fraction.empty() ? integer : integer + "." + fraction;
}

Natural IntegerValue(const DigitString& integer, int notation) {
    return Natural::FromDigits(Spell(integer), notation);
}

// Runs `cases` random cases, each from its own seed so a failure names one to rerun with
// QUARNIC_SEED; stops at the first failing case.
template <typename Case>
void RunCases(uint32_t fixedSeed, int cases, Case oneCase) {
    const uint32_t seed = exact::TestSeed(fixedSeed);
    const int total = cases * exact::RunLengthFactor();
    for (int i = 0; i < total && !::testing::Test::HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i));
        RandomOperands random(seed + static_cast<uint32_t>(i) * 7919u);
        oneCase(random);
    }
}

TEST(RandomAgainstExactModel, AdditionIsExactOrReportsTheLostCarry) {
    RunCases(20261207, 700, [](RandomOperands& random) {
        const int n = random.Notation();
        const DigitString a = random.SpreadOperand(n);
        const DigitString b = random.SpreadOperand(n);
        EngineRegisters regs;
        const int code = AddDigits(regs, a, b, n);
        Natural sum = ScaledValue(a, n) + ScaledValue(b, n);
        const bool fits = sum < Capacity(n);
        EXPECT_EQ(code, fits ? 0 : -1) << "notation " << n;
        if (!fits) {
            sum = sum - Capacity(n);
        }
        EXPECT_EQ(Spell(regs.ResultDigits), Expected(sum, n)) << "notation " << n;
    });
}

TEST(RandomAgainstExactModel, SubtractionOfTheSmallerIsExact) {
    RunCases(7, 700, [](RandomOperands& random) {
        const int n = random.Notation();
        DigitString a = random.SpreadOperand(n);
        DigitString b = random.Engine()() % 8 == 0 ? a : random.SpreadOperand(n);
        if (CompareDigits(a, b) < 0) {
            std::swap(a, b);
        }
        const Natural difference = ScaledValue(a, n) - ScaledValue(b, n);
        EngineRegisters regs;
        SubtractDigits(regs, a, b, n);
        EXPECT_EQ(Spell(regs.ResultDigits), Expected(difference, n)) << "notation " << n;
    });
}

TEST(RandomAgainstExactModel, ProductsWithinNineHundredFractionPlacesAreExact) {
    RunCases(99, 400, [](RandomOperands& random) {
        const int n = random.Notation();
        const int fa = random.SpreadLength(FRACTION_PLACES);
        const int fb = random.SpreadLength(FRACTION_PLACES - fa);
        // Integer lengths around the overflow line as often as well inside it.
        const int ia = random.SpreadLength(INTEGER_PLACES);
        const int ib = random.Uniform(0, 1) ? random.SpreadLength(INTEGER_PLACES)
                                            : std::max(0, random.Uniform(295, 302) - ia);
        const DigitString a = random.Operand(ia, fa, n);
        const DigitString b = random.Operand(std::min(ib, INTEGER_PLACES), fb, n);
        EngineRegisters regs;
        const int code = MultiplyDigits(regs, a, b, n);
        const std::string product = ExpectedProduct(ScaledValue(a, n) * ScaledValue(b, n), n);
        const size_t point = product.find('.');
        const bool fits = (point == std::string::npos ? product.size() : point) <=
                          static_cast<size_t>(INTEGER_PLACES);
        ASSERT_EQ(code, fits ? 0 : -1)
            << "notation " << n << " lengths " << ia << "." << fa << " * " << ib << "." << fb;
        if (fits) {
            EXPECT_EQ(Spell(regs.ResultDigits), product) << "notation " << n;
        }
    });
}

TEST(RandomAgainstExactModel, LongProductsLoseLessThanOneUnitPerPartialProduct) {
    RunCases(1234, 100, [](RandomOperands& random) {
        const int n = random.Notation();
        const DigitString a = random.Operand(random.SpreadLength(100), random.Uniform(450, 900), n);
        const DigitString b = random.Operand(random.SpreadLength(100), random.Uniform(450, 900), n);
        EngineRegisters regs;
        ASSERT_EQ(MultiplyDigits(regs, a, b, n), 0);
        int partials = 0;
        for (int p = 0; p < DIGIT_PLACES; ++p) {
            partials += b[p] != '0' ? 1 : 0;
        }
        const Natural truncated = ScaledValue(
            exact::Digits(ExpectedProduct(ScaledValue(a, n) * ScaledValue(b, n), n)), n);
        const Natural got = ScaledValue(regs.ResultDigits, n);
        EXPECT_TRUE(got <= truncated) << "notation " << n;
        EXPECT_TRUE(truncated <= got + Natural(static_cast<uint64_t>(partials)))
            << "notation " << n;
    });
}

TEST(RandomAgainstExactModel, DivisionByAnIntegerIsTheTruncatedQuotient) {
    RunCases(555, 40, [](RandomOperands& random) {
        const int n = random.Notation();
        const DigitString dividend = random.SpreadOperand(n);
        const int divisorDigits = 1 + random.SpreadLength(random.Uniform(0, 1) ? 12 : 299);
        const DigitString divisor = random.Operand(divisorDigits, 0, n);
        EngineRegisters regs;
        ASSERT_EQ(DivideDigits(regs, dividend, divisor, n), 0);
        const Natural quotient = ScaledValue(dividend, n) / IntegerValue(divisor, n);
        EXPECT_EQ(Spell(regs.ResultDigits), Expected(quotient, n))
            << "notation " << n << " divisor digits " << divisorDigits;
    });
}

TEST(RandomAgainstExactModel, IntegersConvertExactlyWithinTheBudget) {
    RunCases(31337, 400, [](RandomOperands& random) {
        const int from = random.Notation();
        const int to = random.Notation();
        const int budget = ConversionBudget(from, to);
        const bool withinBudget = random.Uniform(0, 5) != 0;
        const int length = withinBudget ? 1 + random.SpreadLength(budget - 1)
                                        : random.Uniform(budget + 1, std::max(budget + 1, 300));
        if (length > INTEGER_PLACES) {
            return;
        }
        const DigitString source = random.Operand(length, 0, from);
        EngineRegisters regs;
        int code = PrepareConversion(regs, source, from, to);
        if (code == 0) {
            code = ConvertDigits(regs, regs.ConversionDigits, from, regs.ConversionDigitCount,
                                 regs.ConversionFractionCount, to, CONVERSION_DIGIT_LIMIT);
        }
        ASSERT_EQ(code, withinBudget ? 0 : -1) << from << "->" << to << " length " << length;
        if (withinBudget) {
            EXPECT_EQ(Spell(regs.ResultDigits), IntegerValue(source, from).ToDigits(to))
                << from << "->" << to;
        }
    });
}

}  // namespace
}  // namespace quarnic
