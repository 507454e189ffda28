#include "calc/key_availability.h"

#include "calc/calc_ids.h"
#include "calc/key_ids.h"
#include "calc/notation_buttons.h"
#include "engine/fixed_text.h"

namespace quarnic {

bool ConsoleShowsValue(const CalculatorState& state) {
    const std::string_view console = TextOf(state.ConsoleText);
    return !console.empty() && console != ERROR_DISPLAY_TEXT && !state.ErrorShown;
}

bool CalculatorCommandAvailable(const Calculator& calc, int id) {
    const CalculatorState& state = calc.state;
    if (IsCalculatorDigitKeyId(id)) {
        return DigitKeyEnabled(id - IDC_DIGIT_FIRST, ReadNotation(calc));
    }
    if (id >= IDC_NOTATION_FIRST && id <= IDC_NOTATION_LAST) {
        return !state.NotationLocked;
    }
    switch (id) {
        case IDC_STEP_DOWN:
        case IDC_STEP_UP:
            // Only the value of "X" can be stepped.
            return !state.NotationLocked && state.CheckedNotationButton == FIXED_NOTATION_COUNT;
        case IDC_MEMORY_RECALL:
            return state.MemoryHeld;
        case IDM_SAVE_ANSWER:
            return state.SaveAnswerAvailable;
        case IDM_COPY:
            return ConsoleShowsValue(state);
        default:
            return true;
    }
}

void ShowAvailability(Calculator& calc) {
    CalculatorView& view = *calc.view;
    for (int id = IDC_COMMAND_FIRST; id <= IDC_COMMAND_LAST; ++id) {
        if (IsCalculatorKeyId(id)) {
            view.EnableControl(id, CalculatorCommandAvailable(calc, id));
        }
    }
    for (int button = 0; button <= FIXED_NOTATION_COUNT; ++button) {
        view.SetCheck(IDC_NOTATION_FIRST + button, button == calc.state.CheckedNotationButton);
    }
    for (int item : {IDM_SAVE_ANSWER, IDM_COPY}) {
        view.EnableMenuItem(item, CalculatorCommandAvailable(calc, item));
    }
}

}  // namespace quarnic
