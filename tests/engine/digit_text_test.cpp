#include "engine/digit_text.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/fixed_text.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Digits;
using exact::Spell;

std::string FormatBack(const DigitString& digits, int sign) {
    EngineRegisters regs;
    regs.ResultDigits = digits;
    FormatAnswerText(regs, sign, TO_RESULT_PLAIN_TEXT);
    return regs.ResultPlainText.data();
}

TEST(ZeroCounts, LocateTheFirstAndLastSignificantPlace) {
    EXPECT_EQ(LeadingZeroCount(Digits("0")), 1200);
    EXPECT_EQ(TrailingZeroCount(Digits("0")), 1200);
    EXPECT_EQ(LeadingZeroCount(Digits("1")), 299);
    EXPECT_EQ(TrailingZeroCount(Digits("1")), 900);
    EXPECT_EQ(LeadingZeroCount(Digits("0.5")), 300);
    EXPECT_EQ(TrailingZeroCount(Digits("0.5")), 899);
    EXPECT_EQ(LeadingZeroCount(Digits(std::string(300, 'V'))), 0);
    EXPECT_EQ(TrailingZeroCount(Digits("0." + std::string(899, '0') + "1")), 0);
}

TEST(ParseOperandText, PlacesDigitsAroundThePointAndReadsTheSign) {
    DigitString d;
    int sign = 0;
    ASSERT_EQ(ParseOperandText("-12.50", true, d, sign), 0);
    EXPECT_EQ(sign, -1);
    EXPECT_EQ(d[298], '1');
    EXPECT_EQ(d[299], '2');
    EXPECT_EQ(d[300], '5');
    EXPECT_EQ(d[301], '0');
    EXPECT_EQ(d[1200], '\0');
    EXPECT_EQ(Spell(d), "12.5");
    EXPECT_EQ(FormatBack(d, sign), "-12.5");

    ASSERT_EQ(ParseOperandText("0.001", true, d, sign), 0);
    EXPECT_EQ(sign, 1);
    EXPECT_EQ(d[302], '1');
    EXPECT_EQ(FormatBack(d, sign), "0.001");

    ASSERT_EQ(ParseOperandText("V", true, d, sign), 0);
    EXPECT_EQ(d[299], 'V') << "digits are copied unchecked, whatever the notation";
}

TEST(ParseOperandText, RefusesTooManyIntegerDigitsAndUnwantedSigns) {
    DigitString d;
    int sign = 0;
    EXPECT_EQ(ParseOperandText(std::string(300, '7'), true, d, sign), 0);
    EXPECT_EQ(LeadingZeroCount(d), 0);
    EXPECT_EQ(ParseOperandText(std::string(301, '7'), true, d, sign), -1);
    EXPECT_EQ(ParseOperandText("-" + std::string(300, '7'), true, d, sign), 0);
    EXPECT_EQ(sign, -1);
    EXPECT_EQ(ParseOperandText("-4", false, d, sign), -1);
    EXPECT_EQ(ParseOperandText("4", false, d, sign), 0);
}

TEST(ParseOperandText, DropsFractionDigitsBeyondThe900th) {
    DigitString d;
    int sign = 0;
    const std::string fraction = std::string(899, '1') + "2" + std::string(50, '3');
    ASSERT_EQ(ParseOperandText("0." + fraction, true, d, sign), 0);
    EXPECT_EQ(d[1199], '2');
    EXPECT_EQ(d[1200], '\0');
    EXPECT_EQ(TrailingZeroCount(d), 0);
}

TEST(FormatAnswerText, WritesZeroOnesAndFractions) {
    EXPECT_EQ(FormatBack(Digits("0"), 1), "0");
    EXPECT_EQ(FormatBack(Digits("0"), -1), "0");
    EXPECT_EQ(FormatBack(Digits("1"), 1), "1");
    EXPECT_EQ(FormatBack(Digits("0.5"), 1), "0.5");
    EXPECT_EQ(FormatBack(Digits("0.5"), -1), "-0.5");
    EXPECT_EQ(FormatBack(Digits("1A.0C"), 1), "1A.0C");
}

// Every place is written, with its sign and point: the longest text is "-", 300 integer
// digits, "." and 900 fraction digits, and it fills the buffer but for its NUL.
TEST(FormatAnswerText, WritesEveryPlaceOfTheLongestNumber) {
    const std::string integer(300, '9');
    const std::string fraction = std::string(899, '8') + "7";
    const std::string full = FormatBack(Digits(integer + "." + fraction), -1);
    EXPECT_EQ(full, "-" + integer + "." + fraction);
    EXPECT_EQ(full.size(), static_cast<std::size_t>(PLAIN_TEXT_BYTES - 1));

    const std::string mid =
        FormatBack(Digits(std::string(100, '1') + "." + std::string(900, '2')), 1);
    EXPECT_EQ(mid.size(), 1001u);
    const std::string small = FormatBack(Digits("0." + std::string(900, '3')), -1);
    EXPECT_EQ(small.size(), 903u);
}

TEST(FormatAnswerText, WritesTheSquareRootBufferWhenAsked) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("1.5");
    FormatAnswerText(regs, 1, TO_RESULT_PLAIN_TEXT);
    regs.ResultDigits = Digits("2");
    FormatAnswerText(regs, 1, TO_SQRT_PLAIN_TEXT);
    EXPECT_STREQ(regs.ResultPlainText.data(), "1.5");
    EXPECT_STREQ(regs.SqrtPlainText.data(), "2");
    regs.ResultDigits = Digits("3");
    FormatAnswerText(regs, 1, TO_RESULT_PLAIN_TEXT);
    EXPECT_STREQ(regs.ResultPlainText.data(), "3") << "the old, longer text is cleared first";
}

}  // namespace
}  // namespace quarnic

namespace quarnic {
namespace {

using exact::Digits;

std::string Spelled(bool negative, std::string_view integer, std::string_view fraction) {
    std::string text;
    StringTextWriter out(text);
    SpellNumber(out, negative, integer, fraction);
    return text;
}

// The one spelling every text of a number shares: no sign on zero, "0" for a missing integer
// part, no point without fraction digits.
TEST(SpellNumber, SignIntegerPointAndFraction) {
    EXPECT_EQ(Spelled(false, "12", "5"), "12.5");
    EXPECT_EQ(Spelled(true, "12", ""), "-12");
    EXPECT_EQ(Spelled(true, "", "05"), "-0.05");
    EXPECT_EQ(Spelled(true, "", ""), "0") << "zero has no sign";
    EXPECT_EQ(Spelled(false, "", ""), "0");
    EXPECT_EQ(Spelled(false, "FF", ""), "FF");
}

TEST(SignificantPartsOf, LeavesOutTheZerosThatDoNotCount) {
    const DigitString number = Digits("0012.5000");
    const SignificantDigits parts = SignificantPartsOf(number);
    EXPECT_EQ(parts.integer, "12");
    EXPECT_EQ(parts.fraction, "5");
    const DigitString tiny = Digits("0.0" + std::string(897, '0') + "7");
    const SignificantDigits small = SignificantPartsOf(tiny);
    EXPECT_EQ(small.integer, "");
    EXPECT_EQ(small.fraction, std::string(898, '0') + "7");
    const DigitString nothing = Digits("0");
    const SignificantDigits zero = SignificantPartsOf(nothing);
    EXPECT_TRUE(zero.integer.empty() && zero.fraction.empty());
}

}  // namespace
}  // namespace quarnic
