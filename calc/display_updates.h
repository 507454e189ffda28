// Small screen updates the commands share (the console, the box of "X", the square-root key's
// pending redraw) and the full repaint of the window's contents.
#pragma once

#include "calc/calculator_state.h"
#include "common/notation.h"

namespace quarnic {

// Blank the console, then draw ConsoleText on it.
void RepaintConsole(Calculator& calc);

// The square-root key is drawn pressed until something redraws it; every key command but the
// square root's own does that once after a root was taken.
void RefreshSqrtKey(Calculator& calc);

// The box of "X": blanked with its label emptied, or showing the value of a notation.
void ClearOtherNotationBox(Calculator& calc);
void ShowOtherNotationBox(Calculator& calc, int notation);

// What a full repaint of the window draws over its bands: the console, the box of "X" (with
// the selected notation's value when "X" is checked) and the memory mark while memory holds a
// value.
void RepaintCalculatorContents(Calculator& calc);

}  // namespace quarnic
