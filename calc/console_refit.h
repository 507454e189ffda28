// The console of a window that changed its width: the answer on show is formed again for the
// console's new width, from the answer as kept, so a wider window shows more of its digits and
// a narrower one fewer.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

// Whether the console shows an answer of "=", of the square root or of a notation switch (with
// its sign as "+/-" left it): the ones formed from the kept answer.
bool KeptAnswerOnShow(const CalculatorState& state);

// Forms the answer on show again from ComputedAnswer, as a switch to its own notation would,
// and repaints the console with it. Only the console's text changes: the operands, the answer
// that Copy, "Save answer" and the history take, and the engine's registers stay. Does nothing
// while no kept answer is on show (typed, pasted or recalled numbers, an operator pending, the
// error display): those keep their text until the next key.
void RefitShownAnswer(Calculator& calc);

}  // namespace quarnic
