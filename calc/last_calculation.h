// What "=" remembers for saving the answer.
#pragma once

#include <array>

#include "engine/digit_string.h"

namespace quarnic {

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

}  // namespace quarnic
