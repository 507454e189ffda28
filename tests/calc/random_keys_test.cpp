// Random key sequences, checking the rules that must hold after every key whatever came before.
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "calc/notation_buttons.h"
#include "calc_scenario.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

const std::vector<std::string> TOKENS = {
    "0", "1", "2", "7", "9", "A",  "F",  "V",   ".",   ".",  "+/-", "AC", "CE",  "CE", "+",
    "-", "*", "/", "=", "=", "N2", "N8", "N10", "N16", "NX", "X+",  "X-", "Min", "MR", "SQRT"};

int CheckedButtons(const RecordingCalculatorView& view) {
    int checked = 0;
    for (int id = IDC_NOTATION_FIRST; id <= IDC_NOTATION_LAST; ++id) {
        checked += view.IsChecked(id);
    }
    return checked;
}

// Every digit of an operand text must be a digit of the operand's notation.
bool DigitsFitNotation(std::string_view text, int notation) {
    for (char c : text) {
        if (c != '-' && c != '.' && (!IsDigitChar(c) || DigitValue(c) >= notation)) {
            return false;
        }
    }
    return true;
}

// Returns what is broken, or empty.
std::string BrokenRule(const ScriptedCalculator& s) {
    const CalculatorState& state = s.calc.state;
    const RecordingCalculatorView& view = s.view;
    if (CheckedButtons(view) != 1) {
        return "not exactly one notation button checked";
    }
    const int notation = ReadNotation(s.calc);
    if (static_cast<int>(view.EnabledIds(IDC_DIGIT_FIRST, IDC_DIGIT_LAST).size()) != notation) {
        return "digit keys do not follow the checked notation";
    }
    if (HasOwnButton(state.OtherNotation) || state.OtherNotation < 3 || state.OtherNotation > 32) {
        return "X holds a notation with a button of its own";
    }
    if (!IsEmptyText(state.PendingOperator) && state.SecondOperandActive != 1) {
        return "operator pending without the second operand active";
    }
    if (state.EntryInProgress == 1 && view.IsControlEnabled(IDC_NOTATION_FIRST)) {
        return "notation buttons enabled while typing";
    }
    const bool xChecked = view.IsChecked(IDC_NOTATION_X);
    if (view.IsControlEnabled(IDC_STEP_UP) && !xChecked) {
        return "step buttons enabled without X";
    }
    if (view.IsControlEnabled(IDC_MEMORY_RECALL) != (state.MemoryHeld == 1)) {
        return "MR enabled state differs from the memory";
    }
    if (!DigitsFitNotation(TextOf(state.FirstOperandText), state.FirstNotation) ||
        !DigitsFitNotation(TextOf(state.SecondOperandText), state.SecondNotation) ||
        !DigitsFitNotation(TextOf(state.MemoryText), std::atoi(state.MemoryNotation.data()))) {
        return "an operand or the memory holds a digit outside its notation";
    }
    if (view.Console() != TextOf(state.ConsoleText)) {
        return "console on screen differs from ConsoleText";
    }
    if (view.WaitCursorShown() || view.PleaseWaitOpen()) {
        return "wait cursor or please-wait dialog left behind";
    }
    return "";
}

TEST(RandomKeys, RulesHoldAfterEveryKey) {
    const unsigned seed = 20261207;
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> pick(0, TOKENS.size() - 1);
    for (int run = 0; run < 600; ++run) {
        ScriptedCalculator s;
        std::string keys;
        for (int press = 0; press < 25; ++press) {
            const std::string& token = TOKENS[pick(random)];
            keys += token + " ";
            ASSERT_TRUE(ApplyKeyToken(s, token));
            const std::string broken = BrokenRule(s);
            ASSERT_EQ(broken, "") << "seed " << seed << ", keys: " << keys;
        }
    }
}

}  // namespace
}  // namespace quarnic
