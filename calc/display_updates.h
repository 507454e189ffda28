// Small screen updates the commands share: the console, the "Sa&ve answer..." item and the
// square-root key's pending redraw.
#pragma once

#include "calc/calculator_state.h"
#include "common/notation.h"

namespace quarnic {

// Blank the console, then draw ConsoleText on it.
void RepaintConsole(Calculator& calc);

// Makes "Sa&ve answer..." available or not; greying it also notes it for the history.
void SetSaveAnswerItem(Calculator& calc, bool enabled);

// The square-root key is drawn pressed until something redraws it; every key command but the
// square root's own does that once after a root was taken.
void RefreshSqrtKey(Calculator& calc);

// The box of "X": blanked with its label emptied, or showing the value of a notation.
void ClearOtherNotationBox(Calculator& calc);
void ShowOtherNotationBox(Calculator& calc, int notation);

}  // namespace quarnic
