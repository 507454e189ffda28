// The converter's process-wide record and its entry points. The program keeps one Converter;
// tests and the script runner make fresh ones.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "conv/converter_view.h"
#include "shell/notation.h"

namespace quarnic {

inline constexpr int CONVERTER_DIGIT_BYTES = 100;  // InputDigits, AnswerText
inline constexpr int MAX_TYPED_DIGITS = 64;        // 64 binary digits: the longest number
inline constexpr int OTHER_LABEL_BYTES = 5;
inline constexpr int WARNING_TEXT_BYTES = 128;
inline constexpr int PADDED_DIGITS = 100;  // PaddedInput, PaddedAnswer: 100 digits and a NUL
inline constexpr int CLIPBOARD_TEXT_BYTES = 200;

// "<typed> (<from>) = <answer> (<to>)": both numbers are below 2^64, so neither has more than
// 64 digits, and a notation has at most two.
using ClipboardText = std::array<char, CLIPBOARD_TEXT_BYTES>;
static_assert(CLIPBOARD_TEXT_BYTES > 2 * MAX_TYPED_DIGITS + sizeof " (32) = " + sizeof " (32)",
              "the longest copied text fits with its NUL");

struct ConverterState {
    bool EntryStarted = false;
    int FromNotation = 10;
    int ToNotation = 10;
    bool ErrorShown = false;
    int FromOtherNotation = 32;
    int ToOtherNotation = 32;
    int MaxDigits = 0;
};

struct ConverterTexts {
    std::array<char, CONVERTER_DIGIT_BYTES> InputDigits{};
    std::array<char, CONVERTER_DIGIT_BYTES> AnswerText{};
    std::array<char, OTHER_LABEL_BYTES> FromOtherLabel{};
    std::array<char, OTHER_LABEL_BYTES> ToOtherLabel{};
    std::array<char, WARNING_TEXT_BYTES> WarningText{};
    std::array<char, PADDED_DIGITS + 1> PaddedInput{};
    std::array<char, PADDED_DIGITS + 1> PaddedAnswer{};
};

// The "All notations" window: one line for each notation from 2 to 32. The lines are kept as
// last sent to the window, so a key sends only the lines it changed.
inline constexpr int ALL_NOTATIONS_LINE_COUNT = 31;
inline constexpr int ALL_NOTATIONS_LINE_BYTES = 128;
using AllNotationsLine = std::array<char, ALL_NOTATIONS_LINE_BYTES>;

struct AllNotationsWindow {
    bool open = false;
    std::array<AllNotationsLine, ALL_NOTATIONS_LINE_COUNT> lines{};
};

struct Converter {
    ConverterState state;
    ConverterTexts texts;
    AllNotationsWindow allNotations;
    bool ReadyFlag = false;  // set once the window's own posted WM_USER arrives
    bool JapaneseUi = false;
    ConverterView* view = nullptr;
};

// Puts the record and the controls into their start state: both panes on "10", digit keys of
// notation 10, all four step buttons disabled, both consoles empty, "Co&py answer" greyed.
// JapaneseUi and view must be set first; the controls must exist.
void SetUpConverterStart(Converter& converter);

// One entry for every key command (WM_COMMAND's low word); ids outside 100..149 are ignored.
void DispatchConverterCommand(Converter& converter, int id);

// The system-menu commands that belong to the converter's logic ("Co&py answer", 160, and
// Paste, 176).
// Returns false for every other id, which the window passes on (About, colour, standard items).
bool DispatchConverterSystemCommand(Converter& converter, int id);

// The logic's part of WM_PAINT, after the background: both consoles with their texts and both
// "X" boxes, which show their value only once ReadyFlag is set and only while "X" is checked.
void RepaintConverterContents(Converter& converter);

// Part of the command table, callable on their own (tests, the window). A pane's notation keys
// differ in what follows the new selection alone: the From pane gives the digit keys of its
// notation, the To pane converts the typed number again.
void OnAllClear(Converter& converter);
void OnClearError(Converter& converter);
void OnNotationKey(Converter& converter, ConverterPane pane, int notation);  // "2" .. "16"
void OnOtherKey(Converter& converter, ConverterPane pane);                   // "X"
void OnStepKey(Converter& converter, ConverterPane pane, StepDirection direction);
void CopyAnswer(Converter& converter);

// "FF (16)": the digits and their notation after the text already in the buffer, as copied.
void AppendNumberAndNotation(ClipboardText& text, std::string_view digits, int notation);
// The text on the clipboard, or a message when another program holds it.
void CopyToClipboard(Converter& converter, std::string_view text);

// Pane selections, read from and written to the radio buttons.
int ReadSelection(const Converter& converter, ConverterPane pane);
void SelectButton(Converter& converter, ConverterPane pane, int notation);
// Any notation 2..32, as its button would choose it, or "X" stepped to it.
void SelectNotation(Converter& converter, ConverterPane pane, int notation);

// Digit entry and conversion.
void OnDigitKey(Converter& converter, char digit);
void ConvertAndShow(Converter& converter, int fromNotation, int toNotation);
void ShowAnswer(Converter& converter);
void ShowError(Converter& converter);
void ShowDigitWarning(Converter& converter);
// The same warning for a number of the given notation and digit limit (a refused paste).
void ShowDigitWarning(Converter& converter, int notation, int maxDigits);

}  // namespace quarnic
