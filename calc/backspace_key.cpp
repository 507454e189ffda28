#include "calc/backspace_key.h"

#include "calc/display_updates.h"
#include "calc/keypad_entry.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

// What is left holds no typed digit: the operand goes away as with "CE". "0" and "-0" are what
// the "0." of a first "0" or "." leaves without its point.
bool LeavesNoTypedDigit(std::string_view left) {
    constexpr std::string_view EMPTY_REMAINDERS[] = {"", "-", "0.", "-0.", "0", "-0"};
    for (std::string_view remainder : EMPTY_REMAINDERS) {
        if (left == remainder) {
            return true;
        }
    }
    return false;
}

}  // namespace

void Backspace(Calculator& calc) {
    CalculatorState& state = calc.state;
    PlainText& target = TargetOperand(state);
    const std::string_view text = TextOf(target);
    if (!state.EntryInProgress || text.empty()) {
        return;
    }
    const std::string_view left = text.substr(0, text.size() - 1);
    if (LeavesNoTypedDigit(left)) {
        ClearEntry(calc);
        return;
    }
    if (text.back() == '.') {
        state.PointEntered = false;
    }
    target[text.size() - 1] = '\0';
    SetText(state.ConsoleText, TextOf(target));
    RepaintConsole(calc);
}

}  // namespace quarnic
