// The command table, the notation panes, the clear keys and copying the answer.
#include "conv/all_notations.h"
#include "conv/conv_ids.h"
#include "conv/converter_panes.h"
#include "conv/converter_state.h"
#include "conv/key_ids.h"
#include "conv/paste.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"
#include "shell/paste_messages.h"
#include "shell/wait_cursor.h"

namespace quarnic {

namespace {

bool HasInput(const Converter& converter) {
    return !IsEmptyText(converter.texts.InputDigits);
}

// The value of the pane's "X" button.
constexpr int ConverterState::*OtherNotationOf(ConverterPane pane) {
    return pane == ConverterPane::From ? &ConverterState::FromOtherNotation
                                       : &ConverterState::ToOtherNotation;
}

std::array<char, OTHER_LABEL_BYTES>& OtherLabelOf(Converter& converter, ConverterPane pane) {
    return pane == ConverterPane::From ? converter.texts.FromOtherLabel
                                       : converter.texts.ToOtherLabel;
}

void ClearBox(Converter& converter, ConverterPane pane) {
    ClearText(OtherLabelOf(converter, pane));
    converter.view->ClearOtherBox(pane);
}

void ShowBox(Converter& converter, ConverterPane pane) {
    auto& label = OtherLabelOf(converter, pane);
    SetNotationLabel(label, converter.state.*OtherNotationOf(pane));
    converter.view->DrawOtherBox(pane, TextOf(label));
}

// While an error is on show the To pane only moves its check; otherwise it converts again.
void ConvertToSelection(Converter& converter, int toNotation) {
    if (!converter.state.ErrorShown && HasInput(converter)) {
        converter.state.ToNotation = toNotation;
        ConvertAndShow(converter, converter.state.FromNotation, toNotation);
    }
}

// What a new selection brings besides the check and the box.
void FollowSelection(Converter& converter, ConverterPane pane, int notation) {
    if (pane == ConverterPane::From) {
        ApplyDigitKeys(*converter.view, IDC_CONV_DIGIT_0, notation);
    } else {
        ConvertToSelection(converter, notation);
    }
}

// Both panes' keys lie at the same offsets from their "2" button.
struct PaneKey {
    ConverterPane pane;
    int offset;  // 0..4 "2".."16", 5 "X", 6 step down, 7 step up
};

PaneKey PaneKeyOf(int id) {
    if (id >= IDC_CONV_TO_2) {
        return {ConverterPane::To, id - IDC_CONV_TO_2};
    }
    return {ConverterPane::From, id - IDC_CONV_FROM_2};
}

constexpr int OTHER_KEY_OFFSET = FIXED_NOTATION_COUNT;
constexpr int STEP_DOWN_OFFSET = IDC_CONV_FROM_STEP_DOWN - IDC_CONV_FROM_2;
constexpr int STEP_UP_OFFSET = IDC_CONV_FROM_STEP_UP - IDC_CONV_FROM_2;
static_assert(STEP_DOWN_OFFSET == OTHER_KEY_OFFSET + 1 && STEP_UP_OFFSET == STEP_DOWN_OFFSET + 1 &&
                  IDC_CONV_TO_STEP_UP - IDC_CONV_TO_2 == STEP_UP_OFFSET &&
                  IDC_CONV_TO_2 == IDC_CONV_FROM_STEP_UP + 1,
              "the To pane's keys follow the From pane's, in the same order");

void OnPaneKey(Converter& converter, int id) {
    const PaneKey key = PaneKeyOf(id);
    if (key.offset < OTHER_KEY_OFFSET) {
        OnNotationKey(converter, key.pane, FIXED_NOTATIONS[key.offset]);
    } else if (key.offset == OTHER_KEY_OFFSET) {
        OnOtherKey(converter, key.pane);
    } else {
        OnStepKey(converter, key.pane,
                  key.offset == STEP_UP_OFFSET ? StepDirection::Up : StepDirection::Down);
    }
}

}  // namespace

int ReadSelection(const Converter& converter, ConverterPane pane) {
    return ReadPaneNotation(*converter.view, ButtonsOf(pane),
                            converter.state.*OtherNotationOf(pane));
}

void SelectButton(Converter& converter, ConverterPane pane, int notation) {
    CheckPaneButton(*converter.view, ButtonsOf(pane), notation);
}

void SelectNotation(Converter& converter, ConverterPane pane, int notation) {
    if (HasOwnButton(notation)) {
        OnNotationKey(converter, pane, notation);
    } else {
        converter.state.*OtherNotationOf(pane) = notation;
        OnOtherKey(converter, pane);
    }
}

void SetUpConverterStart(Converter& converter) {
    converter.state = ConverterState{};
    converter.texts = ConverterTexts{};
    SelectButton(converter, ConverterPane::From, converter.state.FromNotation);
    SelectButton(converter, ConverterPane::To, converter.state.ToNotation);
    ApplyDigitKeys(*converter.view, IDC_CONV_DIGIT_0, converter.state.FromNotation);
    converter.view->EnableMenuItem(IDM_CONV_COPY_ANSWER, false);
}

void OnAllClear(Converter& converter) {
    converter.state.EntryStarted = false;
    converter.state.ErrorShown = false;
    ClearText(converter.texts.InputDigits);
    ClearText(converter.texts.AnswerText);
    EnablePaneButtons(*converter.view, FROM_PANE, converter.state.FromOtherNotation);
    converter.view->ClearInputConsole();
    converter.view->ClearAnswerConsole();
    converter.view->EnableMenuItem(IDM_CONV_COPY_ANSWER, false);
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
    ConvertAndShow(converter, converter.state.FromNotation, converter.state.ToNotation);
}

void OnNotationKey(Converter& converter, ConverterPane pane, int notation) {
    WaitCursor wait(*converter.view);
    SelectButton(converter, pane, notation);
    ClearBox(converter, pane);
    FollowSelection(converter, pane, notation);
}

void OnOtherKey(Converter& converter, ConverterPane pane) {
    WaitCursor wait(*converter.view);
    const int other = converter.state.*OtherNotationOf(pane);
    SelectButton(converter, pane, other);
    ClearBox(converter, pane);
    ShowBox(converter, pane);
    FollowSelection(converter, pane, other);
}

void OnStepKey(Converter& converter, ConverterPane pane, StepDirection direction) {
    WaitCursor wait(*converter.view);
    int& other = converter.state.*OtherNotationOf(pane);
    other = SteppedOtherNotation(other, direction);
    ClearBox(converter, pane);
    ShowBox(converter, pane);
    FollowSelection(converter, pane, other);
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

void CopyAnswer(Converter& converter) {
    ClipboardText text{};
    AppendNumberAndNotation(text, TextOf(converter.texts.InputDigits),
                            converter.state.FromNotation);
    FixedTextWriter(text).Put(" = ");
    AppendNumberAndNotation(text, TextOf(converter.texts.AnswerText), converter.state.ToNotation);
    CopyToClipboard(converter, TextOf(text));
}

void DispatchConverterCommand(Converter& converter, int id) {
    if (IsConverterDigitKeyId(id)) {
        OnDigitKey(converter, DigitChar(id - IDC_CONV_DIGIT_0));
    } else if (id == IDC_CONV_ALL_CLEAR) {
        OnAllClear(converter);
    } else if (id == IDC_CONV_CLEAR_ERROR) {
        OnClearError(converter);
    } else if (id >= IDC_CONV_FROM_2 && id <= IDC_CONV_TO_STEP_UP) {
        OnPaneKey(converter, id);
    }
    RefreshAllNotations(converter);
}

bool DispatchConverterSystemCommand(Converter& converter, int id) {
    if (id == IDM_CONV_COPY_ANSWER) {
        CopyAnswer(converter);
        return true;
    }
    if (id == IDM_CONV_PASTE) {
        PasteClipboardIntoFrom(converter);
        RefreshAllNotations(converter);
        return true;
    }
    if (id == IDM_CONV_ALL_NOTATIONS) {
        OpenAllNotations(converter);
        return true;
    }
    return false;
}

}  // namespace quarnic
