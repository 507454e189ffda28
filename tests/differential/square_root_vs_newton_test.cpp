// The exact truncated root against the Newton iteration that defines the square root key,
// with all three truncations.
#include <gtest/gtest.h>

#include <string>

#include "engine/digit_text.h"
#include "engine/exact_root.h"
#include "tests/reference/newton_square_root.h"
#include "tests/support/exact_number.h"
#include "tests/support/random_operands.h"

namespace quarnic {
namespace {

using exact::RandomOperands;

// The key's errors that the exact root leaves to its caller: no digit within 301 places below
// the point, or a root that is zero once cut.
int ExactRootCode(const DigitString& x, const DigitString& root) {
    return LeadingZeroCount(x) > 600 || LeadingZeroCount(root) >= 600 ? -1 : 0;
}

TEST(ExactRootMatchesNewton, EveryDigitAndErrorForAllThreeTruncations) {
    const uint32_t seed = exact::TestSeed(45);
    const int cases = 120 * exact::RunLengthFactor();
    int gaveUp = 0;
    for (int i = 0; i < cases && !HasFailure(); ++i) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " case " + std::to_string(i));
        RandomOperands random(seed + static_cast<uint32_t>(i) * 7919u);
        const int n = random.Notation();
        const int truncation = 100 * random.Uniform(1, 3);
        // Integer parts short enough for the iteration to reach the root (see NewtonSquareRoot).
        DigitString x = random.SpreadOperand(n, 24);
        if (random.Uniform(0, 5) == 0) {
            // Deep below the point, where the cut root may be zero.
            const std::string zeros(random.Uniform(150, 650), '0');
            x = exact::MakeDigits("0", zeros + random.DigitText(random.Uniform(1, 20), n, true));
        }
        DigitString newton;
        exact::MakeDigits("0").swap(newton);
        bool converged = false;
        const int newtonCode = reference::NewtonSquareRoot(x, n, truncation, newton, converged);
        if (!converged && newtonCode == 0) {
            // The iteration gave up before reaching the root: its digits are no root at all,
            // and the key shows the exact one instead.
            ++gaveUp;
            continue;
        }
        DigitString root;
        ExactSquareRoot(x, n, truncation, root);
        ASSERT_EQ(ExactRootCode(x, root), newtonCode)
            << "notation " << n << " truncation " << truncation << " x " << exact::Spell(x);
        if (newtonCode == 0) {
            EXPECT_EQ(exact::Spell(root), exact::Spell(newton))
                << "notation " << n << " truncation " << truncation << " x " << exact::Spell(x);
        }
    }
    EXPECT_LT(gaveUp, cases / 2) << "too few cases where the iteration reaches the root";
}

}  // namespace
}  // namespace quarnic
