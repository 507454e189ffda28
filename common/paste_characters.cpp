#include "common/paste_characters.h"

namespace quarnic {
namespace {

constexpr char32_t NO_CODE_POINT = 0xFFFFFFFF;

bool IsContinuation(unsigned char byte) {
    return byte >= 0x80 && byte < 0xC0;
}

// Bytes of the UTF-8 sequence that starts at text[at], cut at the end of the text; a stray
// continuation byte, or a lead byte no sequence begins with, counts as one character.
std::size_t SequenceLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xC0 && lead < 0xE0) {
        length = 2;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
    }
    return text.size() - at < length ? text.size() - at : length;
}

char32_t CodePointOf(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    if (lead < 0x80) {
        return lead;
    }
    const std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead < 0xC0 || bytes.size() != length) {
        return NO_CODE_POINT;
    }
    char32_t code = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (!IsContinuation(byte)) {
            return NO_CODE_POINT;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    // An overlong form is no character: C0 AE must not pass for ".".
    constexpr char32_t SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
    return code < SMALLEST[length] ? NO_CODE_POINT : code;
}

struct Kinded {
    PasteCharacterKind kind;
    char ascii;
};

Kinded AsciiKind(char c) {
    using Kind = PasteCharacterKind;
    const char upper = UpperDigit(c);
    if ((upper >= '0' && upper <= '9') || (upper >= 'A' && upper <= 'Z')) {
        return {Kind::Alphanumeric, upper};
    }
    switch (c) {
        case '-':
            return {Kind::Minus, c};
        case '.':
            return {Kind::Point, c};
        case ',':
            return {Kind::Comma, c};
        case ' ':
            return {Kind::Space, c};
        case '_':
        case '\'':
            return {Kind::Mark, c};
        case '\r':
        case '\n':
            return {Kind::LineBreak, c};
        case '\t':
        case '\v':
        case '\f':
            return {Kind::Blank, c};
        default:
            return {Kind::Other, c};
    }
}

// U+FF01..U+FF5E are the full-width forms of "!".."~", in ASCII order.
constexpr char32_t FULL_WIDTH_FIRST = 0xFF01;
constexpr char32_t FULL_WIDTH_LAST = 0xFF5E;

Kinded KindOf(char32_t code) {
    using Kind = PasteCharacterKind;
    if (code < 0x80) {
        return AsciiKind(static_cast<char>(code));
    }
    if (code >= FULL_WIDTH_FIRST && code <= FULL_WIDTH_LAST) {
        const Kinded twin = AsciiKind(static_cast<char>(code - FULL_WIDTH_FIRST + '!'));
        // Only the twins of digits, letters, "-", "." and "," stand for them.
        return twin.kind == Kind::Mark ? Kinded{Kind::Other, '\0'} : twin;
    }
    if (code >= 0x2080 && code <= 0x2089) {
        return {Kind::Subscript, static_cast<char>('0' + (code - 0x2080))};
    }
    switch (code) {
        case 0x2212:
            return {Kind::Minus, '-'};
        case 0x00A0:
        case 0x2009:
        case 0x202F:
            return {Kind::Space, ' '};
        case 0x3000:
            return {Kind::Blank, ' '};
        default:
            return {Kind::Other, '\0'};
    }
}

}  // namespace

char UpperDigit(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

PasteCharacter ReadPasteCharacter(std::string_view text, std::size_t at) {
    PasteCharacter character;
    character.bytes = text.substr(at, SequenceLength(text, at));
    const char32_t code = CodePointOf(character.bytes);
    if (code != NO_CODE_POINT) {
        const Kinded kinded = KindOf(code);
        character.kind = kinded.kind;
        character.ascii = kinded.ascii;
    }
    return character;
}

PasteCharacter LastPasteCharacter(std::string_view text) {
    std::size_t at = text.size() - 1;
    for (int back = 0; back < 3 && at > 0 && IsContinuation(static_cast<unsigned char>(text[at]));
         ++back) {
        --at;
    }
    const PasteCharacter character = ReadPasteCharacter(text, at);
    if (at + character.bytes.size() == text.size()) {
        return character;
    }
    return ReadPasteCharacter(text, text.size() - 1);
}

}  // namespace quarnic
