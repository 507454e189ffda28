#include "calc/notation_buttons.h"

#include "calc/calc_ids.h"

namespace quarnic {

int ReadNotation(const Calculator& calc) {
    const CalculatorState& state = calc.state;
    return state.CheckedNotationButton < FIXED_NOTATION_COUNT
               ? FIXED_NOTATIONS[state.CheckedNotationButton]
               : state.OtherNotation;
}

void CheckNotationButton(Calculator& calc, int n) {
    calc.state.CheckedNotationButton = NotationButtonIndex(n);
}

void EnableNotationButtons(Calculator& calc) {
    calc.state.NotationLocked = false;
}

void DisableNotationButtons(Calculator& calc) {
    calc.state.NotationLocked = true;
}

}  // namespace quarnic
