// One character of pasted text, read for what it stands for in a number. Numbers come from
// source code, word processors, web pages and Japanese input methods, so the full-width forms
// are their ASCII twins, the typographic minus is "-", and the spaces of typesetting are
// spaces.
#pragma once

#include <cstddef>
#include <string_view>

namespace quarnic {

enum class PasteCharacterKind {
    Alphanumeric,  // "0".."9" and "A".."Z" in either case, ASCII or full-width
    Minus,         // "-", U+2212 (minus sign), U+FF0D (full-width hyphen-minus)
    Point,         // ".", U+FF0E
    Comma,         // ",", U+FF0C
    Space,         // " ", U+00A0, U+2009, U+202F: a digit-group separator that is a blank
    Mark,          // "_" and "'": a digit-group separator that is no blank
    LineBreak,     // CR or LF; a CR LF is two of them
    Blank,         // tab, VT, FF, U+3000: blank, but no digit-group separator on its own
    Subscript,     // U+2080..U+2089
    Other,
};

struct PasteCharacter {
    std::string_view bytes;  // as pasted: one UTF-8 sequence, or one byte that begins none
    PasteCharacterKind kind = PasteCharacterKind::Other;
    char ascii = '\0';  // Alphanumeric: the digit or upper-case letter; Subscript: the digit
};

// The digit character (upper case) of a pasted digit in either case.
char UpperDigit(char c);

// The character whose bytes begin at text[at] (at < text.size()).
PasteCharacter ReadPasteCharacter(std::string_view text, std::size_t at);

// The last character of a text that is not empty.
PasteCharacter LastPasteCharacter(std::string_view text);

}  // namespace quarnic
