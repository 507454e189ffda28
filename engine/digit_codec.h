// Digit characters "0".."9", "A".."V" for the values 0..31, shared by both programs.
#pragma once

namespace quarnic {

inline constexpr int MIN_NOTATION = 2;
inline constexpr int MAX_NOTATION = 32;

// Value of a digit character. Anything that is not one of the 32 digit characters
// (lower case included) counts as 0, so a stray byte can never index past a table. Inline:
// the arithmetic reads every place of its operands through it.
inline int DigitValue(char c) {
    return c >= '0' && c <= '9' ? c - '0' : (c >= 'A' && c <= 'V' ? c - 'A' + 10 : 0);
}

// Character for a digit value. The engine only asks for values below the notation; anything
// else still gives a digit character: "V" above 31, "0" below 0, never a byte outside the
// digit alphabet.
inline char DigitChar(int value) {
    return static_cast<char>(value < 10 ? '0' + (value < 0 ? 0 : value)
                                        : 'A' - 10 + (value < 32 ? value : 31));
}

bool IsDigitChar(char c);

}  // namespace quarnic
