// The message boxes of Copy and Paste, in English and Japanese (UTF-8): why a paste was
// refused, and a clipboard held by another program.
#pragma once

#include <string>

#include "common/paste_parse.h"

namespace quarnic {

enum class ClipboardUse { Copy, Paste };

// The reason a paste was refused, naming the offending character or notation. Limits are the
// calculator's (300 integer and 900 fraction digits); the converter's digit limit has its own
// warning dialog.
std::string PasteRefusalMessage(const PastedNumber& number, bool japanese);

// Another program holds the clipboard: nothing was copied (or pasted).
std::string ClipboardBusyMessage(ClipboardUse use, bool japanese);

}  // namespace quarnic
