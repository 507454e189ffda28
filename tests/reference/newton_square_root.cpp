#include "tests/reference/newton_square_root.h"

#include <algorithm>

#include "engine/add_subtract.h"
#include "engine/digit_text.h"
#include "engine/engine_registers.h"
#include "engine/multiply_divide.h"

namespace quarnic::reference {

namespace {

// Zero except the first `count` significant digits of `from`, on their own places.
DigitString KeepSignificant(const DigitString& from, int count) {
    DigitString kept;
    ClearDigits(kept);
    const int lz = LeadingZeroCount(from);
    for (int p = lz; p < std::min(lz + count, DIGIT_PLACES); ++p) {
        kept[p] = from[p];
    }
    return kept;
}

// |a - b|, on copies.
DigitString Distance(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                     int notation) {
    DigitString larger = CompareDigits(a, b) >= 0 ? a : b;
    const DigitString smaller = CompareDigits(a, b) >= 0 ? b : a;
    SubtractDigits(regs, larger, smaller, notation);
    return regs.ResultDigits;
}

}  // namespace

int NewtonSquareRoot(const DigitString& x, int notation, int truncation, DigitString& root,
                     bool& converged) {
    EngineRegisters regs;
    converged = false;
    DigitString one;
    DigitString two;
    ClearDigits(one);
    ClearDigits(two);
    one[UNITS_PLACE] = '1';
    if (notation == 2) {
        two[UNITS_PLACE - 1] = '1';
    } else {
        two[UNITS_PLACE] = '2';
    }
    if (LeadingZeroCount(x) > 600) {
        return -1;
    }
    DigitString estimate = KeepSignificant(x, 10);
    int k = 1;
    for (bool first = true;; first = false) {
        const DigitString previous = estimate;
        if (first) {
            if (AddDigits(regs, one, estimate, notation) != 0) {
                return -1;
            }
        } else {
            if (DivideDigits(regs, x, estimate, notation) != 0) {
                return -1;
            }
            const DigitString quotient = regs.ResultDigits;
            if (AddDigits(regs, quotient, estimate, notation) != 0) {
                return -1;
            }
        }
        const DigitString sum = regs.ResultDigits;
        if (DivideDigits(regs, sum, two, notation) != 0) {
            return -1;
        }
        const int lzN = LeadingZeroCount(regs.ResultDigits);
        if (lzN > 600) {
            return -1;
        }
        ++k;
        estimate = KeepSignificant(regs.ResultDigits, 10 * k);
        const DigitString change = Distance(regs, previous, estimate, notation);
        converged = LeadingZeroCount(change) > truncation + UNITS_PLACE;
        if (converged || lzN + 10 * k >= 1190) {
            break;
        }
    }
    std::fill(estimate.begin() + truncation + INTEGER_PLACES, estimate.begin() + DIGIT_PLACES, '0');
    if (LeadingZeroCount(estimate) >= 600) {
        return -1;
    }
    root = estimate;
    return 0;
}

}  // namespace quarnic::reference
