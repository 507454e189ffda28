// The converter's keyboard: which button or menu item a typed key stands for.
#pragma once

#include "common/key_events.h"

namespace quarnic {

// Digits "0".."9" and "A".."V" in either case (full-width forms too), typed in the From
// notation.
KeyAction ConverterCharacterKey(char32_t character);

// Backspace ("Clear Error"), Esc ("All Clear"), F3..F8 and Page Up / Page Down for the From
// pane, the same with Shift for the To pane, Ctrl+C ("Co&py answer"), Ctrl+V (Paste) and Ctrl+L
// (the "All notations" window).
KeyAction ConverterNamedKey(const NamedKeyPress& press);

}  // namespace quarnic
