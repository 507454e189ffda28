// The one entry for every command of the calculator, keys and system-menu items alike: each
// id to its operation, then the keys and items shown as the state makes them available.
#include "calc/commands.h"

#include <concepts>

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
        state.Moment = loneNumber ? HistoryMoment::LoneEquals : HistoryMoment::Equals;
    }
}

void SaveAnswer(Calculator& calc) {
    SavedText text{};
    const int length = BuildSavedText(calc, text);
    calc.view->SaveAnswerText(std::string_view(text.data(), static_cast<size_t>(length)),
                              SAVED_TEXT_BYTES);
}

struct CommandEntry {
    int id;
    void (*run)(Calculator&);
};

// Every command but the digits, the notation buttons "2".."16" and the square root.
constexpr CommandEntry COMMANDS[] = {
    {IDC_POINT, [](Calculator& calc) { EnterDigit(calc, '.'); }},
    {IDC_SIGN, ToggleSign},
    {IDC_ALL_CLEAR, AllClear},
    {IDC_CLEAR_ENTRY, ClearEntry},
    {IDC_ADD, [](Calculator& calc) { EnterOperator(calc, "+"); }},
    {IDC_SUBTRACT, [](Calculator& calc) { EnterOperator(calc, "-"); }},
    {IDC_MULTIPLY, [](Calculator& calc) { EnterOperator(calc, "*"); }},
    {IDC_DIVIDE, [](Calculator& calc) { EnterOperator(calc, "/"); }},
    {IDC_EQUALS, EqualsCommand},
    {IDC_NOTATION_X, SelectOtherNotation},
    {IDC_STEP_DOWN, [](Calculator& calc) { StepOtherNotation(calc, StepDirection::Down); }},
    {IDC_STEP_UP, [](Calculator& calc) { StepOtherNotation(calc, StepDirection::Up); }},
    {IDC_MEMORY_IN, MemoryIn},
    {IDC_MEMORY_RECALL, MemoryRecall},
    {IDK_BACKSPACE, Backspace},
    {IDM_COPY, CopyShownValue},
    {IDM_PASTE, PasteFromClipboard},
    {IDM_SQRT_SETTING, SqrtSettingDialog},
    {IDM_SAVE_ANSWER, SaveAnswer},
    {IDM_HISTORY, [](Calculator& calc) { calc.view->OpenHistoryWindow(); }},
    {IDM_ALWAYS_ON_TOP, [](Calculator& calc) { calc.view->ToggleAlwaysOnTop(); }},
};

// False for an id that names no command.
bool RunCommand(Calculator& calc, int id) {
    if (id == IDC_SQRT) {
        // The key stays drawn pressed; the next key command redraws it.
        calc.state.SqrtKeyNeedsRedraw = true;
        SquareRoot(calc);
        return true;
    }
    if (IsCalculatorCommandId(id)) {
        RefreshSqrtKey(calc);
    }
    if (IsCalculatorDigitKeyId(id)) {
        EnterDigit(calc, DigitChar(id - IDC_DIGIT_FIRST));
        return true;
    }
    if (id >= IDC_NOTATION_FIRST && id < IDC_NOTATION_FIRST + FIXED_NOTATION_COUNT) {
        SelectFixedNotation(calc, FIXED_NOTATIONS[id - IDC_NOTATION_FIRST]);
        return true;
    }
    for (const CommandEntry& command : COMMANDS) {
        if (command.id == id) {
            command.run(calc);
            return true;
        }
    }
    return false;
}

// What every command needs after it: the history's note, then the keys and items shown as
// the state now makes them available.
template <std::invocable Command>
void CarryOut(Calculator& calc, Command run) {
    const bool saveWasAvailable = calc.state.SaveAnswerAvailable;
    calc.state.Moment = HistoryMoment::None;
    if (run()) {
        NoteHistory(calc, saveWasAvailable);
        ShowAvailability(calc);
    }
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
    CarryOut(calc, [&] { return RunCommand(calc, id); });
}

void DispatchRecall(Calculator& calc, std::string_view numberAndNotation) {
    CarryOut(calc, [&] {
        PasteNumber(calc, numberAndNotation);
        return true;
    });
}

bool IsCalculatorMenuCommand(int id) {
    return id == IDM_COPY || id == IDM_PASTE || id == IDM_SQRT_SETTING || id == IDM_SAVE_ANSWER ||
           id == IDM_HISTORY || id == IDM_ALWAYS_ON_TOP;
}

}  // namespace quarnic
