// The converter's process-wide record and its entry points. The program keeps one Converter;
// tests and the script runner make fresh ones.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

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

// Puts the record into its start state and shows it: both panes on "10", digit keys of
// notation 10, all four step buttons disabled, both consoles empty, "Co&py answer" greyed.
// JapaneseUi and view must be set first; the controls must exist.
void SetUpConverterStart(Converter& converter);

// The one entry for every command of the converter: its keys (WM_COMMAND's low word), its
// system-menu items and the "All notations" window's choosing (IDC_CONV_ALL_NOTATIONS_LIST) and
// copying (IDC_CONV_ALL_NOTATIONS_COPY) of the line of lineNotation. A command that is not
// available now does nothing; afterwards the window shows the new state. Returns whether the
// command was carried out: the window passes every other id on (the standard system-menu items).
bool DispatchConverterCommand(Converter& converter, int id, int lineNotation = 0);

// The logic's part of WM_PAINT, after the background: both consoles with their texts and both
// "X" boxes, which show the pane's selection while it has no button of its own.
void RepaintConverterContents(const Converter& converter);

// The box beside a pane's "X": the selection when it has no button of its own, else empty.
OtherLabel OtherBoxLabel(const ConverterState& state, ConverterPane pane);
// Sends the window what changed of the keys, checks, "Co&py answer" and "X" boxes.
void ShowControls(Converter& converter);

// "FF (16)": the digits and their notation after the text already in the buffer, as copied.
void AppendNumberAndNotation(ClipboardText& text, std::string_view digits, int notation);
// The text on the clipboard, or a message when another program holds it.
void CopyToClipboard(Converter& converter, std::string_view text);

// Any notation 2..32 selected on the pane, as its button would choose it or "X" stepped to it.
void SelectNotation(Converter& converter, ConverterPane pane, int notation);
int SelectionOf(const ConverterState& state, ConverterPane pane);

// Digit entry and conversion.
void OnDigitKey(Converter& converter, char digit);
// The typed number in the To notation, or the error text when it cannot be converted.
void ConvertAndShow(Converter& converter);
void ShowError(Converter& converter);
// The typing warning for a number of the notation and digit limit.
void ShowDigitWarning(Converter& converter, int notation, int maxDigits);

}  // namespace quarnic
