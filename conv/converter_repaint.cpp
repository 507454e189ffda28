// What a full repaint of the converter's window draws on top of its background.
#include "conv/converter_state.h"
#include "shell/notation.h"

namespace quarnic {

namespace {

// Fills label with the selection's value when it has no button of its own.
template <std::size_t N>
void LabelOtherSelection(std::array<char, N>& label, int selection) {
    if (IsValidNotation(selection) && !HasOwnButton(selection)) {
        NotationDecimalText(selection, label.data(), static_cast<int>(N));
    }
}

}  // namespace

void RepaintConverterContents(Converter& converter) {
    ConverterView& view = *converter.view;
    ConverterTexts& texts = converter.texts;
    view.DrawInputConsole(texts.InputDigits.data());
    view.DrawAnswerConsole(texts.AnswerText.data());
    texts.FromOtherLabel.fill('\0');
    view.ClearFromOtherBox();
    texts.ToOtherLabel.fill('\0');
    view.ClearToOtherBox();
    // Before the posted WM_USER the radio buttons may not exist yet: draw the boxes empty.
    if (converter.ReadyFlag == 1) {
        LabelOtherSelection(texts.FromOtherLabel, ReadFromSelection(converter));
        LabelOtherSelection(texts.ToOtherLabel, ReadToSelection(converter));
    }
    view.DrawFromOtherBox(texts.FromOtherLabel.data());
    view.DrawToOtherBox(texts.ToOtherLabel.data());
}

}  // namespace quarnic
