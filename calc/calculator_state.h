// The calculator's flags, notations and text buffers. One record per calculator: the program
// keeps one for its whole run, tests make a fresh one per scenario.
#pragma once

#include <array>

#include "engine/digit_string.h"

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

}  // namespace quarnic
