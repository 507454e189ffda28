#include "engine/add_subtract.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Digits;
using exact::Spell;

TEST(AddDigits, CarriesAcrossThePointAndReportsOverflow) {
    EngineRegisters regs;
    EXPECT_EQ(AddDigits(regs, Digits("0.9"), Digits("0.1"), 10), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "1");

    EXPECT_EQ(AddDigits(regs, Digits("F.F"), Digits("0.1"), 16), 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "10");

    const DigitString top = Digits("1" + std::string(299, '0'));
    EXPECT_EQ(AddDigits(regs, top, Digits("9" + std::string(299, '0')), 10), -1);
    EXPECT_EQ(Spell(regs.ResultDigits), "0") << "the sum without its top carry";
    EXPECT_EQ(AddDigits(regs, Digits(std::string(300, '1')), Digits("1"), 2), -1);
}

TEST(SubtractDigits, BorrowsAcrossThePointAndRunsOfZeros) {
    EngineRegisters regs;
    const DigitString a = Digits("1");
    SubtractDigits(regs, a, Digits("0.1"), 2);
    EXPECT_EQ(Spell(regs.ResultDigits), "0.1");
    SubtractDigits(regs, Digits("1000"), Digits("1"), 16);
    EXPECT_EQ(Spell(regs.ResultDigits), "FFF");
    EXPECT_EQ(Spell(a), "1") << "the minuend lends without changing";
}

TEST(SubtractDigits, WrapsToTheComplementWhenTheMinuendIsSmaller) {
    EngineRegisters regs;
    SubtractDigits(regs, Digits("1"), Digits("2"), 10);
    EXPECT_EQ(Spell(regs.ResultDigits), std::string(300, '9')) << "10^300 - 1, silently";
}

TEST(CompareDigits, ComparesValuesPlaceByPlace) {
    EXPECT_EQ(CompareDigits(Digits("0.10"), Digits("0.1")), 0);
    EXPECT_EQ(CompareDigits(Digits("2"), Digits("10")), -1);
    EXPECT_EQ(CompareDigits(Digits("10"), Digits("9.99")), 1);
    EXPECT_EQ(CompareDigits(Digits("0." + std::string(899, '0') + "1"), Digits("0")), 1);
}

struct SignedCase {
    char op;
    const char* a;
    int s1;
    const char* b;
    int s2;
    const char* magnitude;
    int sign;
};

TEST(AddOrSubtractSigned, FollowsTheSignTableOfEquals) {
    const SignedCase cases[] = {
        {'+', "3", -1, "5", 1, "2", 1},   {'+', "3", 1, "5", -1, "2", -1},
        {'-', "3", 1, "5", 1, "2", -1},   {'-', "3", -1, "5", -1, "2", 1},
        {'-', "3", -1, "5", 1, "8", -1},  {'+', "3", -1, "5", -1, "8", -1},
        {'-', "3", 1, "5", -1, "8", 1},   {'+', "3", 1, "5", 1, "8", 1},
        {'+', "5", 1, "3", -1, "2", 1},   {'+', "5", -1, "3", 1, "2", -1},
        {'-', "5", -1, "3", -1, "2", -1}, {'-', "4", 1, "4", 1, "0", 1},
        {'+', "4", -1, "4", 1, "0", 1},   {'-', "4", -1, "4", -1, "0", 1},
    };
    for (const SignedCase& c : cases) {
        EngineRegisters regs;
        const DigitString a = Digits(c.a);
        const DigitString b = Digits(c.b);
        int sign = 0;
        ASSERT_EQ(AddOrSubtractSigned(regs, c.op, a, c.s1, b, c.s2, 10, sign), 0);
        const std::string where = std::to_string(c.s1) + c.a + c.op + std::to_string(c.s2) + c.b;
        EXPECT_EQ(Spell(regs.ResultDigits), c.magnitude) << where;
        EXPECT_EQ(sign, c.sign) << where;
        EXPECT_EQ(Spell(a), c.a) << "operands survive the borrow walk: " << where;
    }
}

TEST(AddOrSubtractSigned, ReportsAnOverflowingSum) {
    EngineRegisters regs;
    int sign = 0;
    const DigitString nines = Digits(std::string(300, '9'));
    EXPECT_EQ(AddOrSubtractSigned(regs, '-', nines, -1, Digits("1"), 1, 10, sign), -1);
    EXPECT_EQ(AddOrSubtractSigned(regs, '-', nines, 1, Digits("1"), 1, 10, sign), 0);
}

}  // namespace
}  // namespace quarnic
