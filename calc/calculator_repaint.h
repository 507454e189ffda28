// What a full repaint of the calculator's window draws on top of its bands.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

// What a full repaint of the window draws over its bands: the console, the box of "X" (with
// the selected notation once the buttons can be read) and the memory mark while memory holds a
// value.
void RepaintCalculatorContents(Calculator& calc);

}  // namespace quarnic
