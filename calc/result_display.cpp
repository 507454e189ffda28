#include "calc/result_display.h"

#include "calc/display_updates.h"
#include "calc/notation_buttons.h"
#include "engine/fixed_text.h"

namespace quarnic {

void PresentResult(Calculator& calc, int notation, ResultKind kind) {
    CalculatorState& state = calc.state;
    const EngineRegisters& engine = calc.engine;
    state.SecondOperandActive = false;
    EndEntry(state);
    ClearText(state.FirstOperandText);
    ClearText(state.ConsoleText);
    if (kind == ResultKind::Answer) {
        ClearText(state.SecondOperandText);
        ClearText(state.LastAnswerText);
    }
    ClearText(state.PendingOperator);
    state.ConsoleText = engine.ResultConsoleText;
    EnableNotationButtons(calc);
    RepaintConsole(calc);
    state.AnswerNotation = notation;
    if (kind == ResultKind::Answer) {
        state.LastAnswerText = engine.ResultPlainText;
        state.AnswerShown = true;
    }
    state.FirstOperandText = engine.ResultPlainText;
    state.SaveAnswerAvailable = true;
}

void ShowErrorDisplay(Calculator& calc) {
    CalculatorState& state = calc.state;
    state.SecondOperandActive = false;
    EndEntry(state);
    state.ErrorShown = true;
    for (PlainText* text :
         {&state.FirstOperandText, &state.SecondOperandText, &calc.engine.ResultPlainText,
          &state.ConsoleText, &calc.engine.ResultConsoleText, &state.LastAnswerText}) {
        ClearText(*text);
    }
    ClearText(state.PendingOperator);
    calc.sqrt.SqrtRepeatCount = 0;
    SetText(state.ConsoleText, ERROR_DISPLAY_TEXT);
    EnableNotationButtons(calc);
    RepaintConsole(calc);
}

void RememberComputedAnswer(Calculator& calc, int notation) {
    calc.state.ComputedAnswer = calc.engine.ResultDigits;
    calc.state.ComputedNotation = notation;
}

}  // namespace quarnic
