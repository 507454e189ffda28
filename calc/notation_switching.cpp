#include "calc/notation_switching.h"

#include "calc/display_updates.h"
#include "calc/evaluation.h"
#include "calc/history_notes.h"
#include "calc/notation_buttons.h"
#include "calc/shown_answer.h"
#include "engine/engine.h"
#include "engine/fixed_text.h"
#include "shell/wait_cursor.h"

namespace quarnic {
namespace {

// An answer of "=" (or its conversion, root or sign change) is on show. While typing the
// notation buttons are disabled, and with an operator pending a new notation only applies to
// the second operand still to be typed.
bool ShownAnswerConverts(const CalculatorState& state) {
    return !state.ErrorShown && !state.SecondOperandActive && !IsEmptyText(state.LastAnswerText);
}

void ConvertShownAnswerInto(Calculator& calc, int notation) {
    if (ShownAnswerConverts(calc.state)) {
        calc.state.FirstNotation = notation;
        ConvertShownAnswer(calc, notation);
    }
}

// Selecting "X" or stepping its value: the box shows the value and the digit keys follow it.
void ShowOtherNotationSelected(Calculator& calc) {
    const int notation = calc.state.OtherNotation;
    ClearOtherNotationBox(calc);
    ShowOtherNotationBox(calc, notation);
    ConvertShownAnswerInto(calc, notation);
}

}  // namespace

void SelectFixedNotation(Calculator& calc, int n) {
    WaitCursor wait(*calc.view);
    CheckNotationButton(calc, n);
    ClearOtherNotationBox(calc);
    ConvertShownAnswerInto(calc, n);
}

void SelectOtherNotation(Calculator& calc) {
    WaitCursor wait(*calc.view);
    CheckNotationButton(calc, calc.state.OtherNotation);
    ShowOtherNotationSelected(calc);
}

void StepOtherNotation(Calculator& calc, StepDirection direction) {
    WaitCursor wait(*calc.view);
    int& other = calc.state.OtherNotation;
    other = SteppedOtherNotation(other, direction);
    ShowOtherNotationSelected(calc);
}

void RememberComputedAnswer(Calculator& calc, int notation) {
    calc.state.ComputedAnswer = calc.engine.ResultDigits;
    calc.state.ComputedNotation = notation;
}

void ConvertShownAnswer(Calculator& calc, int to) {
    EngineRegisters& engine = calc.engine;
    const CalculatorState& state = calc.state;
    // An answer negated with "+/-" converts as negative.
    const int sign = state.AnswerSign;
    if (ConvertShownNumber(engine, *calc.view, state.ComputedAnswer, state.ComputedNotation, to,
                           sign) != 0) {
        ShowErrorDisplay(calc);
        return;
    }
    RecordAnswer(calc.last, engine.ResultDigits, sign, to);
    PresentResult(calc, to, ResultKind::Conversion);
    NoteAnswerConverted(calc);
}

}  // namespace quarnic
