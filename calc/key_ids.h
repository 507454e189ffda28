// Which command ids are keys of the calculator. calc_ids.h stays plain C for the resource
// compiler, so the answer lives here beside it, and everything that asks uses this one.
#pragma once

#include "calc/calc_ids.h"

namespace quarnic {

inline constexpr bool IsCalculatorDigitKeyId(int id) {
    return id >= IDC_DIGIT_FIRST && id <= IDC_DIGIT_LAST;
}

// The 52 keys: digits, point, sign, clears, operators and "=", the notation buttons and their
// steps, the memory keys and the square-root key. The menu and dialog ids that share the
// command range are no keys.
inline constexpr bool IsCalculatorKeyId(int id) {
    return (id >= IDC_DIGIT_FIRST && id <= IDC_EQUALS) ||
           (id >= IDC_NOTATION_FIRST && id <= IDC_MEMORY_RECALL) || id == IDC_SQRT;
}

inline constexpr int CALCULATOR_KEY_COUNT = 52;

// What the dispatcher runs: the keys, and Backspace, which only the keyboard gives.
inline constexpr bool IsCalculatorCommandId(int id) {
    return IsCalculatorKeyId(id) || id == IDK_BACKSPACE;
}

}  // namespace quarnic
