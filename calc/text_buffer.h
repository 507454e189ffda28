// Small helpers for the calculator's fixed, NUL-terminated text buffers. A buffer of N bytes
// holds at most N - 1 characters; every new text is copied into a zero-filled buffer.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string_view>

namespace quarnic {

template <std::size_t N>
std::size_t BoundedLength(const std::array<char, N>& buffer) {
    std::size_t length = 0;
    while (length < N && buffer[length] != '\0') {
        ++length;
    }
    return length;
}

template <std::size_t N>
std::string_view TextOf(const std::array<char, N>& buffer) {
    return std::string_view(buffer.data(), BoundedLength(buffer));
}

template <std::size_t N>
int TextLength(const std::array<char, N>& buffer) {
    return static_cast<int>(BoundedLength(buffer));
}

template <std::size_t N>
bool IsEmptyText(const std::array<char, N>& buffer) {
    return buffer[0] == '\0';
}

template <std::size_t N>
void ClearText(std::array<char, N>& buffer) {
    buffer.fill('\0');
}

// A text that does not fit is cut to the buffer's N - 1 characters, so the NUL always stays.
template <std::size_t N>
void SetText(std::array<char, N>& buffer, std::string_view text) {
    buffer.fill('\0');
    std::size_t count = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(buffer.data(), text.data(), count);
}

// Appends one character when there is room for it and the NUL; returns whether it did.
template <std::size_t N>
bool AppendChar(std::array<char, N>& buffer, char c) {
    std::size_t length = BoundedLength(buffer);
    if (length + 1 >= N) {
        return false;
    }
    buffer[length] = c;
    buffer[length + 1] = '\0';
    return true;
}

}  // namespace quarnic
