// Every digit the calculator shows, copies, saves or keeps is a digit of the exact value, cut
// after the 900th place: key scenarios checked place by place against the exact model.
#include <string>

#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "calc_scenario.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Natural;

class ExactDigits : public CalcScenario {
  protected:
    // The shown answer with every place, as the engine holds it.
    std::string Answer() { return exact::Spell(Calc().engine.ResultDigits); }

    std::string Copied() {
        Press("COPY");
        return View().Clipboard();
    }

    // The answer line of "Save answer" (the third), without its notation.
    std::string SavedAnswer() {
        const std::string text = BuildFullSavedText(Calc().last, Calc().sqrt);
        std::size_t start = 0;
        for (int line = 0; line < 2; ++line) {
            start = text.find("\r\n", start) + 2;
        }
        const std::string line = text.substr(start, text.find("\r\n", start) - start);
        return line.substr(0, line.rfind(" ("));
    }
};

// numerator / denominator cut after the 900th place of the notation, spelled.
std::string ExactQuotient(const Natural& numerator, const Natural& denominator, int notation) {
    DigitString digits;
    EXPECT_TRUE(exact::ToDigitString(numerator * Natural::Power(notation, 900) / denominator,
                                     notation, digits));
    return exact::Spell(digits);
}

std::string Repeated(const std::string& period, std::size_t length) {
    std::string text;
    while (text.size() < length) {
        text += period;
    }
    return text.substr(0, length);
}

TEST_F(ExactDigits, AThirdSurvivesAnyNumberOfNotationSwitches) {
    Press("1 / 3 = N2");
    EXPECT_EQ(Answer(), ExactQuotient(Natural(1), Natural(3), 2));
    EXPECT_EQ(Copied(), Answer());
    EXPECT_EQ(SavedAnswer(), Answer());
    Press("N10");
    EXPECT_EQ(Answer(), "0." + std::string(900, '3'));
    // Ten steps through the other notations and back: still every three. Each step converts
    // the decimal answer, 1/3 cut after 900 places.
    Press("NX");
    PressRepeatedly("X+", 10);
    const int other = State().OtherNotation;
    EXPECT_EQ(Answer(),
              ExactQuotient(Natural::Power(10, 900) / Natural(3) * Natural::Power(other, 900),
                            Natural::Power(10, 900) * Natural::Power(other, 900), other));
    Press("N10");
    EXPECT_EQ(Answer(), "0." + std::string(900, '3'));
    EXPECT_EQ(Copied(), "0." + std::string(900, '3'));
}

TEST_F(ExactDigits, QuotientsByFractionsComputeEveryPlace) {
    Press("1 / . 0 0 3 =");
    EXPECT_EQ(Answer(), "333." + std::string(900, '3'));
    Press("AC 2 / . 7 =");
    EXPECT_EQ(Answer(), "2." + Repeated("857142", 900));
    EXPECT_EQ(Copied(), Answer());
}

TEST_F(ExactDigits, ProductsOfLongFractionsAreExactToTheLastPlace) {
    Press("1 / 3 = * 7 = Min 2 / 3 = * MR =");
    // 0.666...6 * 2.333...31, both with 900 places, cut once.
    const Natural scale = Natural::Power(10, 900);
    const Natural twoThirds = scale * Natural(2) / Natural(3);
    const Natural sevenThirds = scale / Natural(3) * Natural(7);
    DigitString expected;
    ASSERT_TRUE(exact::ToDigitString(twoThirds * sevenThirds / scale, 10, expected));
    EXPECT_EQ(Answer(), exact::Spell(expected));
    EXPECT_EQ(Copied(), Answer());
}

TEST_F(ExactDigits, IntegersOfTopDigitsKeepTheirValue) {
    const std::string nines(50, '9');
    Press("PASTE=" + nines + " + 0 =");
    EXPECT_EQ(Answer(), nines);
    EXPECT_EQ(Console(), std::string(45, '9') + " 10^5");
    Press("AC N16 PASTE=FFFFFFFFFFFFFFFF + 0 = N2");
    EXPECT_EQ(Answer(), std::string(64, '1'));
    EXPECT_EQ(Copied(), std::string(64, '1'));
    Press("N10");
    EXPECT_EQ(Answer(), "18446744073709551615");
}

TEST_F(ExactDigits, TheOneRoundUpOfARunThatReachesTheLastPlace) {
    Press("1 / 3 = * 3 =");
    EXPECT_EQ(Console(), "1");
    EXPECT_EQ(Answer(), "1");
    // 1/10 in notation 16 is cut below 0.1; in notation 10 it is 0.0999...9 up to the 900th
    // place, which the console rounds to 0.1.
    Press("AC N16 1 / A = N10");
    EXPECT_EQ(Console(), "0.1");
    EXPECT_EQ(Answer(), "0.1");
    // A run that stops short of the 900th place is left as it is.
    Press("AC PASTE=0." + std::string(899, '9') + " + 0 =");
    EXPECT_EQ(Answer(), "0." + std::string(899, '9'));
}

TEST_F(ExactDigits, LongIntegersAndSmallFractionsConvertWithoutABudget) {
    Press("PASTE=1" + std::string(89, '0') + " + 0 = N2");
    EXPECT_FALSE(State().ErrorShown);
    EXPECT_EQ(Answer(), Natural::Power(10, 89).ToDigits(2));
    Press("AC N10 PASTE=0." + std::string(99, '0') + "1 + 0 = N2");
    EXPECT_FALSE(State().ErrorShown);
    EXPECT_EQ(Answer().find('1'), 2u + 332);
    // More integer places than notation 2 has: the error display, as before.
    Press("AC N10 PASTE=1" + std::string(91, '0') + " + 0 = N2");
    EXPECT_TRUE(State().ErrorShown);
}

TEST_F(ExactDigits, AFirstOperandOfAnotherNotationIsConvertedWithEveryDigit) {
    // 1/3 in notation 10, then "* 5" typed in notation 2: the first operand is converted.
    Press("1 / 3 = * N2 1 0 1 =");
    const Natural decimalThird = Natural::Power(10, 900) / Natural(3);
    const Natural binaryThird = decimalThird * Natural::Power(2, 900) / Natural::Power(10, 900);
    DigitString expected;
    ASSERT_TRUE(exact::ToDigitString(binaryThird * Natural(5), 2, expected));
    EXPECT_EQ(Answer(), exact::Spell(expected));
}

}  // namespace
}  // namespace quarnic
