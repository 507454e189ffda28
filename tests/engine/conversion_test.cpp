#include "engine/conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine/digit_text.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Digits;
using exact::Spell;

// PrepareConversion then ConvertDigits, as the calculator calls them; -1 from either.
int Convert(EngineRegisters& regs, const DigitString& s, int from, int to) {
    if (PrepareConversion(regs, s, from, to) != 0) {
        return -1;
    }
    return ConvertDigits(regs, regs.ConversionDigits, from, regs.ConversionDigitCount,
                         regs.ConversionFractionCount, to, CONVERSION_DIGIT_LIMIT);
}

std::string Converted(const std::string& s, int from, int to) {
    EngineRegisters regs;
    EXPECT_EQ(Convert(regs, Digits(s), from, to), 0) << s << " " << from << "->" << to;
    return Spell(regs.ResultDigits);
}

TEST(ConversionBudget, MatchesTheTruncatedRatioOfLogarithmsForEveryPair) {
    for (int from = 2; from <= 32; ++from) {
        for (int to = 2; to <= 32; ++to) {
            const double ratio = 298.0 * std::log(to) / std::log(from);
            const int budget = ConversionBudget(from, to);
            if (from == to) {
                // A whole 298 again, left to the rounding of the two logarithms.
                EXPECT_TRUE(budget == 297 || budget == 298) << from;
            } else if (from == to * to) {
                EXPECT_EQ(budget, 148) << from << "->" << to;
            } else {
                EXPECT_EQ(budget, std::min(298, static_cast<int>(ratio))) << from << "->" << to;
            }
        }
    }
    EXPECT_EQ(ConversionBudget(10, 2), 89);
    EXPECT_EQ(ConversionBudget(2, 10), 298);
    EXPECT_EQ(ConversionBudget(4, 2), 148);
    EXPECT_EQ(ConversionBudget(25, 5), 148);
}

TEST(ConvertDigits, IntegersAndZero) {
    EXPECT_EQ(Converted("255", 10, 16), "FF");
    EXPECT_EQ(Converted("0", 7, 32), "0");
    EXPECT_EQ(Converted("V", 32, 2), "11111");
    EngineRegisters regs;
    ASSERT_EQ(PrepareConversion(regs, Digits("255"), 10, 16), 0);
    EXPECT_EQ(regs.ConversionDigitCount, 3);
    EXPECT_EQ(regs.ConversionFractionCount, 0);
    ASSERT_EQ(PrepareConversion(regs, Digits("0"), 10, 16), 0);
    EXPECT_EQ(regs.ConversionDigitCount, 1);
}

TEST(ConvertDigits, FractionsComeOutOfOneTruncatedDivision) {
    EngineRegisters regs;
    ASSERT_EQ(PrepareConversion(regs, Digits("0.1"), 10, 2), 0);
    EXPECT_EQ(regs.ConversionDigitCount, 1);
    EXPECT_EQ(regs.ConversionFractionCount, 1);
    std::string expected = "0.0";
    while (expected.size() < 902) {
        expected += "0011";
    }
    expected.resize(902);
    EXPECT_EQ(Converted("0.1", 10, 2), expected.substr(0, expected.find_last_not_of('0') + 1));
    EXPECT_EQ(Converted("0.5", 10, 3), "0." + std::string(900, '1'));
    EXPECT_EQ(Converted("0.8", 16, 2), "0.1");
}

TEST(PrepareConversion, RefusesMoreIntegerDigitsThanTheBudget) {
    EngineRegisters regs;
    EXPECT_EQ(Convert(regs, Digits(std::string(89, '9')), 10, 2), 0);
    EXPECT_EQ(Convert(regs, Digits(std::string(90, '9')), 10, 2), -1);
    EXPECT_EQ(Convert(regs, Digits(std::string(298, '1')), 2, 10), 0);
    EXPECT_EQ(Convert(regs, Digits(std::string(299, '1')), 2, 10), -1);
    EXPECT_EQ(Convert(regs, Digits(std::string(90, '9') + ".5"), 10, 2), -1);
}

TEST(PrepareConversion, CutsTheSourceAfterItsBudget) {
    EngineRegisters regs;
    const DigitString ones = Digits("1." + std::string(400, '1'));
    ASSERT_EQ(PrepareConversion(regs, ones, 2, 10), 0);
    EXPECT_EQ(regs.ConversionDigitCount, 298);
    EXPECT_EQ(regs.ConversionFractionCount, 297);
    EXPECT_EQ(Spell(regs.ConversionDigits), "1." + std::string(297, '1'));

    // Fraction place c bounds a number that starts below the point.
    ASSERT_EQ(PrepareConversion(regs, Digits("0.000" + std::string(100, '7')), 10, 2), 0);
    EXPECT_EQ(regs.ConversionFractionCount, 89);
    EXPECT_EQ(regs.ConversionDigitCount, 86);

    const DigitString tiny = Digits("0." + std::string(99, '0') + "1");
    EXPECT_EQ(PrepareConversion(regs, tiny, 10, 2), -1) << "first digit beyond fraction place 89";
}

TEST(ConvertDigits, ConvertingTwiceGoesThroughTheIntermediateNotation) {
    EngineRegisters regs;
    ASSERT_EQ(Convert(regs, Digits("0.1"), 10, 16), 0);
    const DigitString sixteenth = regs.ResultDigits;
    EXPECT_EQ(Spell(sixteenth).substr(0, 8), "0.199999");
    ASSERT_EQ(Convert(regs, sixteenth, 16, 2), 0);
    // The hexadecimal form was cut after its budget of 74 places (298 * ln 2 / ln 16):
    // binary 0.0001 1001 1001 ... ending 4 * 74 places below the point, exactly.
    const std::string binary = Spell(regs.ResultDigits);
    EXPECT_EQ(binary.size(), 2u + 4 * 74);
    EXPECT_EQ(binary.substr(0, 10), "0.00011001");
}

TEST(ConvertDigits, FailsWhenTheTargetNeedsMoreDigitsThanTheLimit) {
    EngineRegisters regs;
    const DigitString big = Digits(std::string(20, 'V'));
    EXPECT_EQ(ConvertDigits(regs, big, 32, 20, 0, 2, 99), -1);
    EXPECT_EQ(ConvertDigits(regs, big, 32, 20, 0, 2, 100), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), std::string(100, '1'));
    // A count that would need more than 300 target places cannot be written: refused.
    const DigitString wide = Digits(std::string(100, 'V'));
    EXPECT_EQ(ConvertDigits(regs, wide, 32, 100, 0, 2, CONVERSION_DIGIT_LIMIT), -1);
}

}  // namespace
}  // namespace quarnic
