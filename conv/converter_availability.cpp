#include "conv/converter_availability.h"

#include "conv/converter_panes.h"

namespace quarnic {
namespace {

void SetPane(ConverterAvailability& available, const NotationPane& pane, bool enabled,
             int selection) {
    for (int i = 0; i <= FIXED_NOTATION_COUNT; ++i) {
        available.keys[pane.firstButtonId + i - IDC_CONV_FIRST] = enabled;
    }
    const bool steps = enabled && !HasOwnButton(selection);
    available.keys[pane.stepDownId - IDC_CONV_FIRST] = steps;
    available.keys[pane.stepUpId - IDC_CONV_FIRST] = steps;
}

}  // namespace

bool ConverterAvailability::Allows(int id) const {
    if (IsConverterKeyId(id)) {
        return Key(id);
    }
    switch (id) {
        case IDM_CONV_COPY_ANSWER:
            return copyAnswer;
        case IDC_CONV_ALL_NOTATIONS_LIST:
        case IDC_CONV_ALL_NOTATIONS_COPY:
            return allNotationsLines;
        case IDM_CONV_PASTE:
        case IDM_CONV_ALL_NOTATIONS:
        case IDM_CONV_ABOUT:
        case IDM_CONV_CONSOLE_COLOR:
        case IDM_CONV_ALWAYS_ON_TOP:
            return true;
        default:
            return false;
    }
}

ConverterAvailability AvailabilityOf(const Converter& converter) {
    const ConverterState& state = converter.state;
    ConverterAvailability available;
    for (int value = 0; value < IDC_CONV_DIGIT_COUNT; ++value) {
        available.keys[IDC_CONV_DIGIT_0 + value - IDC_CONV_FIRST] =
            DigitKeyEnabled(value, state.FromSelection);
    }
    available.keys[IDC_CONV_ALL_CLEAR - IDC_CONV_FIRST] = true;
    available.keys[IDC_CONV_CLEAR_ERROR - IDC_CONV_FIRST] = true;
    SetPane(available, FROM_PANE, !state.EntryStarted, state.FromSelection);
    SetPane(available, TO_PANE, true, state.ToSelection);
    available.copyAnswer = state.EntryStarted && !state.ErrorShown;
    available.allNotationsLines = converter.allNotations.open;
    available.fromChecked = FROM_PANE.firstButtonId + NotationButtonIndex(state.FromSelection);
    available.toChecked = TO_PANE.firstButtonId + NotationButtonIndex(state.ToSelection);
    return available;
}

}  // namespace quarnic
