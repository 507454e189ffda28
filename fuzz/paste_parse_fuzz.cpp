// Any bytes as clipboard text, pasted into the calculator: the parser's views of the text must
// lie inside it, and the digits it gathers must be upper-case digits of the notation, within
// the limits and without the zeros that do not count; an accepted number must come back from
// Copy as a text Paste accepts again with the same digits, and a refused one must leave the
// calculator as it was.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/clipboard_commands.h"
#include "calc/notation_buttons.h"
#include "common/paste_parse.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"
#include "tests/kit/key_script.h"

namespace quarnic {
namespace {

[[noreturn]] void Fail(std::string_view text, const char* what) {
    std::fprintf(stderr, "paste \"%.*s\": %s\n", static_cast<int>(text.size()), text.data(), what);
    std::abort();
}

bool Inside(std::string_view part, std::string_view text) {
    return part.empty() ||
           (part.data() >= text.data() && part.data() + part.size() <= text.data() + text.size());
}

bool AllDigitsOf(std::string_view digits, int notation) {
    for (char c : digits) {
        if (!IsDigitChar(c) || DigitValue(c) >= notation) {
            return false;
        }
    }
    return true;
}

void CheckParse(std::string_view text, const PastedNumber& number, const PasteRules& rules) {
    if (!Inside(number.offending, text) || !Inside(number.prefix, text) ||
        !Inside(number.suffix, text)) {
        Fail(text, "a view points outside the text");
    }
    if (number.refusal == PasteRefusal::NotADigit && number.offending.empty()) {
        Fail(text, "a refused character that is not named");
    }
    if (!number.Accepted()) {
        return;
    }
    if (number.notation < MIN_NOTATION || number.notation > MAX_NOTATION) {
        Fail(text, "a notation outside 2..32");
    }
    const std::string_view integer = number.IntegerDigits();
    const std::string_view fraction = number.FractionDigits();
    if (!AllDigitsOf(integer, number.notation) || !AllDigitsOf(fraction, number.notation)) {
        Fail(text, "a character taken that is no digit of the notation");
    }
    if ((!integer.empty() && integer.front() == '0') ||
        (!fraction.empty() && fraction.back() == '0')) {
        Fail(text, "zeros left that do not count");
    }
    if (number.integerCount > rules.integerDigitLimit ||
        number.fractionCount > rules.fractionDigitLimit) {
        Fail(text, "digits past the limits taken");
    }
}

// Copy gives a text that pastes again, in the notation the paste chose, as the same number:
// an operand keeps every digit it receives.
void CheckCopyBack(std::string_view text, const PastedNumber& number, const std::string& copied) {
    PasteRules rules;
    rules.notation = number.notation;
    const PastedNumber again = ParsePastedNumber(copied, rules);
    if (!again.Accepted() || again.negative != (number.negative && !number.IsZero()) ||
        again.IntegerDigits() != number.IntegerDigits() ||
        again.FractionDigits() != number.FractionDigits()) {
        Fail(text, "Copy does not give the pasted number back");
    }
}

}  // namespace
}  // namespace quarnic

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarnic;
    if (size == 0) {
        return 0;
    }
    // The first byte picks the selected notation; the rest is the clipboard's text.
    const int notation = MIN_NOTATION + data[0] % (MAX_NOTATION - MIN_NOTATION + 1);
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    PasteRules rules;
    rules.notation = notation;
    const PastedNumber number = ParsePastedNumber(text, rules);
    CheckParse(text, number, rules);

    ScriptedCalculator scripted;
    if (!HasOwnButton(notation)) {
        scripted.calc.state.OtherNotation = notation;
    }
    CheckNotationButton(scripted.calc, notation);
    const std::string consoleBefore(TextOf(scripted.calc.state.ConsoleText));
    PasteNumber(scripted.calc, text);
    if (number.Accepted()) {
        CheckCopyBack(text, number, CopyText(scripted.calc));
    } else if (scripted.view.Messages() != 1 ||
               TextOf(scripted.calc.state.ConsoleText) != consoleBefore) {
        Fail(text, "a refused paste without its one message, or with a change");
    }
    return 0;
}
