#include "conv/paste.h"

#include <string>

#include "common/paste_messages.h"
#include "common/paste_parse.h"
#include "conv/converter_commands.h"
#include "conv/digit_entry.h"
#include "conv/integer_conversion.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

PastedNumber ParseForFrom(const Converter& converter, std::string_view text) {
    PasteRules rules;
    rules.notation = converter.state.FromSelection;
    rules.signAndPoint = false;
    // The digit limit is the notation's, answered with the typing warning rather than a message;
    // no notation allows more digits than notation 2.
    rules.integerDigitLimit = MaxDigits(MIN_NOTATION);
    PastedNumber number = ParsePastedNumber(text, rules);
    if (number.Accepted() && number.IsZero()) {
        number.refusal = PasteRefusal::Zero;
    }
    return number;
}

// The number as if typed: entry started, the From pane fixed, the answer converted.
void TakeNumber(Converter& converter, std::string_view digits, int notation) {
    ConverterState& state = converter.state;
    auto& input = converter.texts.InputDigits;
    input.fill('\0');
    digits.copy(input.data(), digits.size());
    state.FromNotation = notation;
    state.EntryStarted = true;
    state.MaxDigits = MaxDigits(notation);
    converter.view->ClearInputConsole();
    converter.view->DrawInputConsole(TextOf(input));
    state.ToNotation = state.ToSelection;
    ConvertAndShow(converter);
}

}  // namespace

void PasteIntoFrom(Converter& converter, std::string_view text) {
    const PastedNumber number = ParseForFrom(converter, text);
    const int limit = MaxDigits(number.notation);
    // Typing stops at the notation's digit limit; a paste takes every number below 2^64, such
    // as 2^64 - 1 in notation 32, whose 13 digits the typing limit of 12 would refuse.
    if (number.refusal == PasteRefusal::TooManyDigits ||
        (number.Accepted() && !ReadNumber(number.IntegerDigits(), number.notation))) {
        ShowDigitWarning(converter, number.notation, limit);
        return;
    }
    if (!number.Accepted()) {
        converter.view->ShowMessageBox(PasteRefusalMessage(number, converter.JapaneseUi));
        return;
    }
    SelectNotation(converter, ConverterPane::From, number.notation);
    TakeNumber(converter, number.IntegerDigits(), number.notation);
}

void PasteClipboardIntoFrom(Converter& converter) {
    std::string text;
    if (!converter.view->ReadClipboardText(text)) {
        converter.view->ShowMessageBox(
            ClipboardBusyMessage(ClipboardUse::Paste, converter.JapaneseUi));
        return;
    }
    PasteIntoFrom(converter, text);
}

}  // namespace quarnic
