// The calculator's keyboard: which button, menu item or command a typed key stands for.
#pragma once

#include "common/key_events.h"

namespace quarnic {

// A typed character: digits "0".."9" and "A".."V" in either case, "." and ",", the four
// operators, "=" and "@" (the square root). Full-width forms count as their ASCII twins.
KeyAction CalculatorCharacterKey(char32_t character);

// Enter, Esc, Delete, Backspace, F3..F9, Page Up / Page Down, and Ctrl+M, R, S, C, V, H,
// Ctrl+Insert and Shift+Insert. Any other combination of modifiers means nothing.
KeyAction CalculatorNamedKey(const NamedKeyPress& press);

}  // namespace quarnic
