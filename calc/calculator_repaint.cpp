// What a full repaint of the calculator's window draws on top of its bands.
#include "calc/calculator_repaint.h"

#include "calc/display_updates.h"
#include "calc/notation_buttons.h"
#include "common/notation.h"
#include "engine/fixed_text.h"

namespace quarnic {

void RepaintCalculatorContents(Calculator& calc) {
    CalculatorView& view = *calc.view;
    CalculatorState& state = calc.state;
    view.DrawConsole(TextOf(state.ConsoleText));
    ClearText(state.OtherNotationLabel);
    view.ClearOtherNotationBox();
    const int notation = ReadNotation(calc);
    if (!HasOwnButton(notation)) {
        SetNotationLabel(state.OtherNotationLabel, notation);
    }
    view.DrawOtherNotationBox(TextOf(state.OtherNotationLabel));
    if (state.MemoryHeld) {
        view.DrawMemoryMark();
    }
}

}  // namespace quarnic
