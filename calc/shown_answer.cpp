#include "calc/shown_answer.h"

#include "calc/calculator_state.h"
#include "engine/conversion.h"
#include "engine/digit_text.h"

namespace quarnic {

void FormatAnswerForView(EngineRegisters& regs, const CalculatorView& view, int sign, int notation,
                         int destination, TopDigitRun run, int lastPlace) {
    FormatAnswerForConsole(regs, ViewTextMeasurer(view), view.ConsoleWidth(), sign, notation,
                           destination, run, lastPlace);
}

int ConvertAndFormatAnswer(EngineRegisters& regs, const CalculatorView& view,
                           const DigitString& digits, int from, int to, int sign) {
    if (ConvertDigits(regs, digits, from, to) != 0) {
        return -1;
    }
    FormatAnswerForView(regs, view, sign, to, TO_RESULT_PLAIN_TEXT);
    return 0;
}

}  // namespace quarnic
