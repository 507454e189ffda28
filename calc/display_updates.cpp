#include "calc/display_updates.h"

#include "calc/calc_ids.h"
#include "calc/notation_buttons.h"
#include "common/notation.h"
#include "engine/fixed_text.h"

namespace quarnic {

void RepaintConsole(Calculator& calc) {
    calc.view->ClearConsole();
    calc.view->DrawConsole(TextOf(calc.state.ConsoleText));
}

void RefreshSqrtKey(Calculator& calc) {
    if (calc.state.SqrtKeyNeedsRedraw) {
        calc.view->RedrawSqrtKey();
        calc.state.SqrtKeyNeedsRedraw = false;
    }
}

void ClearOtherNotationBox(Calculator& calc) {
    ClearText(calc.state.OtherNotationLabel);
    calc.view->ClearOtherNotationBox();
}

void ShowOtherNotationBox(Calculator& calc, int notation) {
    SetNotationLabel(calc.state.OtherNotationLabel, notation);
    calc.view->DrawOtherNotationBox(TextOf(calc.state.OtherNotationLabel));
}

void RepaintCalculatorContents(Calculator& calc) {
    calc.view->DrawConsole(TextOf(calc.state.ConsoleText));
    ClearOtherNotationBox(calc);
    const int notation = ReadNotation(calc);
    if (!HasOwnButton(notation)) {
        SetNotationLabel(calc.state.OtherNotationLabel, notation);
    }
    calc.view->DrawOtherNotationBox(TextOf(calc.state.OtherNotationLabel));
    if (calc.state.MemoryHeld) {
        calc.view->DrawMemoryMark();
    }
}

}  // namespace quarnic
