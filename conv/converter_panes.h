// The converter's two rows of notation buttons, and the text helpers its handlers share.
#pragma once

#include <array>
#include <cstring>

#include "conv/conv_ids.h"
#include "shell/notation.h"

namespace quarnic {

inline constexpr NotationPane FROM_PANE{IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_DOWN,
                                        IDC_CONV_FROM_STEP_UP};
inline constexpr NotationPane TO_PANE{IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP};

// Length of a NUL-terminated text in a fixed buffer, never reading past the buffer.
template <std::size_t N>
int TextLength(const std::array<char, N>& text) {
    int length = 0;
    while (length < static_cast<int>(N) && text[length] != '\0') {
        ++length;
    }
    return length;
}

// Zero-fills the buffer and copies in as much of source as fits with its terminator.
template <std::size_t N>
void SetText(std::array<char, N>& text, const char* source) {
    text.fill('\0');
    std::strncpy(text.data(), source, N - 1);
}

}  // namespace quarnic
