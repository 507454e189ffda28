// What "=" remembers for saving the answer, and the text that saving writes.
#pragma once

#include <array>
#include <string>

#include "engine/digit_string.h"

namespace quarnic {

struct SqrtState;
struct Calculator;

struct LastCalculation {
    bool Recorded = false;      // set once an "=" has recorded its first operand
    DigitString FirstDigits{};  // as parsed, before any conversion into the second's notation
    int FirstSign = 1;
    int FirstNotation = 10;
    std::array<char, 3> Operator{};  // "+", "-", "*" or "/"
    DigitString SecondDigits{};
    int SecondSign = 1;
    int SecondNotation = 10;
    int AnswerSign = 1;
    int AnswerNotation = 10;
    // The answer as shown, kept apart from ResultDigits: a root taken later publishes through
    // ResultDigits.
    DigitString AnswerDigits{};
};

// The three moments of "=" that fill the record, in this order; RecordAnswer also follows a
// shown answer converted to another notation.
void RecordFirstOperand(LastCalculation& last, const DigitString& digits, int sign, int notation);
void RecordSecondOperand(LastCalculation& last, const DigitString& digits, int sign, int notation,
                         const char* pendingOperator);
void RecordAnswer(LastCalculation& last, const DigitString& answerDigits, int sign, int notation);

// The saved file's text. Its longest form is four numbers of every place with " (32)" (the
// answer before the roots and the root without a "-"), the operator, " =", a root count of
// ten digits with " time(s) SQRT : ", four CR LF and the NUL. The free-space check asks for
// the buffer's size.
inline constexpr int SAVED_NUMBER_CHARS = 1 + INTEGER_PLACES + 1 + FRACTION_PLACES + 5;
inline constexpr int SAVED_TEXT_BYTES = 4 * SAVED_NUMBER_CHARS - 2 + 2 + 2 + 10 + 16 + 4 * 2 + 1;
using SavedText = std::array<char, SAVED_TEXT_BYTES>;

}  // namespace quarnic
