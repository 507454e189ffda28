// The exact truncated square root of a digit string, in the string's own notation.
#pragma once

#include "engine/digit_string.h"

namespace quarnic {

// Fraction places a root may keep; the square-root key offers 100, 200 and 300.
inline constexpr int MAX_ROOT_FRACTION_PLACES = 300;

// Writes floor(sqrt(x) * n^places) / n^places into root: the root of x cut after `places`
// fraction places (1..300), in notation n (2..32), units on place 299, every other place "0".
// x is read as a magnitude and is not altered; root may not alias x. Digits of x beyond
// place 299 + 2 * places cannot reach the kept places and are ignored. Allocates nothing.
void ExactSquareRoot(const DigitString& x, int notation, int places, DigitString& root);

}  // namespace quarnic
