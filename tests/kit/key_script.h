// Key scripts: the runner's key tokens ("2", "+/-", "N16", "SQRT200", ...) applied to a
// calculator as the window would apply clicks. The key-script runner and the scenario tests
// share this path.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "calc/calculator_state.h"
#include "calc/commands.h"
#include "history/history.h"
#include "tests/kit/recording_calculator_view.h"

namespace quarnic {

// A calculator in its start state on a recording view, as the window creates it, with its
// history in memory.
struct ScriptedCalculator {
    RecordingCalculatorView view;
    Calculator calc;
    CalculationHistory history;

    ScriptedCalculator() {
        calc.history = &history;
        StartCalculator(calc, view);
    }
    ScriptedCalculator(const ScriptedCalculator&) = delete;
    ScriptedCalculator& operator=(const ScriptedCalculator&) = delete;
};

// The key id of a token: digits "0".."9", "A".."V", ".", "+/-", "AC", "CE", "+", "-", "*", "/",
// "=", "N2".."N16", "NX", "X+", "X-", "Min", "MR", "SQRT", "BACK" (Backspace) and "COPY" (the
// system-menu item). Empty for any other token.
std::optional<int> KeyIdOfToken(std::string_view token);

// The text (UTF-8) of a token "PASTE=<text>", in which "%20" stands for a space, "%25" for
// "%", "%0A" for LF and "%0D" for CR; empty for any other token.
std::optional<std::string> PasteTextOfToken(std::string_view token);

// The history's tokens: "HISTORY" (opens the window, which changes nothing), "RECALL=<n>",
// "HDELETE=<n>" (n = 1 for the newest entry) and "HCLEAR".
bool IsHistoryToken(std::string_view token);

// Whether a token names a key, a truncation choice or a history command.
bool IsKnownKeyToken(std::string_view token);

// Applies one token. A press on a disabled key or a greyed menu item does nothing, as it cannot
// be pressed; "SQRT100", "SQRT200" and "SQRT300" choose that truncation in the setting dialog
// and press OK; "PASTE=<text>" puts the text on the clipboard and pastes it. Returns false for
// an unknown token, which changes nothing.
bool ApplyKeyToken(ScriptedCalculator& scripted, std::string_view token);

// Applies whitespace-separated tokens in order; returns the first unknown one, or empty.
std::optional<std::string_view> ApplyKeyScript(ScriptedCalculator& scripted,
                                               std::string_view script);

}  // namespace quarnic
