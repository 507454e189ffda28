#include "calc/memory_keys.h"

#include "calc/calc_ids.h"
#include "calc/display_updates.h"
#include "calc/notation_buttons.h"
#include "calc/notation_switching.h"
#include "engine/fixed_text.h"

namespace quarnic {

void MemoryIn(Calculator& calc) {
    CalculatorState& state = calc.state;
    const PlainText& source = TargetOperand(state);
    if (IsEmptyText(source)) {
        return;
    }
    state.MemoryText = source;
    // The memory must recall the value it stored, so it keeps the operand's own notation, not
    // the one selected after an operator (in which its digits could mean another number).
    const int sourceNotation =
        state.SecondOperandActive ? state.SecondNotation : state.FirstNotation;
    state.MemoryNotation = sourceNotation;
    state.MemoryConsoleText = state.ConsoleText;
    state.MemoryHeld = true;
    calc.view->DrawMemoryMark();
}

void SelectMemoryNotation(Calculator& calc, int notation) {
    SelectNotation(calc, notation);
    DisableNotationButtons(calc);
}

void MemoryRecall(Calculator& calc) {
    const CalculatorState& state = calc.state;
    if (!state.MemoryHeld || IsEmptyText(state.MemoryText)) {
        return;
    }
    PutRecalledOperand(calc, state.MemoryText, state.MemoryConsoleText, state.MemoryNotation);
}

void PutRecalledOperand(Calculator& calc, const PlainText& text, const PlainText& console,
                        int notation) {
    CalculatorState& state = calc.state;
    SelectMemoryNotation(calc, notation);
    if (!state.SecondOperandActive) {
        state.AnswerShown = false;
        state.FirstOperandText = text;
        state.FirstNotation = notation;
        calc.state.SaveAnswerAvailable = false;
    } else {
        state.SecondOperandText = text;
        state.SecondNotation = notation;
    }
    calc.engine.ResultConsoleText = console;
    state.ConsoleText = console;
    EndEntry(state);
    state.ErrorShown = false;
    calc.sqrt.SqrtRepeatCount = 0;
    RepaintConsole(calc);
}

}  // namespace quarnic
