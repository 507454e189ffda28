#include "tests/invariants/calculator_invariants.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string_view>

#include "calc/calc_ids.h"
#include "calc/last_calculation.h"
#include "calc/save_text.h"
#include "common/notation.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

// Keys a user can always press.
constexpr int NEVER_DISABLED_KEYS[] = {IDC_POINT,  IDC_SIGN,      IDC_ALL_CLEAR, IDC_CLEAR_ENTRY,
                                       IDC_ADD,    IDC_SUBTRACT,  IDC_MULTIPLY,  IDC_DIVIDE,
                                       IDC_EQUALS, IDC_MEMORY_IN, IDC_SQRT};

// Sign, 300 integer digits, point and 900 fraction digits.
constexpr std::size_t LONGEST_SAVED_NUMBER = 1202;

// Typing stops at 24 characters; "+/-" may still put a 25th, the "-", in front.
constexpr int LONGEST_TYPED_OPERAND = ENTRY_LENGTH_LIMIT + 1;

// Every byte behind the terminator is zero: texts are copied into zero-filled buffers, so a
// stale tail means a text was shortened in place.
template <std::size_t N>
bool IsZeroBehindText(const std::array<char, N>& buffer, const char* terminator) {
    static constexpr std::array<char, N> ZEROS{};
    std::size_t text = static_cast<std::size_t>(terminator - buffer.data());
    return std::memcmp(terminator, ZEROS.data(), N - text) == 0;
}

template <std::size_t N>
std::string CheckBuffer(const char* name, const std::array<char, N>& buffer) {
    const char* terminator = static_cast<const char*>(std::memchr(buffer.data(), '\0', N));
    if (terminator == nullptr) {
        return std::string(name) + " has no terminating NUL inside its buffer";
    }
    if (!IsZeroBehindText(buffer, terminator)) {
        return std::string(name) + " keeps stale bytes behind its text";
    }
    return {};
}

// Empty, or: optional "-", at least one digit below the notation, at most one ".".
std::string CheckPlainText(const char* name, const PlainText& buffer, int notation) {
    std::string broken = CheckBuffer(name, buffer);
    if (!broken.empty()) {
        return broken;
    }
    std::string_view text = TextOf(buffer);
    auto quoted = [&] { return std::string(name) + " \"" + std::string(text) + "\""; };
    if (text.empty()) {
        return {};
    }
    std::size_t i = text[0] == '-' ? 1 : 0;
    int points = 0;
    int digits = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.') {
            ++points;
        } else if (IsDigitChar(c) && DigitValue(c) < notation) {
            ++digits;
        } else {
            return quoted() + " holds '" + c + "', no digit of notation " +
                   std::to_string(notation);
        }
    }
    if (points > 1) {
        return quoted() + " holds more than one point";
    }
    if (digits == 0) {
        return quoted() + " holds no digit";
    }
    return {};
}

std::string CheckFlags(const CalculatorState& s) {
    if (s.SuppressConsolePaint) {
        return "SuppressConsolePaint is left set after a command";
    }
    return {};
}

std::string CheckNotations(const CalculatorState& s) {
    if (!IsValidNotation(s.FirstNotation) || !IsValidNotation(s.SecondNotation)) {
        return "operand notation outside 2..32: first " + std::to_string(s.FirstNotation) +
               ", second " + std::to_string(s.SecondNotation);
    }
    if (!IsValidNotation(s.OtherNotation) || HasOwnButton(s.OtherNotation)) {
        return "OtherNotation " + std::to_string(s.OtherNotation) + " is not in the cycle";
    }
    return {};
}

std::string CheckOperator(const CalculatorState& s) {
    std::string broken = CheckBuffer("PendingOperator", s.PendingOperator);
    if (!broken.empty()) {
        return broken;
    }
    std::string_view op = TextOf(s.PendingOperator);
    if (!op.empty() && op != "+" && op != "-" && op != "*" && op != "/") {
        return "PendingOperator \"" + std::string(op) + "\" is no operator";
    }
    if (!op.empty() && !s.SecondOperandActive) {
        return "an operator is pending while SecondOperandActive is 0";
    }
    return {};
}

