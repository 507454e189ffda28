// The command table, the notation panes, the clear keys and copying the answer.
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

void ClearFromBox(Converter& converter) {
    ClearText(converter.texts.FromOtherLabel);
    converter.view->ClearFromOtherBox();
}

void ShowFromBox(Converter& converter) {
    auto& label = converter.texts.FromOtherLabel;
    SetNotationLabel(label, converter.state.FromOtherNotation);
    converter.view->DrawFromOtherBox(TextOf(label));
}

void ClearToBox(Converter& converter) {
    ClearText(converter.texts.ToOtherLabel);
    converter.view->ClearToOtherBox();
}

void ShowToBox(Converter& converter) {
    auto& label = converter.texts.ToOtherLabel;
    SetNotationLabel(label, converter.state.ToOtherNotation);
    converter.view->DrawToOtherBox(TextOf(label));
}

// While an error is on show the To pane only moves its check; otherwise it converts again.
void ConvertToSelection(Converter& converter, int toNotation) {
    if (!converter.state.ErrorShown && HasInput(converter)) {
        converter.state.ToNotation = toNotation;
        ConvertAndShow(converter, converter.state.FromNotation, toNotation);
    }
}

int FixedNotationOf(int id, int firstButtonId) {
    return FIXED_NOTATIONS[id - firstButtonId];
}

}  // namespace

int ReadFromSelection(const Converter& converter) {
    return ReadPaneNotation(*converter.view, FROM_PANE, converter.state.FromOtherNotation);
}

int ReadToSelection(const Converter& converter) {
    return ReadPaneNotation(*converter.view, TO_PANE, converter.state.ToOtherNotation);
}

void SelectFromButton(Converter& converter, int notation) {
    CheckPaneButton(*converter.view, FROM_PANE, notation);
}

void SelectToButton(Converter& converter, int notation) {
    CheckPaneButton(*converter.view, TO_PANE, notation);
}

void SetUpConverterStart(Converter& converter) {
    converter.state = ConverterState{};
    converter.texts = ConverterTexts{};
    SelectFromButton(converter, converter.state.FromNotation);
    SelectToButton(converter, converter.state.ToNotation);
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

void OnFromNotation(Converter& converter, int notation) {
    WaitCursor wait(*converter.view);
    SelectFromButton(converter, notation);
    ClearFromBox(converter);
    ApplyDigitKeys(*converter.view, IDC_CONV_DIGIT_0, notation);
}

void OnFromOther(Converter& converter) {
    WaitCursor wait(*converter.view);
    SelectFromButton(converter, converter.state.FromOtherNotation);
    ClearFromBox(converter);
    ApplyDigitKeys(*converter.view, IDC_CONV_DIGIT_0, converter.state.FromOtherNotation);
    ShowFromBox(converter);
}

void OnFromStep(Converter& converter, StepDirection direction) {
    WaitCursor wait(*converter.view);
    int& other = converter.state.FromOtherNotation;
    other = SteppedOtherNotation(other, direction);
    ClearFromBox(converter);
    ApplyDigitKeys(*converter.view, IDC_CONV_DIGIT_0, other);
    ShowFromBox(converter);
}

void OnToNotation(Converter& converter, int notation) {
    WaitCursor wait(*converter.view);
    SelectToButton(converter, notation);
    ClearToBox(converter);
    ConvertToSelection(converter, notation);
}

void OnToOther(Converter& converter) {
    WaitCursor wait(*converter.view);
    SelectToButton(converter, converter.state.ToOtherNotation);
    ClearToBox(converter);
    ShowToBox(converter);
    ConvertToSelection(converter, converter.state.ToOtherNotation);
}

void OnToStep(Converter& converter, StepDirection direction) {
    WaitCursor wait(*converter.view);
    int& other = converter.state.ToOtherNotation;
    other = SteppedOtherNotation(other, direction);
    ClearToBox(converter);
    ShowToBox(converter);
    ConvertToSelection(converter, other);
}

void CopyAnswer(Converter& converter) {
    ClipboardText text{};
    FixedTextWriter out(text);
    out.Put(TextOf(converter.texts.InputDigits));
    out.Put(" (");
    out.PutDecimal(converter.state.FromNotation);
    out.Put(") = ");
    out.Put(TextOf(converter.texts.AnswerText));
    out.Put(" (");
    out.PutDecimal(converter.state.ToNotation);
    out.Put(')');
    if (!converter.view->PutTextOnClipboard(TextOf(text))) {
        converter.view->ShowMessageBox(
            ClipboardBusyMessage(ClipboardUse::Copy, converter.JapaneseUi));
    }
}

void DispatchConverterCommand(Converter& converter, int id) {
    if (IsConverterDigitKeyId(id)) {
        OnDigitKey(converter, DigitChar(id - IDC_CONV_DIGIT_0));
    } else if (id == IDC_CONV_ALL_CLEAR) {
        OnAllClear(converter);
    } else if (id == IDC_CONV_CLEAR_ERROR) {
        OnClearError(converter);
    } else if (id >= IDC_CONV_FROM_2 && id <= IDC_CONV_FROM_16) {
        OnFromNotation(converter, FixedNotationOf(id, IDC_CONV_FROM_2));
    } else if (id == IDC_CONV_FROM_X) {
        OnFromOther(converter);
    } else if (id == IDC_CONV_FROM_STEP_DOWN || id == IDC_CONV_FROM_STEP_UP) {
        OnFromStep(converter,
                   id == IDC_CONV_FROM_STEP_UP ? StepDirection::Up : StepDirection::Down);
    } else if (id >= IDC_CONV_TO_2 && id <= IDC_CONV_TO_16) {
        OnToNotation(converter, FixedNotationOf(id, IDC_CONV_TO_2));
    } else if (id == IDC_CONV_TO_X) {
        OnToOther(converter);
    } else if (id == IDC_CONV_TO_STEP_DOWN || id == IDC_CONV_TO_STEP_UP) {
        OnToStep(converter, id == IDC_CONV_TO_STEP_UP ? StepDirection::Up : StepDirection::Down);
    }
}

bool DispatchConverterSystemCommand(Converter& converter, int id) {
    if (id == IDM_CONV_COPY_ANSWER) {
        CopyAnswer(converter);
        return true;
    }
    if (id == IDM_CONV_PASTE) {
        PasteClipboardIntoFrom(converter);
        return true;
    }
    return false;
}

}  // namespace quarnic
