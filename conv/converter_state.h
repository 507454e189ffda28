// The converter's process-wide record and its entry points. The program keeps one Converter;
// tests and the script runner make fresh ones.
#pragma once

#include <array>
#include <cstdint>

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

struct Converter {
    ConverterState state;
    ConverterTexts texts;
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

// Part of the command table, callable on their own (tests, the window).
void OnAllClear(Converter& converter);
void OnClearError(Converter& converter);
void OnFromNotation(Converter& converter, int notation);
void OnFromOther(Converter& converter);
void OnFromStep(Converter& converter, StepDirection direction);
void OnToNotation(Converter& converter, int notation);
void OnToOther(Converter& converter);
void OnToStep(Converter& converter, StepDirection direction);
void CopyAnswer(Converter& converter);

// Pane selections, read from and written to the radio buttons.
int ReadFromSelection(const Converter& converter);
int ReadToSelection(const Converter& converter);
void SelectFromButton(Converter& converter, int notation);
void SelectToButton(Converter& converter, int notation);

// Digit entry and conversion.
void OnDigitKey(Converter& converter, char digit);
void ConvertAndShow(Converter& converter, int fromNotation, int toNotation);
void ShowAnswer(Converter& converter);
void ShowError(Converter& converter);
void ShowDigitWarning(Converter& converter);
// The same warning for a number of the given notation and digit limit (a refused paste).
void ShowDigitWarning(Converter& converter, int notation, int maxDigits);

}  // namespace quarnic
