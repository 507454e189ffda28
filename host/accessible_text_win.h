// What a screen reader gets from the painted parts of a window. A painted text (a console, a
// box) is carried by a static control over the place it is painted: the control never paints
// and lets every click through, so the window looks and behaves as before, while Windows' own
// accessibility reads the control's text as its name. Controls whose caption cannot say what
// they are answer screen readers with a name of their own.
#pragma once

#include <windows.h>

#include <string_view>

#include "common/layout.h"

namespace quarnic {

// Creates the carriers of painted texts, each with its id over its place (client coordinates),
// with an empty text.
void CreateAccessibleTexts(HWND parent, const KeyPlacement* carriers, int count);

// Sets the carrier's text when it differs, and tells screen readers the name changed. The
// texts of the consoles are ASCII; nothing happens before the carrier exists.
void SetAccessibleText(HWND parent, int id, std::string_view text);
void SetAccessibleText(HWND parent, int id, const wchar_t* text);

// Sets "<what> <label>", or only `what` for an empty label: a painted box named for what it
// is, followed by what it shows.
void SetLabelledText(HWND parent, int id, const wchar_t* what, std::string_view label);

}  // namespace quarnic
