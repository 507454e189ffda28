#include "calc/keypad_entry.h"

#include <cstring>

#include "calc/calc_ids.h"
#include "calc/display_updates.h"
#include "calc/memory_keys.h"
#include "calc/notation_buttons.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

void AppendToOperand(CalculatorState& state, char c) {
    PlainText& target = TargetOperand(state);
    if (TextLength(target) >= ENTRY_LENGTH_LIMIT) {
        return;
    }
    if (!state.PointEntered) {
        AppendChar(target, c);
        if (c == '.') {
            state.PointEntered = true;
        }
    } else if (c != '.') {
        AppendChar(target, c);
    }
}

// A number never starts with "0" followed by a digit: a first "0" or "." gives "0.".
void StartOperandText(CalculatorState& state, PlainText& operand, char c) {
    if (c == '.' || c == '0') {
        SetText(operand, "0.");
        state.PointEntered = true;
    } else {
        SetText(operand, std::string_view(&c, 1));
        state.PointEntered = false;
    }
}

void StartSecondOperand(Calculator& calc, char c) {
    CalculatorState& state = calc.state;
    calc.sqrt.SqrtRepeatCount = 0;
    StartOperandText(state, state.SecondOperandText, c);
    state.SecondNotation = ReadNotation(calc);
    state.EntryInProgress = true;
    DisableNotationButtons(calc);
}

void StartFirstOperand(Calculator& calc, char c) {
    CalculatorState& state = calc.state;
    state.ErrorShown = false;
    state.AnswerShown = false;
    calc.sqrt.SqrtRepeatCount = 0;
    StartOperandText(state, state.FirstOperandText, c);
    state.FirstNotation = ReadNotation(calc);
    state.EntryInProgress = true;
    DisableNotationButtons(calc);
    calc.state.SaveAnswerAvailable = false;
}

// Drops the first character of text through CopyCharRange; a one-character text becomes empty.
void DropFirstChar(PlainText& text) {
    PlainText copy = text;
    ClearText(text);
    CopyCharRange(TextOf(copy), text.data(), 2, TextLength(copy), PLAIN_TEXT_BYTES);
}

void PrependMinus(PlainText& text) {
    PlainText copy = text;
    ClearText(text);
    text[0] = '-';
    std::memcpy(text.data() + 1, copy.data(), static_cast<size_t>(TextLength(copy)));
}

}  // namespace

void EnterDigit(Calculator& calc, char c) {
    CalculatorState& state = calc.state;
    if (state.EntryInProgress) {
        AppendToOperand(state, c);
    } else if (state.SecondOperandActive) {
        StartSecondOperand(calc, c);
    } else {
        StartFirstOperand(calc, c);
    }
    SetText(state.ConsoleText, TextOf(TargetOperand(state)));
    if (!state.SuppressConsolePaint) {
        RepaintConsole(calc);
    }
}

void ToggleSign(Calculator& calc) {
    CalculatorState& state = calc.state;
    PlainText& target = TargetOperand(state);
    if (!IsEmptyText(target)) {
        if (!state.SecondOperandActive) {
            state.AnswerSign = -state.AnswerSign;
        }
        if (target[0] == '-') {
            DropFirstChar(target);
            DropFirstChar(state.ConsoleText);
        } else {
            // The buffers keep a byte for the "-" of a number with every place.
            PrependMinus(target);
            PrependMinus(state.ConsoleText);
        }
    }
    RepaintConsole(calc);
}

namespace {

bool EndsWithOperator(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    char last = text.back();
    return last == '+' || last == '-' || last == '*' || last == '/';
}

// Right after an operator key "CE" takes the operator back: "5 +" becomes "5", and the first
// operand is on show again as after "MR", in its own notation, so that "=", "+/-", "Min" and
// the root act on it and a digit starts a new first operand.
void TakeOperatorBack(Calculator& calc, std::string_view shownText) {
    CalculatorState& state = calc.state;
    SetText(state.ConsoleText, shownText.substr(0, shownText.size() - 2));
    ClearText(state.PendingOperator);
    state.SecondOperandActive = false;
    SelectMemoryNotation(calc, state.FirstNotation);
}

void ClearSecondOperandEntry(Calculator& calc) {
    CalculatorState& state = calc.state;
    PlainText shown = state.ConsoleText;
    ClearText(state.SecondOperandText);
    ClearText(state.ConsoleText);
    std::string_view shownText = TextOf(shown);
    if (!state.EntryInProgress && EndsWithOperator(shownText)) {
        TakeOperatorBack(calc, shownText);
    }
}

}  // namespace

void ClearEntry(Calculator& calc) {
    CalculatorState& state = calc.state;
    if (state.AnswerShown) {
        return;
    }
    if (!state.SecondOperandActive) {
        ClearText(state.FirstOperandText);
        ClearText(state.ConsoleText);
        ClearText(state.LastAnswerText);
        ClearText(state.PendingOperator);
    } else {
        ClearSecondOperandEntry(calc);
    }
    EndEntry(state);
    state.ErrorShown = false;
    calc.sqrt.SqrtRepeatCount = 0;
    if (!IsEmptyText(state.ConsoleText)) {
        DisableNotationButtons(calc);
        RepaintConsole(calc);
    } else {
        EnableNotationButtons(calc);
        calc.view->ClearConsole();
    }
}

void AllClear(Calculator& calc) {
    CalculatorState& state = calc.state;
    state.SecondOperandActive = false;
    EndEntry(state);
    state.MemoryHeld = false;
    state.ErrorShown = false;
    state.AnswerShown = false;
    for (PlainText* text :
         {&state.FirstOperandText, &state.SecondOperandText, &calc.engine.ResultPlainText,
          &state.ConsoleText, &state.MemoryText, &calc.engine.ResultConsoleText,
          &state.MemoryConsoleText, &state.LastAnswerText}) {
        ClearText(*text);
    }
    ClearText(state.PendingOperator);
    calc.sqrt.SqrtRepeatCount = 0;
    EnableNotationButtons(calc);
    calc.view->ClearConsole();
    calc.view->EraseMemoryMark();
    calc.state.SaveAnswerAvailable = false;
}

int CopyCharRange(std::string_view source, char* destination, int first, int last, int capacity) {
    const int length = static_cast<int>(source.size());
    if (length == 0 || first <= 0 || last <= 0 || last < first || last > length ||
        last - first + 1 >= capacity) {
        return -1;
    }
    std::memcpy(destination, source.data() + first - 1, static_cast<size_t>(last - first + 1));
    return 0;
}

}  // namespace quarnic