std::string CheckTexts(const CalculatorState& s) {
    std::string broken = CheckPlainText("FirstOperandText", s.FirstOperandText, s.FirstNotation);
    if (broken.empty()) {
        broken = CheckPlainText("SecondOperandText", s.SecondOperandText, s.SecondNotation);
    }
    if (broken.empty()) {
        broken = CheckBuffer("ConsoleText", s.ConsoleText);
    }
    if (broken.empty()) {
        broken = CheckBuffer("LastAnswerText", s.LastAnswerText);
    }
    if (broken.empty()) {
        broken = CheckBuffer("MemoryConsoleText", s.MemoryConsoleText);
    }
    if (broken.empty()) {
        broken = CheckBuffer("OtherNotationLabel", s.OtherNotationLabel);
    }
    return broken;
}

// A number in the memory, held or left behind, keeps the notation it was stored in.
std::string CheckMemory(const CalculatorState& s) {
    if (IsEmptyText(s.MemoryText)) {
        return s.MemoryHeld ? "MemoryHeld is set with an empty MemoryText" : "";
    }
    if (!IsValidNotation(s.MemoryNotation)) {
        return "the memory's notation " + std::to_string(s.MemoryNotation) + " is outside 2..32";
    }
    return CheckPlainText("MemoryText", s.MemoryText, s.MemoryNotation);
}

// The operand being typed: its notation was fixed by the checked button at its first key, the
// buttons are locked meanwhile, it is short, and PointEntered says whether it holds ".".
std::string CheckTyping(const CalculatorState& s, const RecordingCalculatorView& view,
                        int selected) {
    bool second = s.SecondOperandActive;
    std::string_view target = second ? TextOf(s.SecondOperandText) : TextOf(s.FirstOperandText);
    int targetNotation = second ? s.SecondNotation : s.FirstNotation;
    bool hasPoint = target.find('.') != std::string_view::npos;
    if (!s.EntryInProgress) {
        return s.PointEntered ? "PointEntered is set while nothing is typed" : std::string();
    }
    if (target.empty() || static_cast<int>(target.size()) > LONGEST_TYPED_OPERAND) {
        return "the operand being typed has " + std::to_string(target.size()) + " characters";
    }
    if (hasPoint != s.PointEntered) {
        return "PointEntered disagrees with the typed operand \"" + std::string(target) + "\"";
    }
    if (targetNotation != selected) {
        return "the typed operand's notation " + std::to_string(targetNotation) +
               " differs from the checked one " + std::to_string(selected);
    }
    if (view.IsControlEnabled(IDC_NOTATION_FIRST)) {
        return "the notation buttons can be pressed while an operand is typed";
    }
    return {};
}

// After the error display the first operand stays empty until a new one is typed or
// recalled; an operator and a second operand may follow, so the console can show other text.
std::string CheckError(const CalculatorState& s) {
    if (s.ErrorShown && !IsEmptyText(s.FirstOperandText)) {
        return "the error display leaves a first operand";
    }
    return {};
}

// Exactly one notation button is checked; notation becomes what it selects.
std::string CheckCheckedNotation(const CalculatorState& s, const RecordingCalculatorView& view,
                                 int& notation) {
    int checked = 0;
    for (int i = 0; i <= FIXED_NOTATION_COUNT; ++i) {
        if (view.IsChecked(IDC_NOTATION_FIRST + i)) {
            ++checked;
            notation = i < FIXED_NOTATION_COUNT ? FIXED_NOTATIONS[i] : s.OtherNotation;
        }
    }
    if (checked != 1) {
        return std::to_string(checked) + " notation buttons are checked";
    }
    return {};
}

