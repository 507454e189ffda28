// Appending to a fixed plain-text buffer without ever running past its last usable byte.
#pragma once

#include <charconv>
#include <cstring>
#include <string_view>

#include "engine/digit_string.h"

namespace quarnic {

class TextBuilder {
  public:
    // Continues after the text already in the buffer.
    explicit TextBuilder(PlainText& text)
        : text_(text), length_(static_cast<int>(strnlen(text.data(), PLAIN_TEXT_BYTES - 1))) {}

    // Empties the buffer (every byte NUL) and starts at its beginning.
    static TextBuilder Cleared(PlainText& text) {
        text.fill('\0');
        return TextBuilder(text);
    }

    void Put(char c) {
        if (length_ < PLAIN_TEXT_BYTES - 1) {
            text_[length_++] = c;
        }
    }
    void Put(std::string_view s) {
        for (char c : s) {
            Put(c);
        }
    }
    void PutDecimal(int value) {
        char digits[16];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        Put(std::string_view(digits, static_cast<size_t>(end - digits)));
    }
    // count characters of a digit string from place `from`, stopping at its end.
    void PutPlaces(const DigitString& digits, int from, int count) {
        for (int p = from; p < from + count && p < DIGIT_PLACES; ++p) {
            Put(digits[p]);
        }
    }

  private:
    PlainText& text_;
    int length_;
};

}  // namespace quarnic
