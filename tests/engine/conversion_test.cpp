#include "engine/conversion.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/digit_text.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Digits;
using exact::Natural;
using exact::Spell;

std::string Converted(const std::string& s, int from, int to) {
    EngineRegisters regs;
    EXPECT_EQ(ConvertDigits(regs, Digits(s), from, to), 0) << s << " " << from << "->" << to;
    return Spell(regs.ResultDigits);
}

int ConversionCode(const std::string& s, int from, int to) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("42");
    const int code = ConvertDigits(regs, Digits(s), from, to);
    if (code != 0) {
        EXPECT_EQ(Spell(regs.ResultDigits), "42") << "a failed conversion writes nothing";
    }
    return code;
}

// floor(s * to^900 / from^900), spelled: the conversion's definition.
std::string ExactlyConverted(const std::string& s, int from, int to) {
    const Natural scaled =
        exact::ScaledValue(Digits(s), from) * Natural::Power(to, 900) / Natural::Power(from, 900);
    DigitString digits;
    EXPECT_TRUE(exact::ToDigitString(scaled, to, digits));
    return Spell(digits);
}

TEST(ConvertDigits, IntegersAndZero) {
    EXPECT_EQ(Converted("255", 10, 16), "FF");
    EXPECT_EQ(Converted("0", 7, 32), "0");
    EXPECT_EQ(Converted("V", 32, 2), "11111");
    EXPECT_EQ(Converted("FFFFFFFFFFFFFFFF", 16, 2), std::string(64, '1'));
    EXPECT_EQ(Converted("12.5", 10, 10), "12.5");
}

TEST(ConvertDigits, FractionsAreCutAfterThe900thPlaceOfTheTarget) {
    std::string expected = "0.0";
    while (expected.size() < 902) {
        expected += "0011";
    }
    expected.resize(902);
    EXPECT_EQ(Converted("0.1", 10, 2), expected.substr(0, expected.find_last_not_of('0') + 1));
    EXPECT_EQ(Converted("0.5", 10, 3), "0." + std::string(900, '1'));
    EXPECT_EQ(Converted("0.8", 16, 2), "0.1");
    // 0.1 in notation 16 is cut below 0.1: back in notation 10 it is just under it.
    EngineRegisters regs;
    ASSERT_EQ(ConvertDigits(regs, Digits("0.1"), 10, 16), 0);
    ASSERT_EQ(ConvertDigits(regs, regs.ResultDigits, 16, 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0.0" + std::string(899, '9'));
}

TEST(ConvertDigits, EveryDigitOfTheSourceCounts) {
    const std::string third = "0." + std::string(900, '3');
    EXPECT_EQ(Converted(third, 10, 2), ExactlyConverted(third, 10, 2));
    const std::string full = std::string(300, '7') + "." + std::string(900, '7');
    EXPECT_EQ(Converted(full, 8, 16), ExactlyConverted(full, 8, 16));
    // 2^900 - 1 and 1 - 2^-2700: whole runs of 180 and 540 digits in notation 32.
    EXPECT_EQ(Converted(full, 8, 32), std::string(180, 'V') + "." + std::string(540, 'V'));
    const std::string mixed = "1" + std::string(88, '0') + ".25";
    EXPECT_EQ(Converted(mixed, 10, 7), ExactlyConverted(mixed, 10, 7));
}

TEST(ConvertDigits, FailsOnlyWhenTheIntegerPartOrEveryDigitIsLost) {
    // 10^89 has 296 binary digits, 10^90 299, 10^91 303.
    EXPECT_EQ(Converted("1" + std::string(89, '0'), 10, 2).size(), 296u);
    EXPECT_EQ(ConversionCode("1" + std::string(90, '0'), 10, 2), 0);
    EXPECT_EQ(ConversionCode("1" + std::string(91, '0'), 10, 2), -1);
    // 4^150 = 2^300 needs 301 binary places; 3 * 4^149 = 3 * 2^298 just 300.
    EXPECT_EQ(ConversionCode("1" + std::string(150, '0'), 4, 2), -1);
    EXPECT_EQ(Converted("3" + std::string(149, '0'), 4, 2), "11" + std::string(298, '0'));
    // 10^-100 starts at binary place 333.
    const std::string small = Converted("0." + std::string(99, '0') + "1", 10, 2);
    EXPECT_EQ(small.find('1'), 2u + 332);
    // 32^-900 = 2^-4500: nothing of it within 900 binary places, though 2^-900 is 32^-180.
    EXPECT_EQ(ConversionCode("0." + std::string(899, '0') + "1", 32, 2), -1);
    EXPECT_EQ(ConversionCode("0." + std::string(899, '0') + "1", 32, 10), -1);
    EXPECT_EQ(Converted("0." + std::string(899, '0') + "1", 2, 32),
              "0." + std::string(179, '0') + "1");
}

TEST(ConvertDigits, TheSourceMayBeTheResultRegister) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("255.5");
    ASSERT_EQ(ConvertDigits(regs, regs.ResultDigits, 10, 16), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "FF.8");
}

}  // namespace
}  // namespace quarnic
