// The notation buttons, the other-notation cycle behind "X" and the digit-key rule. Both
// programs compile this file: the calculator's keypad and the converter's two panes follow
// the same rules.
#pragma once

#include <array>
#include <cstddef>

#include "common/control_view.h"
#include "engine/digit_codec.h"

namespace quarnic {

// Notations with a button of their own; every other one from 3 to 32 lives behind "X".
inline constexpr int FIXED_NOTATIONS[] = {2, 4, 8, 10, 16};
inline constexpr int FIXED_NOTATION_COUNT = 5;

bool HasOwnButton(int notation);
bool IsValidNotation(int notation);

// The cycle 3, 5, 6, 7, 9, 11..15, 17..32, wrapping at both ends. A value outside the cycle
// moves to the nearest member in the stepping direction.
int NextOtherNotation(int notation);
int PreviousOtherNotation(int notation);

// Which way the two small step buttons beside an "X" box move its value.
enum class StepDirection { Down, Up };
int SteppedOtherNotation(int notation, StepDirection direction);

// Index 0..4 of a fixed notation's button (2, 4, 8, 10, 16), 5 for "X".
int NotationButtonIndex(int notation);

// A digit key of value v is pressable in notation n exactly when v < n.
bool DigitKeyEnabled(int value, int notation);

// A row of the six notation radio buttons "2", "4", "8", "10", "16", "X" (consecutive ids from
// firstButtonId) and the two step buttons beside its "X" box.
struct NotationPane {
    int firstButtonId;
    int stepDownId;
    int stepUpId;
};

// Decimal text of a notation into a small buffer (at least 3 bytes), NUL-terminated.
void NotationDecimalText(int notation, char* out, int outSize);

// The same into a label buffer, zero-filled first: the boxes beside "X" and the memory's
// notation.
template <std::size_t N>
void SetNotationLabel(std::array<char, N>& label, int notation) {
    label.fill('\0');
    NotationDecimalText(notation, label.data(), static_cast<int>(N));
}

}  // namespace quarnic
