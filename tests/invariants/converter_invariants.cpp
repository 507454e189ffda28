#include "tests/invariants/converter_invariants.h"

#include <algorithm>
#include <cstring>
#include <functional>

#include "common/notation.h"
#include "conv/conv_ids.h"
#include "conv/conv_texts.h"
#include "engine/digit_codec.h"

namespace quarnic {
namespace {

__extension__ using Wide = unsigned __int128;
constexpr Wide TWO_TO_64 = static_cast<Wide>(1) << 64;

template <std::size_t N>
std::string_view TextIn(const std::array<char, N>& buffer) {
    const void* end = std::memchr(buffer.data(), '\0', N);
    if (end == nullptr) {
        return {};
    }
    return std::string_view(
        buffer.data(), static_cast<std::size_t>(static_cast<const char*>(end) - buffer.data()));
}

template <std::size_t N>
std::string CheckBuffer(const char* name, const std::array<char, N>& buffer) {
    if (std::memchr(buffer.data(), '\0', N) == nullptr) {
        return std::string(name) + " has no terminating NUL inside its buffer";
    }
    return {};
}

std::string CheckNotations(const ConverterState& s) {
    for (int other : {s.FromOtherNotation, s.ToOtherNotation}) {
        if (!IsValidNotation(other) || HasOwnButton(other)) {
            return "an \"X\" value " + std::to_string(other) + " is not in the cycle";
        }
    }
    if (!IsValidNotation(s.FromNotation) || !IsValidNotation(s.ToNotation)) {
        return "From/To notation " + std::to_string(s.FromNotation) + "/" +
               std::to_string(s.ToNotation) + " outside 2..32";
    }
    return {};
}

// Exactly one button of the pane is checked; notation becomes what it selects.
std::string CheckCheckedNotation(const RecordingConverterView& view, int firstButtonId,
                                 int otherNotation, const char* pane, int& notation) {
    int checked = 0;
    for (int i = 0; i <= FIXED_NOTATION_COUNT; ++i) {
        if (view.IsChecked(firstButtonId + i)) {
            ++checked;
            notation = i < FIXED_NOTATION_COUNT ? FIXED_NOTATIONS[i] : otherNotation;
        }
    }
    if (checked != 1) {
        return std::to_string(checked) + " buttons of the " + pane + " pane are checked";
    }
    return {};
}

// The six buttons all enabled or all disabled, and the step buttons usable exactly while the
// buttons are and "X" is checked. Reports whether the six are enabled.
std::string CheckPaneKeys(const RecordingConverterView& view, const NotationPane& pane,
                          const char* name, bool& enabled) {
    enabled = view.IsControlEnabled(pane.firstButtonId);
    for (int i = 0; i <= FIXED_NOTATION_COUNT; ++i) {
        if (view.IsControlEnabled(pane.firstButtonId + i) != enabled) {
            return std::string("the ") + name + " pane's buttons are partly enabled";
        }
    }
    bool stepsWanted = enabled && view.IsChecked(pane.firstButtonId + FIXED_NOTATION_COUNT);
    if (view.IsControlEnabled(pane.stepDownId) != stepsWanted ||
        view.IsControlEnabled(pane.stepUpId) != stepsWanted) {
        return std::string("the ") + name + " pane's step buttons are " +
               (stepsWanted ? "not both enabled" : "pressable");
    }
    return {};
}

std::string CheckDigitKeys(const RecordingConverterView& view, int notation) {
    for (int value = 0; value < IDC_CONV_DIGIT_COUNT; ++value) {
        if (view.IsControlEnabled(IDC_CONV_DIGIT_0 + value) != (value < notation)) {
            return "digit key " + std::string(1, DigitChar(value)) +
                   (value < notation ? " is disabled" : " is enabled") + " with From " +
                   std::to_string(notation);
        }
    }
    return {};
}

// The To pane is always usable; the From pane exactly while no number is typed, and then
// its selection is the typed number's notation. The digit keys follow the From selection.
std::string CheckPaneUse(const ConverterState& s, const RecordingConverterView& view, int from) {
    constexpr NotationPane FROM{IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_DOWN, IDC_CONV_FROM_STEP_UP};
    constexpr NotationPane TO{IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP};
    bool fromEnabled = false;
    bool toEnabled = false;
    std::string broken = CheckPaneKeys(view, FROM, "From", fromEnabled);
    if (broken.empty()) {
        broken = CheckPaneKeys(view, TO, "To", toEnabled);
    }
    if (broken.empty() && !toEnabled) {
        broken = "the To pane is disabled";
    }
    if (broken.empty() && fromEnabled == (s.EntryStarted)) {
        broken = std::string("the From pane is ") + (fromEnabled ? "enabled" : "disabled") +
                 " while EntryStarted is " + std::to_string(s.EntryStarted);
    }
    if (broken.empty() && s.EntryStarted && from != s.FromNotation) {
        broken = "the From selection " + std::to_string(from) + " differs from FromNotation " +
                 std::to_string(s.FromNotation) + " while a number is typed";
    }
    if (broken.empty()) {
        broken = CheckDigitKeys(view, from);
    }
    return broken;
}

std::string CheckTyped(const ConverterState& s, std::string_view typed) {
    if (typed.empty() != (!s.EntryStarted)) {
        return "EntryStarted is " + std::to_string(s.EntryStarted) + " with typed digits \"" +
               std::string(typed) + "\"";
    }
    if (typed.empty()) {
        return {};
    }
    int limit = ExactDigitLimit(s.FromNotation);
    if (s.MaxDigits != limit) {
        return "MaxDigits " + std::to_string(s.MaxDigits) + " for notation " +
               std::to_string(s.FromNotation) + ", expected " + std::to_string(limit);
    }
    if (typed[0] == '0') {
        return "the typed number \"" + std::string(typed) + "\" starts with 0";
    }
    // A paste may bring more digits than typing allows, but never a value of 2^64 or more.
    if (!ExactValue(typed, s.FromNotation)) {
        return "\"" + std::string(typed) + "\" holds a digit outside notation " +
               std::to_string(s.FromNotation) + " or is 2^64 or more";
    }
    return {};
}

std::string CheckAnswer(const ConverterState& s, const RecordingConverterView& view,
                        std::string_view typed, std::string_view answer, int toSelected) {
    bool answerShown = s.EntryStarted && !s.ErrorShown;
    if (view.IsMenuItemEnabled(IDM_CONV_COPY_ANSWER) != answerShown) {
        return std::string("\"Co&py answer\" is ") + (answerShown ? "greyed" : "enabled") +
               " with typed \"" + std::string(typed) + "\", error " + std::to_string(s.ErrorShown);
    }
    if (!s.EntryStarted) {
        return answer.empty() ? std::string() : "an answer is shown with nothing typed";
    }
    if (!answerShown) {
        return {};
    }
    if (s.ToNotation != toSelected) {
        return "the answer is in notation " + std::to_string(s.ToNotation) + " but To selects " +
               std::to_string(toSelected);
    }
    std::string exact = ExactDigits(*ExactValue(typed, s.FromNotation), s.ToNotation);
    if (answer != exact) {
        return std::string(typed) + " (" + std::to_string(s.FromNotation) + ") shows as \"" +
               std::string(answer) + "\" in notation " + std::to_string(s.ToNotation) +
               ", exactly " + exact;
    }
    return {};
}

std::string CheckConsoles(const RecordingConverterView& view, std::string_view typed,
                          std::string_view answer) {
    if (view.InputConsole() != typed) {
        return "the input console shows \"" + view.InputConsole() + "\", typed \"" +
               std::string(typed) + "\"";
    }
    if (view.AnswerConsole() != answer) {
        return "the answer console shows \"" + view.AnswerConsole() + "\", AnswerText \"" +
               std::string(answer) + "\"";
    }
    if (view.WaitCursorShown()) {
        return "the wait cursor stays after the command";
    }
    return {};
}

// The marks a line of the "All notations" window ends in, and its digits without the group
// spaces.
std::string MarksFor(int notation, int from, int to, bool japanese) {
    std::string marks;
    if (notation == from) {
        marks.append("  ").append(japanese ? FROM_MARK_JA : FROM_MARK_EN);
    }
    if (notation == to) {
        marks.append("  ").append(japanese ? TO_MARK_JA : TO_MARK_EN);
    }
    return marks;
}

std::string CheckAllNotations(const Converter& converter, const RecordingConverterView& view,
                              std::string_view typed, int from, int to) {
    if (view.AllNotationsShown() != converter.allNotations.open) {
        return std::string("the all-notations window is ") +
               (view.AllNotationsShown() ? "shown but closed for the logic" : "not shown");
    }
    if (!view.AllNotationsShown()) {
        return {};
    }
    const std::optional<std::uint64_t> value = ExactValue(typed, converter.state.FromNotation);
    for (int notation = 2; notation <= 32; ++notation) {
        const std::string& line = view.AllNotationsLines()[notation - 2];
        const std::string marks = MarksFor(notation, from, to, converter.JapaneseUi);
        const std::string exact = typed.empty() || !value ? "" : ExactDigits(*value, notation);
        std::string digits;
        if (line.size() >= 4 + marks.size() && line.ends_with(marks)) {
            for (char c : line.substr(4, line.size() - 4 - marks.size())) {
                if (c != ' ') {
                    digits += c;
                }
            }
        }
        if (!line.ends_with(marks) || digits != exact) {
            return "the all-notations line of " + std::to_string(notation) + " reads \"" + line +
                   "\", expected " + exact + " and marks \"" + marks + "\"";
        }
    }
    return {};
}

}  // namespace

int ExactDigitLimit(int notation) {
    int digits = 0;
    for (Wide power = notation; power <= TWO_TO_64; power *= static_cast<Wide>(notation)) {
        ++digits;
    }
    return digits;
}

std::optional<std::uint64_t> ExactValue(std::string_view digits, int notation) {
    Wide value = 0;
    for (char c : digits) {
        if (!IsDigitChar(c) || DigitValue(c) >= notation) {
            return std::nullopt;
        }
        value = value * static_cast<Wide>(notation) + static_cast<Wide>(DigitValue(c));
        if (value >= TWO_TO_64) {
            return std::nullopt;
        }
    }
    return static_cast<std::uint64_t>(value);
}

std::string ExactDigits(std::uint64_t value, int notation) {
    std::string digits;
    auto base = static_cast<std::uint64_t>(notation);
    do {
        digits.push_back(DigitChar(static_cast<int>(value % base)));
        value /= base;
    } while (value != 0);
    std::reverse(digits.begin(), digits.end());
    return digits;
}

std::string FindConverterViolation(const Converter& converter, const RecordingConverterView& view) {
    const ConverterState& s = converter.state;
    const ConverterTexts& t = converter.texts;
    std::string_view typed = TextIn(t.InputDigits);
    std::string_view answer = TextIn(t.AnswerText);
    int from = 0;  // the panes' selections, known once their checks have passed
    int to = 0;
    const std::function<std::string()> checks[] = {
        [&] { return CheckBuffer("InputDigits", t.InputDigits); },
        [&] { return CheckBuffer("AnswerText", t.AnswerText); },
        [&] { return CheckNotations(s); },
        [&] {
            return CheckCheckedNotation(view, IDC_CONV_FROM_2, s.FromOtherNotation, "From", from);
        },
        [&] { return CheckCheckedNotation(view, IDC_CONV_TO_2, s.ToOtherNotation, "To", to); },
        [&] { return CheckPaneUse(s, view, from); },
        [&] { return CheckTyped(s, typed); },
        [&] { return CheckAnswer(s, view, typed, answer, to); },
        [&] { return CheckConsoles(view, typed, answer); },
        [&] { return CheckAllNotations(converter, view, typed, from, to); },
    };
    for (const auto& check : checks) {
        std::string broken = check();
        if (!broken.empty()) {
            return broken;
        }
    }
    return {};
}

std::string FindClipboardViolation(const Converter& converter, const RecordingConverterView& view) {
    const ConverterState& s = converter.state;
    std::string expected = std::string(TextIn(converter.texts.InputDigits)) + " (" +
                           std::to_string(s.FromNotation) +
                           ") = " + std::string(TextIn(converter.texts.AnswerText)) + " (" +
                           std::to_string(s.ToNotation) + ")";
    if (!view.HasClipboard()) {
        return "\"Co&py answer\" put nothing on the clipboard";
    }
    if (view.Clipboard() != expected) {
        return "the clipboard holds \"" + view.Clipboard() + "\", expected \"" + expected + "\"";
    }
    return {};
}

}  // namespace quarnic
