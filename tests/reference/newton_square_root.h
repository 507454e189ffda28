// The square root as the calculator defines it: a Newton iteration on digit strings whose
// estimate keeps ten more significant digits each round, then cut after the truncation place.
// Test code only: the reference the exact root must agree with.
#pragma once

#include "engine/digit_string.h"

namespace quarnic::reference {

// Writes the cut estimate into root and returns 0, or returns -1 for each error of the
// computation: an operand that is zero or has no digit within 301 places below the point, a
// Newton value that falls that low, an overflow, or a cut root that is zero. converged tells
// whether two estimates agreed beyond the truncation place; otherwise the iteration stopped
// at its bound of 1190 places, which a large operand reaches long before the root (each step
// from the start value 1 only halves the estimate).
int NewtonSquareRoot(const DigitString& x, int notation, int truncation, DigitString& root,
                     bool& converged);

}  // namespace quarnic::reference
