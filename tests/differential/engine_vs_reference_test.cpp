// The fast engine against the reference restated apart from it: every digit and every code
// must agree.
// QUARNIC_SEED reruns one seed; QUARNIC_LONG=k runs k times as many cases.
#include <gtest/gtest.h>

#include <string>

#include "engine/add_subtract.h"
#include "engine/conversion.h"
#include "engine/digit_codec.h"
#include "engine/digit_text.h"
#include "engine/multiply_divide.h"
#include "tests/reference/reference_engine.h"
#include "tests/support/exact_number.h"
#include "tests/support/random_operands.h"

namespace quarnic {
namespace {

using exact::RandomOperands;

std::string Text(const DigitString& d) {
    return std::string(d.data(), DIGIT_PLACES);
}

template <typename Case>
void RunCases(uint32_t fixedSeed, int cases, Case oneCase) {
    const uint32_t seed = exact::TestSeed(fixedSeed);
    const int total = cases * exact::RunLengthFactor();
    for (int i = 0; i < total && !::testing::Test::HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i) +
                     " (QUARNIC_SEED=" + std::to_string(seed) + ")");
        RandomOperands random(seed + static_cast<uint32_t>(i) * 7919u);
        oneCase(random);
    }
}

// Operands of every shape: zero, a run of top digits (long carries and borrows), a lone
// digit anywhere, or random digits with integer and fraction lengths spread over 0..full.
DigitString Shaped(RandomOperands& random, int notation) {
    switch (random.Uniform(0, 9)) {
        case 0:
            return exact::MakeDigits("0");
        case 1: {
            const std::string top(1, "0123456789ABCDEFGHIJKLMNOPQRSTUV"[notation - 1]);
            std::string integer;
            std::string fraction;
            for (int i = random.SpreadLength(INTEGER_PLACES); i > 0; --i) {
                integer += top;
            }
            for (int i = random.SpreadLength(FRACTION_PLACES); i > 0; --i) {
                fraction += top;
            }
            return exact::MakeDigits(integer, fraction);
        }
        case 2: {
            DigitString lone = exact::MakeDigits("0");
            lone[random.Uniform(0, DIGIT_PLACES - 1)] =
                "123456789ABCDEFGHIJKLMNOPQRSTUV"[random.Uniform(0, notation - 2)];
            return lone;
        }
        default:
            return random.SpreadOperand(notation);
    }
}

// Fails the test with both sides shown around the first differing place.
void ExpectSameDigits(const DigitString& fast, const DigitString& reference, const char* what) {
    const std::string f = Text(fast);
    const std::string r = Text(reference);
    if (f == r) {
        return;
    }
    size_t at = 0;
    while (f[at] == r[at]) {
        ++at;
    }
    const size_t from = at < 10 ? 0 : at - 10;
    ADD_FAILURE() << what << " differ from place " << at << ": fast ..." << f.substr(from, 30)
                  << " reference ..." << r.substr(from, 30);
}

TEST(EngineMatchesReference, AdditionSubtractionAndComparison) {
    RunCases(41, 10000, [](RandomOperands& random) {
        const int n = random.Notation();
        const DigitString a = Shaped(random, n);
        const DigitString b = random.Uniform(0, 7) == 0 ? a : Shaped(random, n);
        EngineRegisters fast;
        EngineRegisters ref;
        ASSERT_EQ(AddDigits(fast, a, b, n), reference::AddDigits(ref, a, b, n));
        ExpectSameDigits(fast.ResultDigits, ref.ResultDigits, "sums");
        const int order = CompareDigits(a, b);
        ASSERT_EQ(order, reference::CompareDigits(a, b));
        // The borrow walk's effect on the minuend is part of the contract.
        DigitString fastMinuend = order >= 0 ? a : b;
        DigitString refMinuend = fastMinuend;
        const DigitString& subtrahend = order >= 0 ? b : a;
        SubtractDigits(fast, fastMinuend, subtrahend, n);
        reference::SubtractDigits(ref, refMinuend, subtrahend, n);
        ExpectSameDigits(fast.ResultDigits, ref.ResultDigits, "differences");
        ExpectSameDigits(fastMinuend, refMinuend, "consumed minuends");
        ASSERT_EQ(LeadingZeroCount(a), reference::LeadingZeroCount(a));
        ASSERT_EQ(TrailingZeroCount(a), reference::TrailingZeroCount(a));
    });
}

