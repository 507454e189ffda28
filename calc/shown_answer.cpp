#include "calc/shown_answer.h"

#include "calc/calculator_state.h"
#include "engine/conversion.h"
#include "engine/digit_text.h"

namespace quarnic {

int FormShownNumber(EngineRegisters& regs, const CalculatorView& view, int sign, int notation,
                    int destination, TopDigitRun run) {
    return FormatShownAnswer(regs, ViewTextMeasurer(view), view.KeyWidth(), sign, notation,
                             destination, run);
}

int ConvertIntoNotation(EngineRegisters& regs, const DigitString& digits, int from, int to) {
    if (PrepareConversion(regs, digits, from, to) != 0) {
        return -1;
    }
    // The conversion writes ResultDigits, which may be the source: it reads the staged copy.
    const DigitString staged = regs.ConversionDigits;
    return ConvertDigits(regs, staged, from, regs.ConversionDigitCount,
                         regs.ConversionFractionCount, to, CONVERSION_DIGIT_LIMIT);
}

int ConvertShownNumber(EngineRegisters& regs, const CalculatorView& view, const DigitString& digits,
                       int from, int to, int sign) {
    if (ConvertIntoNotation(regs, digits, from, to) != 0) {
        return -1;
    }
    return FormShownNumber(regs, view, sign, to, TO_RESULT_PLAIN_TEXT);
}

}  // namespace quarnic
