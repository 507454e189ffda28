// The text of a saved answer, and the same lines as the history keeps them.
#pragma once

#include <array>
#include <string>

#include "calc/last_calculation.h"
#include "engine/digit_string.h"

namespace quarnic {

struct SqrtState;
struct Calculator;

// The saved file's text. Its longest form is four numbers of every place with " (32)" (the
// answer before the roots and the root without a "-"), the operator, " =", a root count of
// ten digits with " time(s) SQRT : ", four CR LF and the NUL. The free-space check asks for
// the buffer's size.
inline constexpr int SAVED_NUMBER_CHARS = 1 + INTEGER_PLACES + 1 + FRACTION_PLACES + 5;
inline constexpr int SAVED_TEXT_BYTES = 4 * SAVED_NUMBER_CHARS - 2 + 2 + 2 + 10 + 16 + 4 * 2 + 1;
using SavedText = std::array<char, SAVED_TEXT_BYTES>;

// Builds the lines "first op", "second =", the answer (or the answer before the first root
// of a run), and "count time(s) SQRT : root" when roots were taken, each ending in CR LF, every
// number with every place the calculator holds (300 + 900). Returns the text's length (without
// the NUL).
int BuildSavedText(const LastCalculation& last, const SqrtState& sqrt, SavedText& text);
// The same from the calculator's own record.
int BuildSavedText(const Calculator& calculator, SavedText& text);

// The same text as a string, for the history.
std::string BuildFullSavedText(const LastCalculation& last, const SqrtState& sqrt);
// A run of roots of a number that no "=" produced: the number the run started from, then the
// line "count time(s) SQRT : root", every place written.
std::string BuildFullRootText(const SqrtState& sqrt);
// One number as those texts write it: "-12.5 (10)".
std::string BuildFullNumberText(const DigitString& digits, int sign, int notation);

}  // namespace quarnic
