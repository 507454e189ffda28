// The command table, the notation panes, the clear keys and copying the answer.
#include "conv/converter_commands.h"

#include "common/paste_messages.h"
#include "common/wait_cursor.h"
#include "conv/all_notations.h"
#include "conv/converter_availability.h"
#include "conv/converter_repaint.h"
#include "conv/converter_state.h"
#include "conv/digit_entry.h"
#include "conv/paste.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"

namespace quarnic {

namespace {

// The pane's selection and the value of its "X" button.
constexpr int ConverterState::*SelectionMember(ConverterPane pane) {
    return pane == ConverterPane::From ? &ConverterState::FromSelection
                                       : &ConverterState::ToSelection;
}

constexpr int ConverterState::*OtherNotationOf(ConverterPane pane) {
    return pane == ConverterPane::From ? &ConverterState::FromOtherNotation
                                       : &ConverterState::ToOtherNotation;
}

// While an error is on show, or nothing is typed, the To pane only moves its check.
void ConvertToSelection(Converter& converter) {
    if (!converter.state.ErrorShown && !IsEmptyText(converter.texts.InputDigits)) {
        converter.state.ToNotation = converter.state.ToSelection;
        ConvertAndShow(converter);
    }
}

// Both panes' keys lie at the same offsets from their "2" button: 0..4 "2".."16", 5 "X", then
// step down and step up.
constexpr int OTHER_KEY_OFFSET = FIXED_NOTATION_COUNT;
constexpr int STEP_DOWN_OFFSET = IDC_CONV_FROM_STEP_DOWN - IDC_CONV_FROM_2;
constexpr int STEP_UP_OFFSET = IDC_CONV_FROM_STEP_UP - IDC_CONV_FROM_2;
static_assert(STEP_DOWN_OFFSET == OTHER_KEY_OFFSET + 1 && STEP_UP_OFFSET == STEP_DOWN_OFFSET + 1 &&
                  IDC_CONV_TO_STEP_UP - IDC_CONV_TO_2 == STEP_UP_OFFSET &&
                  IDC_CONV_TO_2 == IDC_CONV_FROM_STEP_UP + 1,
              "the To pane's keys follow the From pane's, in the same order");

// The notation a pane key selects: its own, the "X" value, or that value stepped.
int NotationOfPaneKey(const ConverterState& state, ConverterPane pane, int offset) {
    const int other = state.*OtherNotationOf(pane);
    if (offset < OTHER_KEY_OFFSET) {
        return FIXED_NOTATIONS[offset];
    }
    if (offset == OTHER_KEY_OFFSET) {
        return other;
    }
    return SteppedOtherNotation(other,
                                offset == STEP_UP_OFFSET ? StepDirection::Up : StepDirection::Down);
}

void OnPaneKey(Converter& converter, int id) {
    const ConverterPane pane = id >= IDC_CONV_TO_2 ? ConverterPane::To : ConverterPane::From;
    const int offset = id - (pane == ConverterPane::To ? IDC_CONV_TO_2 : IDC_CONV_FROM_2);
    SelectNotation(converter, pane, NotationOfPaneKey(converter.state, pane, offset));
}

void OnAllClear(Converter& converter) {
    converter.state.EntryStarted = false;
    converter.state.ErrorShown = false;
    ClearText(converter.texts.InputDigits);
    ClearText(converter.texts.AnswerText);
    converter.view->ClearInputConsole();
    converter.view->ClearAnswerConsole();
}

void OnClearError(Converter& converter) {
    auto& input = converter.texts.InputDigits;
    const int length = TextLength(input);
    if (length <= 1) {
        OnAllClear(converter);
        return;
    }
    input[length - 1] = '\0';
    converter.view->ClearInputConsole();
    converter.view->DrawInputConsole(TextOf(input));
    ConvertAndShow(converter);
}

void CopyAnswer(Converter& converter) {
    ClipboardText text{};
    AppendNumberAndNotation(text, TextOf(converter.texts.InputDigits),
                            converter.state.FromNotation);
    FixedTextWriter(text).Put(" = ");
    AppendNumberAndNotation(text, TextOf(converter.texts.AnswerText), converter.state.ToNotation);
    CopyToClipboard(converter, TextOf(text));
}

void CarryOut(Converter& converter, int id, int lineNotation) {
    if (IsConverterDigitKeyId(id)) {
        OnDigitKey(converter, DigitChar(id - IDC_CONV_DIGIT_0));
    } else if (id == IDC_CONV_ALL_CLEAR) {
        OnAllClear(converter);
    } else if (id == IDC_CONV_CLEAR_ERROR) {
        OnClearError(converter);
    } else if (IsConverterKeyId(id)) {
        OnPaneKey(converter, id);
    } else if (id == IDM_CONV_COPY_ANSWER) {
        CopyAnswer(converter);
    } else if (id == IDM_CONV_PASTE) {
        PasteClipboardIntoFrom(converter);
    } else if (id == IDM_CONV_ALL_NOTATIONS) {
        OpenAllNotations(converter);
    } else if (id == IDM_CONV_ABOUT) {
        converter.view->ShowAboutBox();
    } else if (id == IDM_CONV_CONSOLE_COLOR) {
        converter.view->ShowConsoleColorDialog();
    } else if (id == IDM_CONV_ALWAYS_ON_TOP) {
        converter.view->ToggleAlwaysOnTop();
    } else if (id == IDC_CONV_ALL_NOTATIONS_LIST && IsValidNotation(lineNotation)) {
        SelectNotation(converter, ConverterPane::To, lineNotation);
    } else if (id == IDC_CONV_ALL_NOTATIONS_COPY) {
        CopyAllNotationsLine(converter, lineNotation);
    }
}

}  // namespace

int SelectionOf(const ConverterState& state, ConverterPane pane) {
    return state.*SelectionMember(pane);
}

void SelectNotation(Converter& converter, ConverterPane pane, int notation) {
    WaitCursor wait(*converter.view);
    converter.state.*SelectionMember(pane) = notation;
    if (!HasOwnButton(notation)) {
        converter.state.*OtherNotationOf(pane) = notation;
    }
    if (pane == ConverterPane::To) {
        ConvertToSelection(converter);
    }
}

void SetUpConverterStart(Converter& converter) {
    converter.state = ConverterState{};
    converter.texts = ConverterTexts{};
    converter.shown = ShownControls{};
    ShowControls(converter);
}

void AppendNumberAndNotation(ClipboardText& text, std::string_view digits, int notation) {
    FixedTextWriter out(text);
    out.Put(digits);
    out.Put(" (");
    out.PutDecimal(notation);
    out.Put(')');
}

void CopyToClipboard(Converter& converter, std::string_view text) {
    if (!converter.view->PutTextOnClipboard(text)) {
        converter.view->ShowMessageBox(
            ClipboardBusyMessage(ClipboardUse::Copy, converter.JapaneseUi));
    }
}

bool DispatchConverterCommand(Converter& converter, int id, int lineNotation) {
    const ConverterAvailability available = AvailabilityOf(converter);
    if (!available.Allows(id)) {
        return false;
    }
    CarryOut(converter, id, lineNotation);
    RefreshAllNotations(converter);
    ShowControls(converter);
    return true;
}

}  // namespace quarnic
