#include "calc/notation_switching.h"

#include "calc/display_updates.h"
#include "calc/notation_buttons.h"
#include "calc/result_display.h"
#include "calc/shown_answer.h"
#include "common/wait_cursor.h"
#include "engine/engine.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

// An answer of "=" (or its conversion, root or sign change) is on show. While typing the
// notation buttons are disabled, and with an operator pending a new notation only applies to
// the second operand still to be typed.
bool ShownAnswerConverts(const CalculatorState& state) {
    return !state.ErrorShown && !state.SecondOperandActive && !IsEmptyText(state.LastAnswerText);
}

void ConvertAnswerIfShown(Calculator& calc, int notation) {
    if (ShownAnswerConverts(calc.state)) {
        calc.state.FirstNotation = notation;
        ShowAnswerInNotation(calc, notation);
    }
}

// A key of the pane: the notation selected, and the answer on show converted into it.
void SelectAndConvert(Calculator& calc, int n) {
    WaitCursor wait(*calc.view);
    SelectNotation(calc, n);
    ConvertAnswerIfShown(calc, n);
}

}  // namespace

void SelectNotation(Calculator& calc, int n) {
    CalculatorState& state = calc.state;
    ClearOtherNotationBox(calc);
    if (!HasOwnButton(n)) {
        state.OtherNotation = n;
        ShowOtherNotationBox(calc, n);
    }
    CheckNotationButton(calc, n);
}

void SelectFixedNotation(Calculator& calc, int n) {
    SelectAndConvert(calc, n);
}

void SelectOtherNotation(Calculator& calc) {
    SelectAndConvert(calc, calc.state.OtherNotation);
}

void StepOtherNotation(Calculator& calc, StepDirection direction) {
    SelectAndConvert(calc, SteppedOtherNotation(calc.state.OtherNotation, direction));
}

void ShowAnswerInNotation(Calculator& calc, int to) {
    EngineRegisters& engine = calc.engine;
    const CalculatorState& state = calc.state;
    // An answer negated with "+/-" converts as negative.
    const int sign = state.AnswerSign;
    if (ConvertAndFormatAnswer(engine, *calc.view, state.ComputedAnswer, state.ComputedNotation, to,
                               sign) != 0) {
        ShowErrorDisplay(calc);
        return;
    }
    RecordAnswer(calc.last, engine.ResultDigits, sign, to);
    PresentResult(calc, to, ResultKind::Conversion);
    calc.state.Moment = HistoryMoment::AnswerConverted;
}

}  // namespace quarnic
