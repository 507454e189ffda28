// The one entry for every command of the calculator, keys and system-menu items alike: each
// id to its operation, then the keys and items shown as the state makes them available.
#include "calc/commands.h"

#include "calc/backspace_key.h"
#include "calc/calculator_state.h"
#include "calc/clipboard_commands.h"
#include "calc/display_updates.h"
#include "calc/evaluation.h"
#include "calc/history_notes.h"
#include "calc/key_availability.h"
#include "calc/key_ids.h"
#include "calc/keypad_entry.h"
#include "calc/last_calculation.h"
#include "calc/memory_keys.h"
#include "calc/notation_buttons.h"
#include "calc/notation_switching.h"
#include "calc/save_text.h"
#include "calc/square_root.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

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

// The system-menu commands of the calculator's own.
bool RunMenuCommand(Calculator& calc, int id) {
    switch (id) {
        case IDM_COPY:
            CopyShownValue(calc);
            return true;
        case IDM_PASTE:
            PasteFromClipboard(calc);
            return true;
        case IDM_SQRT_SETTING:
            SqrtSettingDialog(calc);
            return true;
        case IDM_SAVE_ANSWER: {
            SavedText text{};
            const int length = BuildSavedText(calc, text);
            calc.view->SaveAnswerText(std::string_view(text.data(), static_cast<size_t>(length)),
                                      SAVED_TEXT_BYTES);
            return true;
        }
        case IDM_HISTORY:
            calc.view->OpenHistoryWindow();
            return true;
        case IDM_ALWAYS_ON_TOP:
            calc.view->ToggleAlwaysOnTop();
            return true;
        default:
            return false;
    }
}

bool RunCommand(Calculator& calc, int id) {
    if (id == IDC_SQRT) {
        // The key stays drawn pressed; the next command redraws it.
        calc.state.SqrtKeyNeedsRedraw = true;
        SquareRoot(calc);
        return true;
    }
    if (IsCalculatorCommandId(id)) {
        RefreshSqrtKey(calc);
        return RunKeyCommand(calc, id);
    }
    return RunMenuCommand(calc, id);
}

}  // namespace

void StartCalculator(Calculator& calc, CalculatorView& view) {
    calc.state = CalculatorState{};
    calc.engine = EngineRegisters{};
    calc.sqrt = SqrtState{};
    calc.last = LastCalculation{};
    calc.view = &view;
    ShowAvailability(calc);
}

void DispatchCommand(Calculator& calc, int id) {
    // A key that cannot be pressed, or a greyed item, does nothing, whoever sends it.
    if (!CalculatorCommandAvailable(calc, id)) {
        return;
    }
    if (RunCommand(calc, id)) {
        ShowAvailability(calc);
    }
}

bool IsCalculatorMenuCommand(int id) {
    return id == IDM_COPY || id == IDM_PASTE || id == IDM_SQRT_SETTING || id == IDM_SAVE_ANSWER ||
           id == IDM_HISTORY || id == IDM_ALWAYS_ON_TOP;
}

}  // namespace quarnic
