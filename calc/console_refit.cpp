#include "calc/console_refit.h"

#include "calc/display_updates.h"
#include "calc/shown_answer.h"
#include "engine/fixed_text.h"

namespace quarnic {

bool KeptAnswerOnShow(const CalculatorState& state) {
    return state.AnswerShown && !state.ErrorShown && !state.SecondOperandActive &&
           !state.EntryInProgress && !IsEmptyText(state.LastAnswerText);
}

void RefitShownAnswer(Calculator& calc) {
    CalculatorState& state = calc.state;
    if (!KeptAnswerOnShow(state)) {
        return;
    }
    // Scratch registers: the shown answer's digits and plain text stay as "=" left them.
    EngineRegisters scratch{};
    if (ConvertAndFormatAnswer(scratch, *calc.view, state.ComputedAnswer, state.ComputedNotation,
                               state.AnswerNotation, state.AnswerSign) != 0) {
        return;
    }
    state.ConsoleText = scratch.ResultConsoleText;
    calc.engine.ResultConsoleText = scratch.ResultConsoleText;
    RepaintConsole(calc);
}

}  // namespace quarnic
