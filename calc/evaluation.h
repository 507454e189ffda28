// The operator keys, "=" and the ways a result or a failure reaches the console.
#pragma once

#include <string_view>

#include "calc/calculator_state.h"

namespace quarnic {

// op is "+", "-", "*" or "/". Pends it (replacing one already pending); never computes. The
// second operand becomes a copy of the first. Ignored while the console is blank.
void EnterOperator(Calculator& calc, std::string_view op);

// First operand, pending operator, second operand, in the second operand's notation; the first
// operand is converted into it when typed in another one. Nothing happens without both
// operands and an operator. True when an answer was shown.
bool Evaluate(Calculator& calc);

enum class ResultKind { Answer, Conversion };

// Puts the result FormShownNumber formed (ResultConsoleText, ResultPlainText) on the console
// and makes its plain text the first operand of whatever follows.
void PresentResult(Calculator& calc, int notation, ResultKind kind);

// The calculator's one failure display, "ERROR (Press <AC>)"; both operands are dropped.
void ShowErrorDisplay(Calculator& calc);

// After an answer, moves the notation buttons to the notation it was computed in.
void SyncNotationToAnswer(Calculator& calc);

}  // namespace quarnic
