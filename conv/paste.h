// Paste into the converter's From pane (system menu and Ctrl+V).
#pragma once

#include <string_view>

#include "conv/converter_state.h"

namespace quarnic {

// The text, trimmed, is digits of the From notation (either case) with an optional " (n)"
// suffix that selects the From notation as its button would. It replaces the number typed so
// far and is converted at once. A number of 2^64 or more gives the typing warning (a number
// below it is taken even when it has more digits than typing allows); any other text a
// message; either way nothing changes.
void PasteIntoFrom(Converter& converter, std::string_view text);

// The clipboard's text through PasteIntoFrom, or a message when another program holds it.
void PasteClipboardIntoFrom(Converter& converter);

}  // namespace quarnic
