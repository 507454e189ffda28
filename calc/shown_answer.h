// The one way a number reaches the console as an answer, and the one way an answer is brought
// into another notation. "=", a notation switch, a square root, Paste and the history's
// notation box all go through these, so they show and convert a number alike.
#pragma once

#include "calc/calculator_view.h"
#include "engine/console_form.h"
#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// ResultDigits fitted to the view's console, a top run reaching its last place `lastPlace`
// rounded up (unless kept), then its plain text into `destination` (TO_RESULT_PLAIN_TEXT or
// TO_SQRT_PLAIN_TEXT) and its console form into ResultConsoleText.
void FormatAnswerForView(EngineRegisters& regs, const CalculatorView& view, int sign, int notation,
                         int destination, TopDigitRun run = TopDigitRun::RoundUp,
                         int lastPlace = DIGIT_PLACES - 1);

// A shown answer in another notation: ConvertDigits, then FormatAnswerForView into
// ResultPlainText. Returns 0, or -1 when the conversion fails. `digits` may be regs.ResultDigits.
int ConvertAndFormatAnswer(EngineRegisters& regs, const CalculatorView& view,
                           const DigitString& digits, int from, int to, int sign);

}  // namespace quarnic
