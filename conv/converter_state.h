// The converter's process-wide record and its entry points. The program keeps one Converter;
// tests and the script runner make fresh ones.
#pragma once

#include <array>

#include "common/notation.h"
#include "conv/conv_ids.h"
#include "conv/converter_view.h"

namespace quarnic {

inline constexpr int CONVERTER_DIGIT_BYTES = 100;  // InputDigits, AnswerText
inline constexpr int MAX_TYPED_DIGITS = 64;        // 64 binary digits: the longest number
inline constexpr int OTHER_LABEL_BYTES = 5;
inline constexpr int WARNING_TEXT_BYTES = 128;
inline constexpr int CLIPBOARD_TEXT_BYTES = 200;

// "<typed> (<from>) = <answer> (<to>)": both numbers are below 2^64, so neither has more than
// 64 digits, and a notation has at most two.
using ClipboardText = std::array<char, CLIPBOARD_TEXT_BYTES>;
static_assert(CLIPBOARD_TEXT_BYTES > 2 * MAX_TYPED_DIGITS + sizeof " (32) = " + sizeof " (32)",
              "the longest copied text fits with its NUL");

// Every fact the converter's logic decides by; the keys' availability and the checked buttons
// follow from it (conv/converter_availability.h).
struct ConverterState {
    bool EntryStarted = false;
    int FromNotation = 10;  // the typed number's, fixed by its first digit or a paste
    int ToNotation = 10;    // the answer's
    bool ErrorShown = false;
    int FromOtherNotation = 32;
    int ToOtherNotation = 32;
    int MaxDigits = 0;
    int FromSelection = 10;  // the notation each pane has selected
    int ToSelection = 10;
};

struct ConverterTexts {
    std::array<char, CONVERTER_DIGIT_BYTES> InputDigits{};
    std::array<char, CONVERTER_DIGIT_BYTES> AnswerText{};
    std::array<char, WARNING_TEXT_BYTES> WarningText{};
};

// What the window shows of the keys, the checks and the "X" boxes, as last sent to it, so that a
// command sends only what it changed.
using OtherLabel = std::array<char, OTHER_LABEL_BYTES>;
struct ShownControls {
    bool sent = false;
    std::array<bool, IDC_CONV_LAST - IDC_CONV_FIRST + 1> enabled{};
    int fromChecked = 0;
    int toChecked = 0;
    bool copyAnswer = false;
    OtherLabel fromBox{};
    OtherLabel toBox{};
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
    ShownControls shown;
    bool JapaneseUi = false;
    ConverterView* view = nullptr;
};

}  // namespace quarnic
