// What a user can do to the calculator's window, pressed the way the window passes it on: key
// commands through DispatchCommand (a disabled key cannot be pressed, so its press is dropped),
// the square-root setting through its system command and dialog, a number put on the clipboard
// and pasted.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "tests/kit/key_script.h"

namespace quarnic {

struct CalculatorAction {
    enum class Kind { Key, SqrtSetting, Paste };
    Kind kind;
    int id;                   // key id, or the truncation radio clicked in the setting dialog
    int ending;               // how the setting dialog ends (RecordingCalculatorView::DIALOG_*)
    std::string_view text{};  // the pasted text, held by whoever chose the action
};

// Every distinct action: the 52 keys, then the setting dialog with each radio and each ending.
std::span<const CalculatorAction> AllCalculatorActions();

// The key action of a key id.
constexpr CalculatorAction CalculatorKey(int id) {
    return {CalculatorAction::Kind::Key, id, RecordingCalculatorView::DIALOG_OK};
}

// Performs the action on the calculator. Returns false when it was a press on a disabled key,
// which changes nothing.
bool PerformCalculatorAction(ScriptedCalculator& scripted, const CalculatorAction& action);

// The key-script token of the action ("7", "N16", "SQRT200"); the setting dialog's Cancel and
// close endings, which the runner has no token for, read "SQRT200/cancel" and "SQRT200/close".
std::string CalculatorActionName(const CalculatorAction& action);

}  // namespace quarnic
