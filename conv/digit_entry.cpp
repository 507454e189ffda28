// Digit keys, the digit limit and showing the conversion of the typed number.
#include "conv/digit_entry.h"

#include <cstdio>

#include "common/shell_texts.h"
#include "conv/conv_texts.h"
#include "conv/converter_state.h"
#include "conv/integer_conversion.h"
#include "engine/fixed_text.h"

namespace quarnic {

namespace {

void StartNumber(Converter& converter, char digit) {
    ConverterState& state = converter.state;
    converter.texts.InputDigits[0] = digit;
    state.FromNotation = state.FromSelection;
    state.EntryStarted = true;
    state.MaxDigits = MaxDigits(state.FromNotation);
}

void ExtendNumber(Converter& converter, char digit) {
    auto& input = converter.texts.InputDigits;
    const int length = TextLength(input);
    if (length < converter.state.MaxDigits && length < MAX_TYPED_DIGITS) {
        input[length] = digit;
    } else {
        ShowDigitWarning(converter, converter.state.FromNotation, converter.state.MaxDigits);
    }
}

}  // namespace

void OnDigitKey(Converter& converter, char digit) {
    ConverterTexts& texts = converter.texts;
    if (!converter.state.EntryStarted) {
        ClearText(texts.InputDigits);
        // A number never begins with 0: the key leaves everything as it was.
        if (digit != '0') {
            StartNumber(converter, digit);
        }
    } else {
        ExtendNumber(converter, digit);
    }
    // Also after a refused digit, so the consoles show the unchanged number again.
    if (!IsEmptyText(texts.InputDigits)) {
        converter.view->ClearInputConsole();
        converter.view->DrawInputConsole(TextOf(texts.InputDigits));
        converter.state.ToNotation = converter.state.ToSelection;
        ConvertAndShow(converter);
    }
}

void ShowDigitWarning(Converter& converter, int notation, int maxDigits) {
    auto& warning = converter.texts.WarningText;
    warning.fill('\0');
    if (converter.JapaneseUi) {
        std::snprintf(warning.data(), warning.size(), WARNING_FORMAT_JA, notation, maxDigits);
    } else {
        std::snprintf(warning.data(), warning.size(), WARNING_FORMAT_EN, maxDigits, notation);
    }
    if (converter.view->ShowWarningDialog(TextOf(warning), converter.JapaneseUi) == -1) {
        converter.view->ShowSystemErrorBox(
            converter.JapaneseUi ? DIALOG_FAILED_TEXT_JA : DIALOG_FAILED_TEXT_EN,
            converter.JapaneseUi ? SYSTEM_ERROR_CAPTION_JA : SYSTEM_ERROR_CAPTION_EN);
    }
}

void ConvertAndShow(Converter& converter) {
    ConverterState& state = converter.state;
    ConverterTexts& texts = converter.texts;
    const std::optional<std::uint64_t> value =
        ReadNumber(TextOf(texts.InputDigits), state.FromNotation);
    if (!value || *value == 0) {
        ShowError(converter);
        return;
    }
    state.ErrorShown = false;
    SetText(texts.AnswerText, TextOf(SpellNumber(*value, state.ToNotation)));
    converter.view->ClearAnswerConsole();
    converter.view->DrawAnswerConsole(TextOf(texts.AnswerText));
}

void ShowError(Converter& converter) {
    converter.state.ErrorShown = true;
    SetText(converter.texts.AnswerText, CONVERTER_ERROR_TEXT);
    converter.view->ClearAnswerConsole();
    converter.view->DrawAnswerConsole(TextOf(converter.texts.AnswerText));
}

}  // namespace quarnic