std::string CheckDigitKeys(const RecordingCalculatorView& view, int notation) {
    for (int value = 0; value <= IDC_DIGIT_LAST - IDC_DIGIT_FIRST; ++value) {
        if (view.IsControlEnabled(IDC_DIGIT_FIRST + value) != (value < notation)) {
            return "digit key " + std::string(1, DigitChar(value)) +
                   (value < notation ? " is disabled" : " is enabled") + " in notation " +
                   std::to_string(notation);
        }
    }
    return {};
}

std::string CheckNotationKeys(const RecordingCalculatorView& view) {
    bool enabled = view.IsControlEnabled(IDC_NOTATION_FIRST);
    for (int id = IDC_NOTATION_FIRST; id <= IDC_NOTATION_LAST; ++id) {
        if (view.IsControlEnabled(id) != enabled) {
            return "the six notation buttons are partly enabled";
        }
    }
    bool stepsWanted = enabled && view.IsChecked(IDC_NOTATION_X);
    if (view.IsControlEnabled(IDC_STEP_DOWN) != stepsWanted ||
        view.IsControlEnabled(IDC_STEP_UP) != stepsWanted) {
        return std::string("the step buttons are ") +
               (stepsWanted ? "not both enabled" : "pressable") +
               " (\"X\" checked: " + (view.IsChecked(IDC_NOTATION_X) ? "yes" : "no") +
               ", notation buttons enabled: " + (enabled ? "yes" : "no") + ")";
    }
    return {};
}

// The box beside "X" shows the value of "X" while "X" is checked, and nothing otherwise.
std::string CheckOtherNotationBox(const CalculatorState& s, const RecordingCalculatorView& view) {
    std::string wanted = view.IsChecked(IDC_NOTATION_X) ? std::to_string(s.OtherNotation) : "";
    if (TextOf(s.OtherNotationLabel) != wanted || view.OtherBoxLabel() != wanted) {
        return "the box of \"X\" shows \"" + view.OtherBoxLabel() + "\" (label \"" +
               std::string(TextOf(s.OtherNotationLabel)) + "\"), expected \"" + wanted + "\"";
    }
    return {};
}

std::string CheckOtherKeys(const CalculatorState& s, const RecordingCalculatorView& view) {
    for (int id : NEVER_DISABLED_KEYS) {
        if (!view.IsControlEnabled(id)) {
            return "key " + std::to_string(id) + " is disabled";
        }
    }
    if (view.IsControlEnabled(IDC_MEMORY_RECALL) != (s.MemoryHeld)) {
        return std::string("\"MR\" is ") + (s.MemoryHeld ? "disabled" : "enabled") +
               " while MemoryHeld is " + std::to_string(s.MemoryHeld);
    }
    return {};
}

// What the user sees: the console repainted with ConsoleText, no wait cursor and no
// please-wait dialog left over once a command has returned.
std::string CheckScreen(const CalculatorState& s, const RecordingCalculatorView& view) {
    if (view.Console() != TextOf(s.ConsoleText)) {
        return "the console shows \"" + view.Console() + "\" but ConsoleText is \"" +
               std::string(TextOf(s.ConsoleText)) + "\"";
    }
    if (view.WaitCursorShown()) {
        return "the wait cursor stays after the command";
    }
    if (view.PleaseWaitOpen()) {
        return "the please-wait dialog stays open after the command";
    }
    return {};
}

std::string CheckSqrt(const SqrtState& sqrt) {
    if (sqrt.SqrtTruncation != 100 && sqrt.SqrtTruncation != 200 && sqrt.SqrtTruncation != 300) {
        return "SqrtTruncation is " + std::to_string(sqrt.SqrtTruncation);
    }
    if (sqrt.SqrtRepeatCount < 0) {
        return "SqrtRepeatCount is negative";
    }
    return {};
}

