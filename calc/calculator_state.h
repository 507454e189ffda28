// The calculator's flags, notations and text buffers. One record per calculator: the program
// keeps one for its whole run, tests make a fresh one per scenario.
#pragma once

#include <array>

#include "calc/calculator_view.h"
#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "engine/console_form.h"
#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// An operand being typed takes another character only while it is shorter than this; its "-",
// "0" and "." count. "+/-" is not limited by it.
inline constexpr int ENTRY_LENGTH_LIMIT = 24;

inline constexpr int OPERATOR_TEXT_BYTES = 3;
inline constexpr int NOTATION_LABEL_BYTES = 5;

using OperatorText = std::array<char, OPERATOR_TEXT_BYTES>;
using NotationLabel = std::array<char, NOTATION_LABEL_BYTES>;

inline constexpr char ERROR_DISPLAY_TEXT[] = "ERROR (Press <AC>)";

// Flags hold 0 or 1. Every text is NUL-terminated and zero-filled before a new one is copied in.
struct CalculatorState {
    int SecondOperandActive = 0;  // an operator was accepted: entry works on the second operand
    int EntryInProgress = 0;      // the next digit or point is appended
    int PointEntered = 0;         // the operand being typed holds "."
    int FirstNotation = 10;
    int SecondNotation = 10;  // "=" computes in this notation
    int OtherNotation = 32;   // the notation behind "X", never one with a button of its own
    int MemoryHeld = 0;
    int ErrorShown = 0;
    int AnswerShown = 0;
    int AnswerNotation = 0;

    PlainText FirstOperandText{};
    PlainText SecondOperandText{};
    PlainText ConsoleText{};
    OperatorText PendingOperator{};
    NotationLabel OtherNotationLabel{};
    PlainText MemoryText{};
    NotationLabel MemoryNotation{};  // decimal text of the memory's notation
    PlainText MemoryConsoleText{};
    PlainText LastAnswerText{};  // plain text of the last answer of "="

    int ReadyFlag = 0;  // set once the window's own WM_USER arrives
    int SuppressConsolePaint = 0;
    int SqrtKeyNeedsRedraw = 0;
};

// The operand that entry, "+/-", "Min", "MR" and the square root work on.
inline PlainText& TargetOperand(CalculatorState& state) {
    return state.SecondOperandActive == 1 ? state.SecondOperandText : state.FirstOperandText;
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
};

// Sets the start state of the record and of the keys: every flag and text at its initial value,
// "10" checked, the digit keys of notation 10, both step buttons and "MR" disabled, "Sa&ve
// answer..." greyed, every other key and the six notation buttons enabled.
void StartCalculator(Calculator& calc, CalculatorView& view);

// The one entry for key commands (WM_COMMAND ids): ids that name no command are ignored.
void DispatchCommand(Calculator& calc, int id);

// Measures in the view's console font, for the engine's fitting of an answer to the console.
class ViewTextMeasurer final : public TextMeasurer {
  public:
    explicit ViewTextMeasurer(const CalculatorView& view) : view_(view) {}
    int TextWidth(std::string_view text) const override { return view_.MeasureText(text); }

  private:
    const CalculatorView& view_;
};

}  // namespace quarnic
