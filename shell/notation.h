// The notation buttons, the other-notation cycle behind "X" and the digit-key rule. Both
// programs compile this file: the calculator's keypad and the converter's two panes follow
// the same rules.
#pragma once

#include <array>
#include <cstddef>

#include "engine/digit_codec.h"
#include "shell/control_view.h"

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

// Gives each of the 32 digit keys (ids firstDigitId .. firstDigitId + 31) an explicit enabled
// state by the digit-key rule; a notation outside 2..32 changes nothing.
void ApplyDigitKeys(ControlView& view, int firstDigitId, int notation);

// A row of the six notation radio buttons "2", "4", "8", "10", "16", "X" (consecutive ids from
// firstButtonId) and the two step buttons beside its "X" box. The calculator has one, the
// converter two (From and To).
struct NotationPane {
    int firstButtonId;
    int stepDownId;
    int stepUpId;
};

// The notation of the first checked button, in the order "2" .. "16", "X" (which yields
// otherNotation); 0 when none is checked.
int ReadPaneNotation(const ControlView& view, const NotationPane& pane, int otherNotation);

// Checks the button of the notation ("X" for any notation without a button of its own),
// unchecks the other five, and enables the step buttons exactly when "X" is the checked one.
void CheckPaneButton(ControlView& view, const NotationPane& pane, int notation);

// Enables the six buttons, and the step buttons only while the selection is not a fixed one.
void EnablePaneButtons(ControlView& view, const NotationPane& pane, int otherNotation);

// Disables the six buttons and both step buttons.
void DisablePaneButtons(ControlView& view, const NotationPane& pane);

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
