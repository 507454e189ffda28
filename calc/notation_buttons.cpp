#include "calc/notation_buttons.h"

#include "calc/calc_ids.h"

namespace quarnic {

NotationPane CalculatorNotationPane() {
    return NotationPane{IDC_NOTATION_FIRST, IDC_STEP_DOWN, IDC_STEP_UP};
}

int ReadNotation(const Calculator& calc) {
    int notation = ReadPaneNotation(*calc.view, CalculatorNotationPane(), calc.state.OtherNotation);
    // One button is always checked; should none be, typing goes on in the notation of "X".
    return notation != 0 ? notation : calc.state.OtherNotation;
}

void CheckNotationButton(Calculator& calc, int n) {
    CheckPaneButton(*calc.view, CalculatorNotationPane(), n);
}

void EnableNotationButtons(Calculator& calc) {
    EnablePaneButtons(*calc.view, CalculatorNotationPane(), calc.state.OtherNotation);
}

void DisableNotationButtons(Calculator& calc) {
    DisablePaneButtons(*calc.view, CalculatorNotationPane());
}

void ApplyDigitKeys(Calculator& calc, int n) {
    ApplyDigitKeys(*calc.view, IDC_DIGIT_FIRST, n);
}

}  // namespace quarnic
