// The calculator's flags, notations and text buffers. One record per calculator: the program
// keeps one for its whole run, tests make a fresh one per scenario.
#pragma once

#include <array>

#include "calc/calc_texts.h"
#include "calc/calculator_view.h"
#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "engine/console_form.h"
#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

class CalculationHistory;

// An operand being typed takes another character only while it is shorter than this; its "-",
// "0" and "." count. "+/-" is not limited by it.
inline constexpr int ENTRY_LENGTH_LIMIT = 24;

inline constexpr int OPERATOR_TEXT_BYTES = 3;
inline constexpr int NOTATION_LABEL_BYTES = 5;

using OperatorText = std::array<char, OPERATOR_TEXT_BYTES>;
using NotationLabel = std::array<char, NOTATION_LABEL_BYTES>;

// What a command did that the history keeps; the dispatcher notes it after the command.
enum class HistoryMoment { None, Equals, LoneEquals, Root, AnswerConverted };

// Every text is NUL-terminated and zero-filled before a new one is copied in.
struct CalculatorState {
    bool SecondOperandActive =
        false;                     // an operator was accepted: entry works on the second operand
    bool EntryInProgress = false;  // the next digit or point is appended
    bool PointEntered = false;     // the operand being typed holds "."
    int FirstNotation = 10;
    int SecondNotation = 10;  // "=" computes in this notation
    int OtherNotation = 32;   // the notation behind "X", never one with a button of its own
    // The checked notation button: 0..4 for "2".."16", 5 for "X" (OtherNotation).
    int CheckedNotationButton = 3;
    bool NotationLocked = false;  // the notation buttons cannot be pressed: an operand is fixed
    bool SaveAnswerAvailable = false;
    int AnswerSign = 1;  // of the answer on show, changed by "+/-"
    bool MemoryHeld = false;
    bool ErrorShown = false;
    bool AnswerShown = false;
    int AnswerNotation = 0;

    PlainText FirstOperandText{};
    PlainText SecondOperandText{};
    PlainText ConsoleText{};
    OperatorText PendingOperator{};
    NotationLabel OtherNotationLabel{};
    PlainText MemoryText{};
    int MemoryNotation = 0;  // the notation the memory's number was stored in; 0 before "Min"
    PlainText MemoryConsoleText{};
    PlainText LastAnswerText{};  // plain text of the last answer of "="
    // The answer as "=" or the square root last computed it, every place: a notation switch
    // converts from it, so no switch passes on the cut digits of the one before.
    DigitString ComputedAnswer{};
    int ComputedNotation = 10;

    HistoryMoment Moment = HistoryMoment::None;
    bool SuppressConsolePaint = false;
    bool SqrtKeyNeedsRedraw = false;
};

// The operand that entry, "+/-", "Min", "MR" and the square root work on.
inline PlainText& TargetOperand(CalculatorState& state) {
    return state.SecondOperandActive ? state.SecondOperandText : state.FirstOperandText;
}

// Ends the number being typed: the next digit or point starts a new one.
inline void EndEntry(CalculatorState& state) {
    state.EntryInProgress = false;
    state.PointEntered = false;
}

// The whole process-wide record of the calculator. The view is the window (or a recording of
// it) and outlives the record's use.
struct Calculator {
    CalculatorState state;
    EngineRegisters engine;
    SqrtState sqrt;
    LastCalculation last;
    bool JapaneseUi = false;  // the language of the message boxes the logic raises
    CalculatorView* view = nullptr;
    CalculationHistory* history = nullptr;  // none in tests that do not look at it
};

// Measures in the view's console font, for the engine's fitting of an answer to the console.
class ViewTextMeasurer final : public TextMeasurer {
  public:
    explicit ViewTextMeasurer(const CalculatorView& view) : view_(view) {}
    int TextWidth(std::string_view text) const override { return view_.MeasureText(text); }

  private:
    const CalculatorView& view_;
};

}  // namespace quarnic
