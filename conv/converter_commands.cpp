// The command table, the notation panes, the clear keys and copying the answer.
#include <cstdio>

#include "conv/conv_ids.h"
#include "conv/converter_panes.h"
#include "conv/converter_state.h"
#include "conv/paste.h"
#include "engine/digit_codec.h"
#include "shell/paste_messages.h"

namespace quarnic {

namespace {

// The hourglass for the length of a handler, the arrow again on every way out.
class WaitCursor {
  public:
    explicit WaitCursor(ConverterView& view) : view_(view) { view_.SetWaitCursor(true); }
    ~WaitCursor() { view_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    ConverterView& view_;
};

bool HasInput(const Converter& converter) {
    return converter.texts.InputDigits[0] != '\0';
}

void ClearFromBox(Converter& converter) {
    converter.texts.FromOtherLabel.fill('\0');
    converter.view->ClearFromOtherBox();
}

void ShowFromBox(Converter& converter) {
    auto& label = converter.texts.FromOtherLabel;
    NotationDecimalText(converter.state.FromOtherNotation, label.data(),
                        static_cast<int>(label.size()));
    converter.view->DrawFromOtherBox(label.data());
}

void ClearToBox(Converter& converter) {
    converter.texts.ToOtherLabel.fill('\0');
    converter.view->ClearToOtherBox();
}

void ShowToBox(Converter& converter) {
    auto& label = converter.texts.ToOtherLabel;
    NotationDecimalText(converter.state.ToOtherNotation, label.data(),
                        static_cast<int>(label.size()));
    converter.view->DrawToOtherBox(label.data());
}

// While an error is on show the To pane only moves its check; otherwise it converts again.
void ConvertToSelection(Converter& converter, int toNotation) {
    if (converter.state.ErrorShown == 0 && HasInput(converter)) {
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
    converter.state.EntryStarted = 0;
    converter.state.ErrorShown = 0;
    converter.texts.InputDigits.fill('\0');
    converter.texts.AnswerText.fill('\0');
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
    converter.view->DrawInputConsole(input.data());
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

void OnFromStep(Converter& converter, bool upwards) {
    WaitCursor wait(*converter.view);
    int& other = converter.state.FromOtherNotation;
    other = upwards ? NextOtherNotation(other) : PreviousOtherNotation(other);
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

void OnToStep(Converter& converter, bool upwards) {
    WaitCursor wait(*converter.view);
    int& other = converter.state.ToOtherNotation;
    other = upwards ? NextOtherNotation(other) : PreviousOtherNotation(other);
    ClearToBox(converter);
    ShowToBox(converter);
    ConvertToSelection(converter, other);
}

void CopyAnswer(Converter& converter) {
    std::array<char, CLIPBOARD_TEXT_BYTES> text{};
    std::snprintf(text.data(), text.size(), "%s (%d) = %s (%d)", converter.texts.InputDigits.data(),
                  converter.state.FromNotation, converter.texts.AnswerText.data(),
                  converter.state.ToNotation);
    if (!converter.view->PutTextOnClipboard(text.data())) {
        converter.view->ShowMessageBox(
            ClipboardBusyMessage(ClipboardUse::Copy, converter.JapaneseUi));
    }
}

void DispatchConverterCommand(Converter& converter, int id) {
    if (id >= IDC_CONV_DIGIT_0 && id <= IDC_CONV_DIGIT_LAST) {
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
        OnFromStep(converter, id == IDC_CONV_FROM_STEP_UP);
    } else if (id >= IDC_CONV_TO_2 && id <= IDC_CONV_TO_16) {
        OnToNotation(converter, FixedNotationOf(id, IDC_CONV_TO_2));
    } else if (id == IDC_CONV_TO_X) {
        OnToOther(converter);
    } else if (id == IDC_CONV_TO_STEP_DOWN || id == IDC_CONV_TO_STEP_UP) {
        OnToStep(converter, id == IDC_CONV_TO_STEP_UP);
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
