// The ways a result or a failure reaches the console, which "=", a notation switch and the square
// root share.
#pragma once

#include "calc/calculator_state.h"

namespace quarnic {

enum class ResultKind { Answer, Conversion };

// Puts the result FormatAnswerForView formed (ResultConsoleText, ResultPlainText) on the console
// and makes its plain text the first operand of whatever follows.
void PresentResult(Calculator& calc, int notation, ResultKind kind);

// The calculator's one failure display, "ERROR (Press <AC>)"; both operands are dropped.
void ShowErrorDisplay(Calculator& calc);

// Keeps ResultDigits, just computed in `notation` by "=" or the square root, as the answer
// that notation switches convert.
void RememberComputedAnswer(Calculator& calc, int notation);

}  // namespace quarnic
