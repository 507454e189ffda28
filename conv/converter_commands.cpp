// The command table, the notation panes, the clear keys and copying the answer.
#include <cstdio>

#include "conv/conv_ids.h"
#include "conv/converter_panes.h"
#include "conv/converter_state.h"
#include "engine/digit_codec.h"

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
    return converter.Texts.InputDigits[0] != '\0';
}

void ClearFromBox(Converter& converter) {
    converter.Texts.FromOtherLabel.fill('\0');
    converter.View->ClearFromOtherBox();
}

void ShowFromBox(Converter& converter) {
    auto& label = converter.Texts.FromOtherLabel;
    NotationDecimalText(converter.State.FromOtherNotation, label.data(),
                        static_cast<int>(label.size()));
    converter.View->DrawFromOtherBox(label.data());
}

void ClearToBox(Converter& converter) {
    converter.Texts.ToOtherLabel.fill('\0');
    converter.View->ClearToOtherBox();
}

void ShowToBox(Converter& converter) {
    auto& label = converter.Texts.ToOtherLabel;
    NotationDecimalText(converter.State.ToOtherNotation, label.data(),
                        static_cast<int>(label.size()));
    converter.View->DrawToOtherBox(label.data());
}

// While an error is on show the To pane only moves its check; otherwise it converts again.
void ConvertToSelection(Converter& converter, int toNotation) {
    if (converter.State.ErrorShown == 0 && HasInput(converter)) {
        converter.State.ToNotation = toNotation;
        ConvertAndShow(converter, converter.State.FromNotation, toNotation);
    }
}

int FixedNotationOf(int id, int firstButtonId) {
    return FIXED_NOTATIONS[id - firstButtonId];
}

}  // namespace

int ReadFromSelection(const Converter& converter) {
    return ReadPaneNotation(*converter.View, FROM_PANE, converter.State.FromOtherNotation);
}

int ReadToSelection(const Converter& converter) {
    return ReadPaneNotation(*converter.View, TO_PANE, converter.State.ToOtherNotation);
}

void SelectFromButton(Converter& converter, int notation) {
    CheckPaneButton(*converter.View, FROM_PANE, notation);
}

void SelectToButton(Converter& converter, int notation) {
    CheckPaneButton(*converter.View, TO_PANE, notation);
}

void SetUpConverterStart(Converter& converter) {
    converter.State = ConverterState{};
    converter.Texts = ConverterTexts{};
    SelectFromButton(converter, converter.State.FromNotation);
    SelectToButton(converter, converter.State.ToNotation);
    ApplyDigitKeys(*converter.View, IDC_CONV_DIGIT_0, converter.State.FromNotation);
    converter.View->EnableMenuItem(IDM_CONV_COPY_ANSWER, false);
}

void OnAllClear(Converter& converter) {
    converter.State.EntryStarted = 0;
    converter.State.ErrorShown = 0;
    converter.Texts.InputDigits.fill('\0');
    converter.Texts.AnswerText.fill('\0');
    EnablePaneButtons(*converter.View, FROM_PANE, converter.State.FromOtherNotation);
    converter.View->ClearInputConsole();
    converter.View->ClearAnswerConsole();
    converter.View->EnableMenuItem(IDM_CONV_COPY_ANSWER, false);
}

void OnClearError(Converter& converter) {
    auto& input = converter.Texts.InputDigits;
    const int length = TextLength(input);
    if (length <= 1) {
        OnAllClear(converter);
        return;
    }
    input[length - 1] = '\0';
    converter.View->ClearInputConsole();
    converter.View->DrawInputConsole(input.data());
    ConvertAndShow(converter, converter.State.FromNotation, converter.State.ToNotation);
}

void OnFromNotation(Converter& converter, int notation) {
    WaitCursor wait(*converter.View);
    SelectFromButton(converter, notation);
    ClearFromBox(converter);
    ApplyDigitKeys(*converter.View, IDC_CONV_DIGIT_0, notation);
}

void OnFromOther(Converter& converter) {
    WaitCursor wait(*converter.View);
    SelectFromButton(converter, converter.State.FromOtherNotation);
    ClearFromBox(converter);
    ApplyDigitKeys(*converter.View, IDC_CONV_DIGIT_0, converter.State.FromOtherNotation);
    ShowFromBox(converter);
}

void OnFromStep(Converter& converter, bool upwards) {
    WaitCursor wait(*converter.View);
    int& other = converter.State.FromOtherNotation;
    other = upwards ? NextOtherNotation(other) : PreviousOtherNotation(other);
    ClearFromBox(converter);
    ApplyDigitKeys(*converter.View, IDC_CONV_DIGIT_0, other);
    ShowFromBox(converter);
}

void OnToNotation(Converter& converter, int notation) {
    WaitCursor wait(*converter.View);
    SelectToButton(converter, notation);
    ClearToBox(converter);
    ConvertToSelection(converter, notation);
}

void OnToOther(Converter& converter) {
    WaitCursor wait(*converter.View);
    SelectToButton(converter, converter.State.ToOtherNotation);
    ClearToBox(converter);
    ShowToBox(converter);
    ConvertToSelection(converter, converter.State.ToOtherNotation);
}

void OnToStep(Converter& converter, bool upwards) {
    WaitCursor wait(*converter.View);
    int& other = converter.State.ToOtherNotation;
    other = upwards ? NextOtherNotation(other) : PreviousOtherNotation(other);
    ClearToBox(converter);
    ShowToBox(converter);
    ConvertToSelection(converter, other);
}

void CopyAnswer(Converter& converter) {
    std::array<char, CLIPBOARD_TEXT_BYTES> text{};
    std::snprintf(text.data(), text.size(), "%s (%d) = %s (%d)", converter.Texts.InputDigits.data(),
                  converter.State.FromNotation, converter.Texts.AnswerText.data(),
                  converter.State.ToNotation);
    converter.View->PutTextOnClipboard(text.data());
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
    if (id != IDM_CONV_COPY_ANSWER) {
        return false;
    }
    CopyAnswer(converter);
    return true;
}

}  // namespace quarnic