// One number of the saved text, "digits (notation)", followed by the line's ending: at most
// 602 characters of digits valid in their notation.
std::string CheckSavedNumber(std::string_view line, std::string_view ending) {
    auto quoted = [line] { return "saved line \"" + std::string(line) + "\""; };
    if (line.size() < ending.size() || line.substr(line.size() - ending.size()) != ending) {
        return quoted() + " does not end in \"" + std::string(ending) + "\"";
    }
    line.remove_suffix(ending.size());
    std::size_t open = line.rfind(" (");
    if (open == std::string_view::npos || line.back() != ')') {
        return quoted() + " has no notation";
    }
    int notation = std::atoi(std::string(line.substr(open + 2)).c_str());
    if (!IsValidNotation(notation)) {
        return quoted() + " names notation " + std::to_string(notation);
    }
    PlainText number{};
    if (open > LONGEST_SAVED_NUMBER) {
        return quoted() + " has a number of " + std::to_string(open) + " characters";
    }
    SetText(number, line.substr(0, open));
    return CheckPlainText("a saved number", number, notation);
}

// While "Sa&ve answer..." can be chosen, the text it writes has three lines, four after square
// roots, each ending in CR LF, with well-formed numbers, inside its buffer.
std::string CheckSavedText(const Calculator& calc, const RecordingCalculatorView& view) {
    if (!view.IsMenuItemEnabled(IDM_SAVE_ANSWER)) {
        return {};
    }
    SavedText saved{};
    int length = BuildSavedText(calc, saved);
    if (length < 0 || length >= SAVED_TEXT_BYTES || saved[length] != '\0') {
        return "the saved text's length " + std::to_string(length) + " is outside its buffer";
    }
    std::string_view text(saved.data(), static_cast<std::size_t>(length));
    const std::string_view operators[] = {" +", " -", " *", " /"};
    int line = 0;
    while (!text.empty()) {
        std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            return "the saved text's last line has no CR LF";
        }
        std::string_view current = text.substr(0, end);
        text.remove_prefix(end + 2);
        std::string broken;
        if (line == 0) {
            std::string_view op = current.size() >= 2 ? current.substr(current.size() - 2) : "";
            bool known =
                std::find(std::begin(operators), std::end(operators), op) != std::end(operators);
            broken = known ? CheckSavedNumber(current, op) : "saved line 1 has no operator";
        } else if (line == 1) {
            broken = CheckSavedNumber(current, " =");
        } else if (line == 2) {
            broken = CheckSavedNumber(current, "");
        } else if (line == 3) {
            std::size_t colon = current.find(" time(s) SQRT : ");
            broken = colon == std::string_view::npos
                         ? "saved line 4 has no root count"
                         : CheckSavedNumber(current.substr(colon + 16), "");
        }
        if (!broken.empty()) {
            return broken;
        }
        ++line;
    }
    int expected = calc.sqrt.SqrtRepeatCount > 0 ? 4 : 3;
    if (line != expected) {
        return "the saved text has " + std::to_string(line) + " lines, expected " +
               std::to_string(expected);
    }
    return {};
}

}  // namespace

std::string FindCalculatorViolation(const Calculator& calc, const RecordingCalculatorView& view) {
    const CalculatorState& s = calc.state;
    int notation = 0;  // the checked one, known once its check has passed
    const std::function<std::string()> checks[] = {
        [&] { return CheckFlags(s); },
        [&] { return CheckNotations(s); },
        [&] { return CheckOperator(s); },
        [&] { return CheckTexts(s); },
        [&] { return CheckMemory(s); },
        [&] { return CheckError(s); },
        [&] { return CheckSqrt(calc.sqrt); },
        [&] { return CheckCheckedNotation(s, view, notation); },
        [&] { return CheckDigitKeys(view, notation); },
        [&] { return CheckNotationKeys(view); },
        [&] { return CheckTyping(s, view, notation); },
        [&] { return CheckOtherKeys(s, view); },
        [&] { return CheckOtherNotationBox(s, view); },
        [&] { return CheckScreen(s, view); },
        [&] { return CheckSavedText(calc, view); },
    };
    for (const auto& check : checks) {
        std::string broken = check();
        if (!broken.empty()) {
            return broken;
        }
    }
    return {};
}

}  // namespace quarnic
