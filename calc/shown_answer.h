// The one way a number reaches the console as an answer, and the one way an answer is brought
// into another notation. "=", a notation switch, a square root, Paste and the history's
// notation box all go through these, so they show and convert a number alike.
#pragma once

#include "calc/calculator_view.h"
#include "engine/console_form.h"
#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// ResultDigits fitted to the view's console, its top run rounded up (unless kept), then its
// plain text into `destination` (TO_RESULT_PLAIN_TEXT or TO_SQRT_PLAIN_TEXT) and its console
// form into ResultConsoleText. Returns 0, or -1 when the round-up overflows.
int FormShownNumber(EngineRegisters& regs, const CalculatorView& view, int sign, int notation,
                    int destination, TopDigitRun run = TopDigitRun::RoundUp);

// Converts digits from one notation into another into ResultDigits, within the conversion
// limit of 600 digits. Returns 0, or -1 when the number cannot be converted. `digits` may be
// regs.ResultDigits itself.
int ConvertIntoNotation(EngineRegisters& regs, const DigitString& digits, int from, int to);

// A shown answer in another notation: ConvertIntoNotation, then FormShownNumber into
// ResultPlainText. Returns 0, or -1 when either fails.
int ConvertShownNumber(EngineRegisters& regs, const CalculatorView& view, const DigitString& digits,
                       int from, int to, int sign);

}  // namespace quarnic
