// The engine against the exact reference: every digit and every code must agree, in every
// notation and for every pair of notations, with operands up to all 1200 places.
// The seed is printed; QUARNIC_SEED reruns one seed, QUARNIC_LONG=k runs k times as many cases.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/add_subtract.h"
#include "engine/conversion.h"
#include "engine/digit_codec.h"
#include "engine/digit_text.h"
#include "engine/exact_root.h"
#include "engine/multiply_divide.h"
#include "tests/reference/reference_engine.h"
#include "tests/support/exact_number.h"
#include "tests/support/random_operands.h"

namespace quarnic {
namespace {

using exact::RandomOperands;

constexpr std::string_view DIGITS = "0123456789ABCDEFGHIJKLMNOPQRSTUV";

std::string Text(const DigitString& d) {
    return std::string(d.data(), DIGIT_PLACES);
}

// Runs `cases` cases for each of `rounds` (a notation, or a pair of them), every case from a
// seed of its own so that a failure names one to rerun.
template <typename Case>
void RunCases(const char* what, uint32_t fixedSeed, int rounds, int cases, Case oneCase) {
    const uint32_t seed = exact::TestSeed(fixedSeed);
    std::printf("%s: seed %u (QUARNIC_SEED=%u reruns it)\n", what, seed, seed);
    const int total = cases * exact::RunLengthFactor();
    for (int round = 0; round < rounds && !::testing::Test::HasFailure(); ++round) {
        for (int i = 0; i < total && !::testing::Test::HasFailure(); ++i) {
            const uint32_t caseSeed = seed + static_cast<uint32_t>(round * total + i) * 7919u;
            SCOPED_TRACE("seed " + std::to_string(seed) + " round " + std::to_string(round) +
                         " case " + std::to_string(i));
            RandomOperands random(caseSeed);
            oneCase(random, round);
        }
    }
}

int NotationOfRound(int round) {
    return MIN_NOTATION + round;
}
constexpr int NOTATION_COUNT = MAX_NOTATION - MIN_NOTATION + 1;

DigitString RunOfTopDigits(int notation, int integerDigits, int fractionDigits) {
    const char top = DIGITS[static_cast<size_t>(notation - 1)];
    return exact::MakeDigits(std::string(static_cast<size_t>(integerDigits), top),
                             std::string(static_cast<size_t>(fractionDigits), top));
}

// Operands of every shape: zero, a run of top digits (long carries), a lone digit anywhere,
// full length on both sides of the point, or lengths spread over 0..full.
DigitString Shaped(RandomOperands& random, int notation) {
    switch (random.Uniform(0, 9)) {
        case 0:
            return exact::MakeDigits("0");
        case 1:
            return RunOfTopDigits(notation, random.SpreadLength(INTEGER_PLACES),
                                  random.SpreadLength(FRACTION_PLACES));
        case 2: {
            DigitString lone = exact::MakeDigits("0");
            lone[random.Uniform(0, DIGIT_PLACES - 1)] = DIGITS[random.Uniform(1, notation - 1)];
            return lone;
        }
        case 3:
        case 4:
            return random.Operand(random.Uniform(100, INTEGER_PLACES),
                                  random.Uniform(300, FRACTION_PLACES), notation);
        default:
            return random.SpreadOperand(notation);
    }
}

// Fails the test with both sides shown around the first differing place.
void ExpectSameDigits(const DigitString& engine, const DigitString& reference, const char* what) {
    const std::string e = Text(engine);
    const std::string r = Text(reference);
    if (e == r) {
        return;
    }
    size_t at = 0;
    while (e[at] == r[at]) {
        ++at;
    }
    const size_t from = at < 10 ? 0 : at - 10;
    ADD_FAILURE() << what << " differ from place " << at << ": engine ..." << e.substr(from, 30)
                  << " reference ..." << r.substr(from, 30);
}

TEST(EngineMatchesReference, AdditionSubtractionAndComparisonInEveryNotation) {
    RunCases("+ and -", 41, NOTATION_COUNT, 300, [](RandomOperands& random, int round) {
        const int n = NotationOfRound(round);
        const DigitString a = Shaped(random, n);
        const DigitString b = random.Uniform(0, 7) == 0 ? a : Shaped(random, n);
        EngineRegisters engine;
        EngineRegisters ref;
        ASSERT_EQ(AddDigits(engine, a, b, n), reference::AddDigits(ref, a, b, n));
        ExpectSameDigits(engine.ResultDigits, ref.ResultDigits, "sums");
        const int order = CompareDigits(a, b);
        ASSERT_EQ(order, reference::CompareDigits(a, b));
        const DigitString& minuend = order >= 0 ? a : b;
        const DigitString& subtrahend = order >= 0 ? b : a;
        SubtractDigits(engine, minuend, subtrahend, n);
        reference::SubtractDigits(ref, minuend, subtrahend, n);
        ExpectSameDigits(engine.ResultDigits, ref.ResultDigits, "differences");
        ASSERT_EQ(LeadingZeroCount(a), reference::LeadingZeroCount(a));
        ASSERT_EQ(TrailingZeroCount(a), reference::TrailingZeroCount(a));
    });
}

// Integer lengths that add up to about 300, where the product's integer part just fits or
// just does not.
void NearTheOverflowLine(RandomOperands& random, int n, DigitString& a, DigitString& b) {
    const int ia = random.Uniform(1, INTEGER_PLACES);
    const int ib = std::clamp(random.Uniform(298, 302) - ia, 0, INTEGER_PLACES);
    a = random.Operand(ia, random.SpreadLength(FRACTION_PLACES), n);
    b = random.Operand(ib, random.SpreadLength(FRACTION_PLACES), n);
}

TEST(EngineMatchesReference, MultiplicationInEveryNotation) {
    RunCases("*", 42, NOTATION_COUNT, 250, [](RandomOperands& random, int round) {
        const int n = NotationOfRound(round);
        DigitString a = Shaped(random, n);
        DigitString b = Shaped(random, n);
        if (random.Uniform(0, 3) == 0) {
            NearTheOverflowLine(random, n, a, b);
        }
        EngineRegisters engine;
        EngineRegisters ref;
        engine.ResultDigits = exact::MakeDigits("1");
        ref.ResultDigits = engine.ResultDigits;
        ASSERT_EQ(MultiplyDigits(engine, a, b, n), reference::MultiplyDigits(ref, a, b, n));
        ExpectSameDigits(engine.ResultDigits, ref.ResultDigits, "products");
    });
}

TEST(EngineMatchesReference, DivisionInEveryNotation) {
    RunCases("/", 43, NOTATION_COUNT, 250, [](RandomOperands& random, int round) {
        const int n = NotationOfRound(round);
        const DigitString dividend = Shaped(random, n);
        DigitString divisor;
        switch (random.Uniform(0, 3)) {
            case 0:  // an integer
                divisor = random.Operand(1 + random.SpreadLength(INTEGER_PLACES - 1), 0, n);
                break;
            case 1:  // below 1, possibly deep enough for the quotient to overflow
                divisor = random.Operand(0, 1 + random.SpreadLength(FRACTION_PLACES - 1), n);
                break;
            default:
                divisor = Shaped(random, n);
        }
        EngineRegisters engine;
        EngineRegisters ref;
        engine.ResultDigits = exact::MakeDigits("1");
        ref.ResultDigits = engine.ResultDigits;
        ASSERT_EQ(DivideDigits(engine, dividend, divisor, n),
                  reference::DivideDigits(ref, dividend, divisor, n));
        ExpectSameDigits(engine.ResultDigits, ref.ResultDigits, "quotients");
    });
}

// Every pair, the same notation twice included.
TEST(EngineMatchesReference, ConversionForEveryPairOfNotations) {
    RunCases("conversion", 44, NOTATION_COUNT * NOTATION_COUNT, 10,
             [](RandomOperands& random, int round) {
                 const int from = NotationOfRound(round / NOTATION_COUNT);
                 const int to = NotationOfRound(round % NOTATION_COUNT);
                 const DigitString source =
                     random.Uniform(0, 4) == 0
                         ? random.Operand(random.SpreadLength(INTEGER_PLACES), 0, from)
                         : Shaped(random, from);
                 EngineRegisters engine;
                 EngineRegisters ref;
                 engine.ResultDigits = exact::MakeDigits("1");
                 ref.ResultDigits = engine.ResultDigits;
                 ASSERT_EQ(ConvertDigits(engine, source, from, to),
                           reference::ConvertDigits(ref, source, from, to))
                     << from << " -> " << to;
                 ExpectSameDigits(engine.ResultDigits, ref.ResultDigits, "conversions");
             });
}

TEST(EngineMatchesReference, SquareRootInEveryNotationAndTruncation) {
    RunCases("square root", 45, NOTATION_COUNT * 3, 8, [](RandomOperands& random, int round) {
        const int n = NotationOfRound(round / 3);
        const int places = 100 * (1 + round % 3);
        const DigitString x = Shaped(random, n);
        DigitString root;
        DigitString expected;
        ExactSquareRoot(x, n, places, root);
        reference::SquareRoot(x, n, places, expected);
        ExpectSameDigits(root, expected, "roots");
    });
}

}  // namespace
}  // namespace quarnic
