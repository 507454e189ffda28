// The calculator's Copy and Paste (system menu, Ctrl+C and Ctrl+V).
#pragma once

#include <string>
#include <string_view>

#include "calc/calculator_state.h"

namespace quarnic {

// The full-precision plain text of the value on show: no notation suffix, "-" for a negative
// value, no trailing fraction zeros, no point for an integer, every digit of the operand.
// Empty while the console shows nothing or the error display (Copy is greyed exactly then).
std::string CopyText(const Calculator& calc);

// Copy: CopyText to the clipboard, or a message when another program holds it.
void CopyShownValue(Calculator& calc);

// Paste of a text: a number of the selected notation, or of the notation its " (n)" suffix
// names (selected first while the notation buttons are enabled), becomes the operand "MR"
// would fill, by the same rules. Anything else is refused with a message and changes nothing.
void PasteNumber(Calculator& calc, std::string_view text);

// Paste: the clipboard's text through PasteNumber, or a message when another program holds it.
void PasteFromClipboard(Calculator& calc);

}  // namespace quarnic
