#include "calc/shown_answer.h"

#include "calc/calculator_state.h"
#include "engine/conversion.h"
#include "engine/digit_text.h"

namespace quarnic {

void FormShownNumber(EngineRegisters& regs, const CalculatorView& view, int sign, int notation,
                     int destination, TopDigitRun run, int lastPlace) {
    FormatShownAnswer(regs, ViewTextMeasurer(view), view.KeyWidth(), sign, notation, destination,
                      run, lastPlace);
}

int ConvertShownNumber(EngineRegisters& regs, const CalculatorView& view, const DigitString& digits,
                       int from, int to, int sign) {
    if (ConvertDigits(regs, digits, from, to) != 0) {
        return -1;
    }
    FormShownNumber(regs, view, sign, to, TO_RESULT_PLAIN_TEXT);
    return 0;
}

}  // namespace quarnic
