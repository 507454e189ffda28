#include "engine/console_form.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/add_subtract.h"
#include "engine/digit_text.h"
#include "tests/kit/fixed_pitch_measurer.h"
#include "tests/support/exact_number.h"

namespace quarnic {
namespace {

using exact::Digits;
using exact::Spell;

constexpr int kPitch = 8;

// A console width (ten key widths) at which exactly `digits` digits and a point fit (positive
// answers): the limit width - 27 - 6 * pitch must hold (digits + 1) * pitch but not
// (digits + 2) * pitch. Good for 40 digits (410).
int ConsoleWidthFor(int digits) {
    return (((digits + 1) * kPitch + 27 + 6 * kPitch + 9) / 10) * 10;
}

struct Shown {
    std::string console;
    std::string plain;
};

Shown Show(const DigitString& digits, int sign, int notation, int fit = 40) {
    EngineRegisters regs;
    regs.ResultDigits = digits;
    const FixedPitchMeasurer measurer(kPitch);
    FormatAnswerForConsole(regs, measurer, ConsoleWidthFor(fit), sign, notation,
                           TO_RESULT_PLAIN_TEXT);
    return {regs.ResultConsoleText.data(), regs.ResultPlainText.data()};
}

std::string Console(const std::string& plain, int notation = 10, int sign = 1) {
    return Show(Digits(plain), sign, notation).console;
}

TEST(FitDigitsToConsole, CountsTheDigitsThatFitBesideTheSuffixRoom) {
    const FixedPitchMeasurer measurer(kPitch);
    EngineRegisters regs;
    regs.ResultDigits = Digits("1." + std::string(100, '1'));
    FitDigitsToConsole(regs, measurer, ConsoleWidthFor(40), 1);
    EXPECT_EQ(regs.DigitsThatFit, 40);
    FitDigitsToConsole(regs, measurer, ConsoleWidthFor(40), -1);
    EXPECT_EQ(regs.DigitsThatFit, 39) << "the minus sign takes one digit's room";
    // 45 digits at the runner's key width of 45.
    FitDigitsToConsole(regs, measurer, 450, 1);
    EXPECT_EQ(regs.DigitsThatFit, 45);

    regs.ResultDigits = Digits("123");
    FitDigitsToConsole(regs, measurer, ConsoleWidthFor(40), 1);
    EXPECT_EQ(regs.DigitsThatFit, 40) << "the zeros after the last digit count as digits too";
    regs.ResultDigits = Digits("0");
    FitDigitsToConsole(regs, measurer, ConsoleWidthFor(40), 1);
    EXPECT_EQ(regs.DigitsThatFit, 0);
}

// At 8 pixels a character the digits never exactly fill the room; at 7 pixels and a key width
// of 9 the room is 90 - 27 - 6 * 7 = 21 pixels, exactly two digits and a point.
TEST(FitDigitsToConsole, DigitsThatExactlyFillTheRoomStillFit) {
    const FixedPitchMeasurer measurer(7);
    EngineRegisters regs;
    regs.ResultDigits = Digits("1.25");
    FitDigitsToConsole(regs, measurer, 90, 1);
    EXPECT_EQ(regs.DigitsThatFit, 2);
    FitDigitsToConsole(regs, measurer, 90, -1);
    EXPECT_EQ(regs.DigitsThatFit, 1) << "\"-\", one digit and the point fill the 21 pixels";

    regs.ResultDigits = Digits("1.25");
    FormatAnswerForConsole(regs, measurer, 90, 1, 10, TO_RESULT_PLAIN_TEXT);
    EXPECT_STREQ(regs.ResultConsoleText.data(), "1.2");
}

TEST(ConsoleForm, ShortAnswersShowAsTheyAre) {
    EXPECT_EQ(Console("0.5"), "0.5");
    EXPECT_EQ(Console("0.5", 10, -1), "-0.5");
    EXPECT_EQ(Console("12"), "12");
    EXPECT_EQ(Console("0"), "0");
    EXPECT_EQ(Console("0", 10, -1), "0");
    EXPECT_EQ(Console("123000000"), "123000000") << "six trailing zeros stay";
    EXPECT_EQ(Console("1230000000"), "123 10^7") << "seven do not";
    EXPECT_EQ(Console("1" + std::string(39, '0')), "1 10^39");
}

TEST(ConsoleForm, SmallNumbersGetANegativeExponent) {
    EXPECT_EQ(Console("0.00123"), "1.23 10^-3");
    EXPECT_EQ(Console("0.001", 16), "1 G^-3");
    EXPECT_EQ(Console("0.01", 10, -1), "-1 10^-2");
    EXPECT_EQ(Console("0." + std::string(299, '0') + "1"), "1 10^-300");
}

// A number that is not zero never shows as "0": its first digit and exponent, down to the
// 900th place below the point.
TEST(ConsoleForm, NumbersBelowThe300thPlaceShowTheirFirstDigit) {
    EXPECT_EQ(Console("0." + std::string(300, '0') + "1"), "1 10^-301");
    EXPECT_EQ(Console("0." + std::string(899, '0') + "9"), "9 10^-900");
    EXPECT_EQ(Console("0." + std::string(899, '0') + "9", 10, -1), "-9 10^-900");
    EXPECT_EQ(Console("0." + std::string(897, '0') + "V1", 32), "V.1 W^-898");
    EXPECT_EQ(Console("0." + std::string(599, '0') + std::string(301, '7')),
              "7." + std::string(39, '7') + " 10^-600");
}

// The round-up compares the run with what the console has room for, not with the digits this
// number happens to show: a short run at the end of a tiny number is a value of its own.
TEST(RoundUpTopDigitRun, TinyNumbersKeepTheirValue) {
    const Shown tiny = Show(Digits("0." + std::string(899, '0') + "9"), 1, 10);
    EXPECT_EQ(tiny.plain, "0." + std::string(899, '0') + "9");
    EXPECT_EQ(tiny.console, "9 10^-900");
    const std::string twentyNines = "0." + std::string(880, '0') + std::string(20, '9');
    EXPECT_EQ(Show(Digits(twentyNines), 1, 10).plain, twentyNines);
    const std::string fortyNines = "0." + std::string(860, '0') + std::string(40, '9');
    EXPECT_EQ(Show(Digits(fortyNines), 1, 10).plain, "0." + std::string(859, '0') + "1")
        << "a run as long as the console's room is rounded wherever it starts";
}

TEST(ConsoleCapacity, CountsTheNotationsTopDigitBesideAPoint) {
    const FixedPitchMeasurer measurer(kPitch);
    EXPECT_EQ(ConsoleCapacity(measurer, ConsoleWidthFor(40), 10), 40);
    EXPECT_EQ(ConsoleCapacity(measurer, ConsoleWidthFor(40), 32), 40);
    EXPECT_EQ(ConsoleCapacity(FixedPitchMeasurer(7), 90, 2), 2) << "exactly filling the room";
    EXPECT_EQ(ConsoleCapacity(measurer, 30, 10), 0) << "no room at all";
}

TEST(ConsoleForm, LongIntegersKeepTheirTopDigitsAndCountTheRest) {
    const std::string sixty = "1234567890" + std::string(50, '7');
    EXPECT_EQ(Console(sixty), "1234567890" + std::string(30, '7') + " 10^20");
    const std::string zeros = "12" + std::string(58, '0') + "5";
    EXPECT_EQ(Console(zeros), "12 10^59") << "zeros among the shown digits join the exponent";
    EXPECT_EQ(Console(std::string(41, '1') + ".5"), std::string(40, '1') + " 10^1");
}

TEST(ConsoleForm, TheFractionGetsWhatIsLeftOfTheBudget) {
    EXPECT_EQ(Console("1." + std::string(60, '3')), "1." + std::string(39, '3'));
    EXPECT_EQ(Console(std::string(40, '2') + ".5"), std::string(40, '2'))
        << "no room for the fraction: no point either";
    EXPECT_EQ(Console("12.50"), "12.5");
    EXPECT_EQ(Console("0." + std::string(900, '3')), "0." + std::string(40, '3'));
}

TEST(ConsoleForm, ExponentSymbolsFollowTheNotation) {
    EXPECT_EQ(Console("1" + std::string(9, '0'), 32), "1 W^9");
    EXPECT_EQ(Console("1" + std::string(9, '0'), 11), "1 B^9");
    EXPECT_EQ(Console("1" + std::string(9, '0'), 2), "1 2^9");
    EXPECT_EQ(Console("0.0A", 11), "A B^-2");
}

TEST(RoundUpTopDigitRun, RoundsARunThatReachesTheLastPlace) {
    const Shown nines = Show(Digits("0." + std::string(900, '9')), 1, 10);
    EXPECT_EQ(nines.console, "1");
    EXPECT_EQ(nines.plain, "1");
    EXPECT_EQ(Console("0.1" + std::string(899, '9')), "0.2");
    EXPECT_EQ(Console("0." + std::string(900, 'V'), 32), "1");
    EXPECT_EQ(Console("0.0" + std::string(899, '1'), 2), "0.1");
    EXPECT_EQ(Console("0.3" + std::string(860, '2') + std::string(39, '9')),
              "0.3" + std::string(39, '2'))
        << "39 top digits at the end are fewer than the 40 that fit";
    EXPECT_EQ(Console("0.3" + std::string(859, '2') + std::string(40, '9')),
              "0.3" + std::string(39, '2') + "")
        << "a run of exactly 40 is rounded";
    EXPECT_EQ(Show(Digits("0.3" + std::string(859, '2') + std::string(40, '9')), 1, 10).plain,
              "0.3" + std::string(858, '2') + "3");
}

TEST(RoundUpTopDigitRun, KeepsRunsThatStopBeforeTheLastPlace) {
    EXPECT_EQ(Console(std::string(40, '9')), std::string(40, '9')) << "an integer of nines";
    EXPECT_EQ(Console(std::string(50, '9')), std::string(40, '9') + " 10^10");
    EXPECT_EQ(Show(Digits(std::string(50, '9')), 1, 10).plain, std::string(50, '9'));
    EXPECT_EQ(Console(std::string(16, 'F'), 16), std::string(16, 'F'));
    EXPECT_EQ(Console("0.3" + std::string(45, '9') + "1"), "0.3" + std::string(39, '9'))
        << "a run followed by other digits";
}

TEST(RoundUpTopDigitRun, TheLastPlaceOfARootEndsItsRun) {
    EngineRegisters regs;
    regs.ResultDigits = Digits("0." + std::string(100, '9'));
    RoundUpTopDigitRun(regs, 10, 40, UNITS_PLACE + 100);
    EXPECT_EQ(Spell(regs.ResultDigits), "1");
    regs.ResultDigits = Digits("0." + std::string(100, '9'));
    RoundUpTopDigitRun(regs, 10, 40, UNITS_PLACE + 200);
    EXPECT_EQ(Spell(regs.ResultDigits), "0." + std::string(100, '9'))
        << "the run stops 100 places before a 200-place root's last place";
    regs.ResultDigits = Digits(std::string(299, '9'));
    RoundUpTopDigitRun(regs, 10, 40, UNITS_PLACE);
    EXPECT_EQ(Spell(regs.ResultDigits), "1" + std::string(299, '0'));
}

TEST(RoundUpTopDigitRun, LeavesARunFromPlaceZeroAndAZeroAnswer) {
    EngineRegisters regs;
    regs.ResultDigits = Digits(std::string(300, '9') + "." + std::string(900, '9'));
    RoundUpTopDigitRun(regs, 10, 40);  // a run starting at place 0 is left alone
    EXPECT_EQ(Spell(regs.ResultDigits), std::string(300, '9') + "." + std::string(900, '9'));

    regs.ResultDigits = Digits("0");
    RoundUpTopDigitRun(regs, 10, 0);
    EXPECT_EQ(Spell(regs.ResultDigits), "0");
}

TEST(RoundUpTopDigitRun, TheUnitStopsAtThePlaceBeforeTheRun) {
    EngineRegisters regs;
    regs.ResultDigits = Digits(std::string(300, '9') + "." + std::string(900, '9'));
    regs.ResultDigits[0] = '8';
    RoundUpTopDigitRun(regs, 10, 40);
    EXPECT_EQ(Spell(regs.ResultDigits), "9" + std::string(299, '0'));
}

TEST(NotationSymbol, CoversEveryNotationAndNothingElse) {
    NotationSymbolText symbol;
    const std::string expected[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "B", "C",
                                    "D", "E", "F", "G", "H", "I", "J", "K", "L",  "M", "N",
                                    "O", "P", "Q", "R", "S", "T", "U", "V", "W"};
    for (int n = 2; n <= 32; ++n) {
        NotationSymbol(n, symbol);
        EXPECT_EQ(symbol.data(), expected[n - 2]);
    }
    NotationSymbol(33, symbol);
    EXPECT_STREQ(symbol.data(), "");
    NotationSymbol(1, symbol);
    EXPECT_STREQ(symbol.data(), "");
}

TEST(FormatConsoleNumber, StaysInsideItsBufferOnAnEnormousConsole) {
    EngineRegisters regs;
    regs.ResultDigits = Digits(std::string(300, '1') + "." + std::string(900, '2'));
    regs.DigitsThatFit = 1200;
    FormatConsoleNumber(regs, -1, 10);
    EXPECT_EQ(std::string(regs.ResultConsoleText.data()),
              "-" + std::string(300, '1') + "." + std::string(900, '2'))
        << "every place, its sign and point fit the buffer";
}

}  // namespace
}  // namespace quarnic
