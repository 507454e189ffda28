// Fixed, NUL-terminated text buffers, as both programs and the engine keep their texts: a
// buffer of N bytes holds at most N - 1 characters and the NUL after them. Nothing here
// allocates, and nothing writes past a buffer's last byte: a text that does not fit is cut.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace quarnic {

// Characters before the first NUL, never reading past the buffer.
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

// Zero-fills from `length` on, so the text keeps its first `length` characters.
template <std::size_t N>
void CutText(std::array<char, N>& buffer, int length) {
    std::fill(buffer.begin() + length, buffer.end(), '\0');
}

// Zero-fills the buffer and copies in as much of text as fits before the NUL.
template <std::size_t N>
void SetText(std::array<char, N>& buffer, std::string_view text) {
    buffer.fill('\0');
    const std::size_t count = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(buffer.data(), text.data(), count);
}

// Appends one character when there is room for it and the NUL; returns whether it did.
template <std::size_t N>
bool AppendChar(std::array<char, N>& buffer, char c) {
    const std::size_t length = BoundedLength(buffer);
    if (length + 1 >= N) {
        return false;
    }
    buffer[length] = c;
    buffer[length + 1] = '\0';
    return true;
}

// Writes on after the text already in a buffer whose bytes past the text are NUL (as every
// cleared or SetText buffer's are). What no longer fits before the last byte is dropped.
template <std::size_t N>
class FixedTextWriter {
  public:
    explicit FixedTextWriter(std::array<char, N>& buffer)
        : buffer_(buffer), length_(BoundedLength(buffer) < N ? BoundedLength(buffer) : N - 1) {}

    void Put(char c) {
        if (length_ + 1 < N) {
            buffer_[length_++] = c;
        }
    }
    void Put(std::string_view part) {
        for (char c : part) {
            Put(c);
        }
    }
    void PutDecimal(int value) {
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        Put(std::string_view(digits, static_cast<std::size_t>(end - digits)));
    }
    int Length() const { return static_cast<int>(length_); }

  private:
    std::array<char, N>& buffer_;
    std::size_t length_;
};

// The same writing onto a string, for texts with no fixed bound worth a buffer.
class StringTextWriter {
  public:
    explicit StringTextWriter(std::string& text) : text_(text) {}
    void Put(char c) { text_ += c; }
    void Put(std::string_view part) { text_ += part; }
    void PutDecimal(int value) {
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        text_.append(digits, static_cast<std::size_t>(end - digits));
    }

  private:
    std::string& text_;
};

}  // namespace quarnic
