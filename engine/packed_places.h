// The bridge between the places of a digit string and the limbs the arithmetic computes in.
#pragma once

#include "engine/digit_string.h"
#include "engine/fixed_natural.h"

namespace quarnic {

// The significant places of a digit string: its first and last nonzero place (first > last
// for zero).
struct SignificantPlaces {
    int first = DIGIT_PLACES;
    int last = -1;
    bool IsZero() const { return first > last; }
    int Count() const { return IsZero() ? 0 : last - first + 1; }
};
SignificantPlaces FindSignificantPlaces(const DigitString& digits);

// Places first..last of s as one natural number in the notation, place `last` its units.
FixedNatural PackPlaces(const DigitString& s, int first, int last, int notation);

// Spells value in the notation with its units digit on place `last` (< 2400, places past 1199
// cut), every other place "0". Returns 0, or -1 (digits untouched) when it reaches above place 0.
int UnpackPlaces(const FixedNatural& value, int notation, int last, DigitString& digits);

}  // namespace quarnic
