#include "calc/evaluation.h"

#include "calc/display_updates.h"
#include "calc/notation_buttons.h"
#include "calc/notation_switching.h"
#include "calc/result_display.h"
#include "calc/shown_answer.h"
#include "common/wait_cursor.h"
#include "engine/engine.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

bool IsOperatorChar(char c) {
    return c == '+' || c == '-' || c == '*' || c == '/';
}

// The console after an operator key: the text shown, without an operator already shown there,
// then a blank and op. The 954-character cut leaves room for both in the buffer.
void ShowOperatorOnConsole(CalculatorState& state, std::string_view op) {
    constexpr std::size_t KEPT_CHARACTERS = PLAIN_TEXT_BYTES - 3;
    PlainText shown = state.ConsoleText;
    std::string_view text = TextOf(shown);
    if (!text.empty() && IsOperatorChar(text.back())) {
        text.remove_suffix(text.size() < 2 ? text.size() : 2);
    } else if (text.size() > KEPT_CHARACTERS) {
        text = text.substr(0, KEPT_CHARACTERS);
    }
    SetText(state.ConsoleText, text);
    AppendChar(state.ConsoleText, ' ');
    for (char c : op) {
        AppendChar(state.ConsoleText, c);
    }
}

// Brings the first operand into the second operand's notation. False when the conversion is
// impossible; the caller then leaves everything as it was.
bool ConvertFirstOperand(Calculator& calc, DigitString& first) {
    if (ConvertDigits(calc.engine, first, calc.state.FirstNotation, calc.state.SecondNotation) !=
        0) {
        return false;
    }
    first = calc.engine.ResultDigits;
    return true;
}

// Applies the pending operator to the two magnitudes into ResultDigits; -1 on overflow or
// division by zero.
int ApplyOperator(Calculator& calc, const DigitString& first, int firstSign,
                  const DigitString& second, int secondSign, int& answerSign) {
    const char op = calc.state.PendingOperator[0];
    const int notation = calc.state.SecondNotation;
    if (op == '+' || op == '-') {
        return AddOrSubtractSigned(calc.engine, op, first, firstSign, second, secondSign, notation,
                                   answerSign);
    }
    answerSign = firstSign * secondSign;
    if (op == '*') {
        return MultiplyDigits(calc.engine, first, second, notation);
    }
    return DivideDigits(calc.engine, first, second, notation);
}

// Everything of "=" between the wait cursor and the arrow; true when an answer was shown.
bool EvaluateOperands(Calculator& calc) {
    CalculatorState& state = calc.state;
    DigitString first{};
    int firstSign = 1;
    if (ParseOperandText(TextOf(state.FirstOperandText), true, first, firstSign) != 0) {
        ShowErrorDisplay(calc);
        return false;
    }
    RecordFirstOperand(calc.last, first, firstSign, state.FirstNotation);
    // A first operand that cannot be brought into the second's notation leaves the console,
    // the texts and the flags as they were: no error display.
    if (state.FirstNotation != state.SecondNotation && !ConvertFirstOperand(calc, first)) {
        return false;
    }
    DigitString second{};
    int secondSign = 1;
    if (ParseOperandText(TextOf(state.SecondOperandText), true, second, secondSign) != 0) {
        ShowErrorDisplay(calc);
        return false;
    }
    RecordSecondOperand(calc.last, second, secondSign, state.SecondNotation,
                        state.PendingOperator.data());
    const int notation = state.SecondNotation;
    int sign = 1;
    if (ApplyOperator(calc, first, firstSign, second, secondSign, sign) != 0) {
        ShowErrorDisplay(calc);
        return false;
    }
    FormatAnswerForView(calc.engine, *calc.view, sign, notation, TO_RESULT_PLAIN_TEXT);
    RecordAnswer(calc.last, calc.engine.ResultDigits, sign, notation);
    RememberComputedAnswer(calc, notation);
    PresentResult(calc, notation, ResultKind::Answer);
    state.AnswerSign = sign;
    SyncNotationToAnswer(calc);
    state.FirstNotation = notation;
    calc.sqrt.SqrtRepeatCount = 0;
    return true;
}

}  // namespace

void EnterOperator(Calculator& calc, std::string_view op) {
    CalculatorState& state = calc.state;
    // The error display holds no operand an operator could take, as a blank console holds none.
    if (IsEmptyText(state.ConsoleText) || state.ErrorShown) {
        return;
    }
    state.SecondOperandActive = true;
    EndEntry(state);
    SetText(state.PendingOperator, op);
    calc.sqrt.SqrtRepeatCount = 0;
    EnableNotationButtons(calc);
    ShowOperatorOnConsole(state, op);
    if (!state.SuppressConsolePaint) {
        RepaintConsole(calc);
    }
    state.SecondOperandText = state.FirstOperandText;
    state.SecondNotation = state.FirstNotation;
}

bool Evaluate(Calculator& calc) {
    const CalculatorState& state = calc.state;
    if (IsEmptyText(state.FirstOperandText) || IsEmptyText(state.SecondOperandText) ||
        IsEmptyText(state.PendingOperator)) {
        return false;
    }
    WaitCursor wait(*calc.view);
    return EvaluateOperands(calc);
}

void SyncNotationToAnswer(Calculator& calc) {
    const int notation = calc.state.SecondNotation;
    if (ReadNotation(calc) != notation) {
        SelectNotation(calc, notation);
    }
}

}  // namespace quarnic
