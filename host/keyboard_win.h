// Typed keys for both programs' main windows: WM_CHAR and WM_KEYDOWN taken from the message
// loop before they reach the control with the focus, turned into the program's key actions and
// carried out as clicks on their buttons or choices of their menu items.
#pragma once

#include <windows.h>

#include "common/key_events.h"

namespace quarnic {

// The program's key maps (ProgramDescription).
using CharacterKeyMap = KeyAction (*)(char32_t character);
using NamedKeyMap = KeyAction (*)(const NamedKeyPress& press);

// For the message loop: true when the message was a key of the main window (or one of its
// controls) that the program's maps took; it has then been carried out and must be neither
// translated nor dispatched. Keys do nothing while the main window is inactive or disabled (one
// of its dialogs or message boxes is open).
bool OfferKeyMessage(const MSG& message);

}  // namespace quarnic
