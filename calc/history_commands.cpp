#include "calc/history_commands.h"

#include <vector>

#include "calc/commands.h"
#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "calc/shown_answer.h"
#include "common/paste_messages.h"
#include "history/history_entry.h"

namespace quarnic {
namespace {

std::string WithoutNotation(const std::string& numberText) {
    return numberText.substr(0, numberText.rfind(" ("));
}

}  // namespace

bool EntryNumberIn(const Calculator& calc, const std::string& entryText, int notation,
                   std::string& text) {
    text.clear();
    std::vector<EntryLine> lines;
    if (!ParseEntryText(entryText, lines)) {
        return false;
    }
    const EntryNumber& number = ShownNumberOf(lines);
    if (notation == number.notation) {
        text = PlainNumberText(number);
        return true;
    }
    DigitString digits{};
    int sign = 1;
    PlaceEntryDigits(number, digits, sign);
    EngineRegisters scratch{};
    if (ConvertAndFormatAnswer(scratch, *calc.view, digits, number.notation, notation, sign) != 0) {
        return false;
    }
    text = WithoutNotation(BuildFullNumberText(scratch.ResultDigits, sign, notation));
    return true;
}

int EntryNotation(const std::string& entryText) {
    std::vector<EntryLine> lines;
    return ParseEntryText(entryText, lines) ? ShownNumberOf(lines).notation : 10;
}

void RecallEntry(Calculator& calc, const std::string& entryText, int notation) {
    std::string text;
    if (EntryNumberIn(calc, entryText, notation, text)) {
        DispatchRecall(calc, text + " (" + std::to_string(notation) + ")");
    }
}

void CopyEntry(Calculator& calc, const std::string& entryText, int notation) {
    std::string text;
    if (!EntryNumberIn(calc, entryText, notation, text)) {
        return;
    }
    if (!calc.view->PutTextOnClipboard(text)) {
        calc.view->ShowMessageBox(ClipboardBusyMessage(ClipboardUse::Copy, calc.JapaneseUi));
    }
}

}  // namespace quarnic