TEST(EngineMatchesReference, Multiplication) {
    RunCases(42, 6000, [](RandomOperands& random) {
        const int n = random.Notation();
        DigitString a = Shaped(random, n);
        DigitString b = Shaped(random, n);
        if (random.Uniform(0, 2) == 0) {
            // Near the overflow line: integer digits that add up to about 300.
            const int ia = random.Uniform(1, INTEGER_PLACES);
            const int ib = std::clamp(random.Uniform(295, 302) - ia, 0, INTEGER_PLACES);
            a = random.Operand(ia, random.SpreadLength(FRACTION_PLACES), n);
            b = random.Operand(ib, random.SpreadLength(FRACTION_PLACES), n);
        }
        EngineRegisters fast;
        EngineRegisters ref;
        ASSERT_EQ(MultiplyDigits(fast, a, b, n), reference::MultiplyDigits(ref, a, b, n));
        ExpectSameDigits(fast.ResultDigits, ref.ResultDigits, "products");
    });
}

TEST(EngineMatchesReference, DivisionIncludingFractionalDivisorsAndOverflow) {
    RunCases(43, 300, [](RandomOperands& random) {
        const int n = random.Notation();
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
        EngineRegisters fast;
        EngineRegisters ref;
        fast.ResultDigits = exact::MakeDigits("1");
        ref.ResultDigits = fast.ResultDigits;
        ASSERT_EQ(DivideDigits(fast, dividend, divisor, n),
                  reference::DivideDigits(ref, dividend, divisor, n));
        ExpectSameDigits(fast.ResultDigits, ref.ResultDigits, "quotients");
    });
}

TEST(EngineMatchesReference, OverflowingQuotientsLeaveTheSameRemainder) {
    RunCases(46, 12, [](RandomOperands& random) {
        const int n = random.Notation();
        const DigitString dividend = random.Operand(random.Uniform(250, 300), 0, n);
        const int zeros = random.Uniform(60, 400);
        const DigitString divisor =
            exact::MakeDigits("0", std::string(zeros, '0') + random.DigitText(3, n, true));
        EngineRegisters fast;
        EngineRegisters ref;
        ASSERT_EQ(DivideDigits(fast, dividend, divisor, n), -1);
        ASSERT_EQ(reference::DivideDigits(ref, dividend, divisor, n), -1);
        ExpectSameDigits(fast.ResultDigits, ref.ResultDigits, "remainders");
    });
}

// A notation into itself is no conversion: its budget, a whole 298 again, is left to the
// rounding of the logarithms, and the reference does not guess it.
TEST(EngineMatchesReference, ConversionBudgetOfEveryPairOfNotations) {
    for (int from = MIN_NOTATION; from <= MAX_NOTATION; ++from) {
        for (int to = MIN_NOTATION; to <= MAX_NOTATION; ++to) {
            if (to == from) {
                continue;
            }
            EXPECT_EQ(ConversionBudget(from, to), reference::ConversionBudget(from, to))
                << "from " << from << " to " << to;
        }
    }
}

TEST(EngineMatchesReference, ConversionBetweenNotations) {
    RunCases(44, 1500, [](RandomOperands& random) {
        const int from = random.Notation();
        int to = random.Notation();
        while (to == from) {
            to = random.Notation();
        }
        // Integers cost the reference no division; fractions one each.
        const DigitString source =
            random.Uniform(0, 1) == 0 ? random.Operand(random.SpreadLength(INTEGER_PLACES), 0, from)
                                      : Shaped(random, from);
        EngineRegisters fast;
        EngineRegisters ref;
        const int code = PrepareConversion(fast, source, from, to);
        ASSERT_EQ(code, reference::PrepareConversion(ref, source, from, to));
        if (code != 0) {
            return;
        }
        ASSERT_EQ(fast.ConversionDigitCount, ref.ConversionDigitCount);
        ASSERT_EQ(fast.ConversionFractionCount, ref.ConversionFractionCount);
        ExpectSameDigits(fast.ConversionDigits, ref.ConversionDigits, "staged digits");
        const int limit =
            random.Uniform(0, 9) == 0 ? random.Uniform(1, 400) : CONVERSION_DIGIT_LIMIT;
        ASSERT_EQ(
            ConvertDigits(fast, fast.ConversionDigits, from, fast.ConversionDigitCount,
                          fast.ConversionFractionCount, to, limit),
            reference::ConvertDigits(ref, ref.ConversionDigits, from, ref.ConversionDigitCount,
                                     ref.ConversionFractionCount, to, limit));
        ExpectSameDigits(fast.ResultDigits, ref.ResultDigits, "converted digits");
    });
}

}  // namespace
}  // namespace quarnic
