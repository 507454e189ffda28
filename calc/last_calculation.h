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

// The saved file's text. Its longest form is four lines of at most 635 characters each (a
// number of 602 characters with its notation, the operator or the root count, CR LF): 2467
// characters and the NUL. The buffer is 2700 bytes, the size the free-space check assumes.
inline constexpr int SAVED_TEXT_BYTES = 2700;
using SavedText = std::array<char, SAVED_TEXT_BYTES>;

// Builds the lines "first op", "second =", the answer (or the answer before the first root
// of a run), and "count time(s) SQRT : root" when roots were taken, each ending in CR LF.
// Returns the text's length (without the NUL).
int BuildSavedText(const LastCalculation& last, const SqrtState& sqrt, SavedText& text);
// The same from the calculator's own record.
int BuildSavedText(const Calculator& calculator, SavedText& text);

// The same lines with every place the calculator holds (300 + 900), for the history.
std::string BuildFullSavedText(const LastCalculation& last, const SqrtState& sqrt);
// A run of roots of a number that no "=" produced: the number the run started from, then the
// line "count time(s) SQRT : root", every place written.
std::string BuildFullRootText(const SqrtState& sqrt);
// One number as those texts write it: "-12.5 (10)".
std::string BuildFullNumberText(const DigitString& digits, int sign, int notation);

}  // namespace quarnic
