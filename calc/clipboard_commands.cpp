#include "calc/clipboard_commands.h"

#include "calc/calc_ids.h"
#include "calc/display_updates.h"
#include "calc/key_availability.h"
#include "calc/memory_keys.h"
#include "calc/notation_buttons.h"
#include "calc/shown_answer.h"
#include "common/paste_messages.h"
#include "common/paste_parse.h"
#include "engine/digit_text.h"
#include "engine/engine.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

// An operand text ("-", digits, "." and digits, any of them missing) in its plain form.
std::string PlainValueText(std::string_view operand) {
    const bool negative = !operand.empty() && operand.front() == '-';
    if (negative) {
        operand.remove_prefix(1);
    }
    const std::size_t point = operand.find('.');
    std::string_view integer = operand.substr(0, point);
    std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : operand.substr(point + 1);
    DropLeadingZeros(integer);
    DropTrailingZeros(fraction);
    std::string text;
    StringTextWriter out(text);
    SpellNumber(out, negative, integer, fraction);
    return text;
}

// The operand on show: the one being typed or recalled, or the first while "5 +" shows.
const PlainText& ShownOperand(const CalculatorState& state) {
    if (state.SecondOperandActive && !IsEmptyText(state.SecondOperandText)) {
        return state.SecondOperandText;
    }
    return state.FirstOperandText;
}

}  // namespace

std::string CopyText(const Calculator& calc) {
    const CalculatorState& state = calc.state;
    if (!ConsoleShowsValue(state)) {
        return {};
    }
    return PlainValueText(TextOf(ShownOperand(state)));
}

void CopyShownValue(Calculator& calc) {
    const std::string text = CopyText(calc);
    if (text.empty()) {
        return;
    }
    if (!calc.view->PutTextOnClipboard(text)) {
        calc.view->ShowMessageBox(ClipboardBusyMessage(ClipboardUse::Copy, calc.JapaneseUi));
    }
}

namespace {

// The pasted number in the calculator's forms: the operand text, with every digit, and the
// console text. Works on scratch registers, so the shown answer's digits
// stay as they are.
struct PastedOperand {
    PlainText text{};
    PlainText console{};
};

PastedOperand FormPastedOperand(const Calculator& calc, const PastedNumber& number) {
    EngineRegisters scratch{};
    ClearDigits(scratch.ResultDigits);
    const std::string_view integer = number.IntegerDigits();
    const std::string_view fraction = number.FractionDigits();
    integer.copy(scratch.ResultDigits.data() + INTEGER_PLACES - integer.size(), integer.size());
    fraction.copy(scratch.ResultDigits.data() + INTEGER_PLACES, fraction.size());
    const int sign = number.negative && !number.IsZero() ? -1 : 1;
    // A pasted number keeps the value it was given: no round-up of its top run.
    FormatAnswerForView(scratch, *calc.view, sign, number.notation, TO_RESULT_PLAIN_TEXT,
                        TopDigitRun::Keep);
    return {scratch.ResultPlainText, scratch.ResultConsoleText};
}

}  // namespace

void PasteNumber(Calculator& calc, std::string_view text) {
    PasteRules rules;
    rules.notation = ReadNotation(calc);
    PastedNumber number = ParsePastedNumber(text, rules);
    if (number.Accepted() && number.notation != rules.notation && calc.state.NotationLocked) {
        number.refusal = PasteRefusal::NotationLocked;
    }
    if (!number.Accepted()) {
        calc.view->ShowMessageBox(PasteRefusalMessage(number, calc.JapaneseUi));
        return;
    }
    RefreshSqrtKey(calc);
    const PastedOperand operand = FormPastedOperand(calc, number);
    PutRecalledOperand(calc, operand.text, operand.console, number.notation);
}

void PasteFromClipboard(Calculator& calc) {
    std::string text;
    if (!calc.view->ReadClipboardText(text)) {
        calc.view->ShowMessageBox(ClipboardBusyMessage(ClipboardUse::Paste, calc.JapaneseUi));
        return;
    }
    PasteNumber(calc, text);
}

}  // namespace quarnic
