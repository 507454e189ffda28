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
    view.ClearOtherBox(ConverterPane::From);
    texts.ToOtherLabel.fill('\0');
    view.ClearOtherBox(ConverterPane::To);
    // Before the posted WM_USER the radio buttons may not exist yet: draw the boxes empty.
    if (converter.ReadyFlag == 1) {
        LabelOtherSelection(texts.FromOtherLabel, ReadSelection(converter, ConverterPane::From));
        LabelOtherSelection(texts.ToOtherLabel, ReadSelection(converter, ConverterPane::To));
    }
    view.DrawOtherBox(ConverterPane::From, texts.FromOtherLabel.data());
    view.DrawOtherBox(ConverterPane::To, texts.ToOtherLabel.data());
}

}  // namespace quarnic
