// The command table: every key id to its operation, and the start state of the keys.
#include "calc/backspace_key.h"
#include "calc/calculator_state.h"
#include "calc/clipboard_commands.h"
#include "calc/display_updates.h"
#include "calc/evaluation.h"
#include "calc/history_notes.h"
#include "calc/key_ids.h"
#include "calc/keypad_entry.h"
#include "calc/memory_keys.h"
#include "calc/notation_buttons.h"
#include "calc/notation_switching.h"
#include "calc/square_root.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

constexpr int START_NOTATION = 10;

// Keys that are never disabled, and the notation buttons, which start enabled.
constexpr int ALWAYS_ENABLED_KEYS[] = {
    IDC_POINT,      IDC_SIGN,       IDC_ALL_CLEAR,   IDC_CLEAR_ENTRY, IDC_ADD,
    IDC_SUBTRACT,   IDC_MULTIPLY,   IDC_DIVIDE,      IDC_EQUALS,      IDC_NOTATION_2,
    IDC_NOTATION_4, IDC_NOTATION_8, IDC_NOTATION_10, IDC_NOTATION_16, IDC_NOTATION_X,
    IDC_MEMORY_IN,  IDC_SQRT};

// A lone number is evaluated as itself plus zero, without the console showing the "+ 0".
void EqualsCommand(Calculator& calc) {
    CalculatorState& state = calc.state;
    const bool loneNumber = !state.SecondOperandActive && !IsEmptyText(state.FirstOperandText);
    if (loneNumber) {
        state.SuppressConsolePaint = true;
        EnterOperator(calc, "+");
        EnterDigit(calc, '0');
        state.SuppressConsolePaint = false;
    }
    if (Evaluate(calc)) {
        NoteEquals(calc, loneNumber);
    }
}

// Fixed notation of a notation button 144..148.
int FixedNotationOf(int id) {
    return FIXED_NOTATIONS[id - IDC_NOTATION_FIRST];
}

// Every command but the square root's; false for an id that names none.
bool RunKeyCommand(Calculator& calc, int id) {
    if (IsCalculatorDigitKeyId(id)) {
        EnterDigit(calc, DigitChar(id - IDC_DIGIT_FIRST));
        return true;
    }
    switch (id) {
        case IDC_POINT:
            EnterDigit(calc, '.');
            return true;
        case IDC_SIGN:
            ToggleSign(calc);
            return true;
        case IDC_ALL_CLEAR:
            AllClear(calc);
            return true;
        case IDC_CLEAR_ENTRY:
            ClearEntry(calc);
            return true;
        case IDC_ADD:
            EnterOperator(calc, "+");
            return true;
        case IDC_SUBTRACT:
            EnterOperator(calc, "-");
            return true;
        case IDC_MULTIPLY:
            EnterOperator(calc, "*");
            return true;
        case IDC_DIVIDE:
            EnterOperator(calc, "/");
            return true;
        case IDC_EQUALS:
            EqualsCommand(calc);
            return true;
        case IDC_NOTATION_2:
        case IDC_NOTATION_4:
        case IDC_NOTATION_8:
        case IDC_NOTATION_10:
        case IDC_NOTATION_16:
            SelectFixedNotation(calc, FixedNotationOf(id));
            return true;
        case IDC_NOTATION_X:
            SelectOtherNotation(calc);
            return true;
        case IDC_STEP_DOWN:
            StepOtherNotation(calc, StepDirection::Down);
            return true;
        case IDC_STEP_UP:
            StepOtherNotation(calc, StepDirection::Up);
            return true;
        case IDC_MEMORY_IN:
            MemoryIn(calc);
            return true;
        case IDC_MEMORY_RECALL:
            MemoryRecall(calc);
            return true;
        case IDK_BACKSPACE:
            Backspace(calc);
            return true;
        default:
            return false;
    }
}

}  // namespace

void StartCalculator(Calculator& calc, CalculatorView& view) {
    calc.state = CalculatorState{};
    calc.engine = EngineRegisters{};
    calc.sqrt = SqrtState{};
    calc.last = LastCalculation{};
    calc.view = &view;
    for (int id : ALWAYS_ENABLED_KEYS) {
        view.EnableControl(id, true);
    }
    CheckNotationButton(calc, START_NOTATION);
    ApplyDigitKeys(calc, START_NOTATION);
    view.EnableControl(IDC_STEP_DOWN, false);
    view.EnableControl(IDC_STEP_UP, false);
    view.EnableControl(IDC_MEMORY_RECALL, false);
    SetSaveAnswerItem(calc, false);
    UpdateCopyItem(calc);
}

void DispatchCommand(Calculator& calc, int id) {
    if (id == IDC_SQRT) {
        // The key stays drawn pressed; the next command redraws it.
        calc.state.SqrtKeyNeedsRedraw = true;
        SquareRoot(calc);
    } else if (IsCalculatorCommandId(id)) {
        RefreshSqrtKey(calc);
        RunKeyCommand(calc, id);
    } else {
        return;
    }
    UpdateCopyItem(calc);
}

}  // namespace quarnic
