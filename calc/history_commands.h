// What the history window does with an entry: show its number in another notation, recall it
// into the calculator, copy it, delete it. Portable, so the runner and the tests do the same.
#pragma once

#include <string>

#include "calc/calculator_state.h"

namespace quarnic {

// The entry's shown number (its latest root, else its answer) in a notation, without the
// notation: as written in its own notation, otherwise converted exactly as a shown answer is
// when the notation is switched. False (text empty) for an unreadable entry or a number that
// cannot be converted. The calculator is not changed.
bool EntryNumberIn(const Calculator& calc, const std::string& entryText, int notation,
                   std::string& text);

// The entry's own notation: that of its shown number; 10 for an unreadable entry.
int EntryNotation(const std::string& entryText);

// Recall: the number in that notation goes the way of Paste of its text with " (n)", so "MR"'s
// rules apply and a refusal says why in the same message.
void RecallEntry(Calculator& calc, const std::string& entryText, int notation);

// Copy: the number with every digit as plain text, no grouping and no notation.
void CopyEntry(Calculator& calc, const std::string& entryText, int notation);

}  // namespace quarnic
