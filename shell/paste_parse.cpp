#include "shell/paste_parse.h"

#include "engine/digit_codec.h"

namespace quarnic {
namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsWhiteSpace(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsWhiteSpace(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

bool IsDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bytes of the UTF-8 sequence that starts at text[at], cut at the end of the text; a stray
// continuation byte counts as one character of its own.
std::string_view CharacterAt(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
    } else if (lead >= 0xE0) {
        length = lead < 0xF0 ? 3 : 1;
    } else if (lead >= 0xC0) {
        length = 2;
    }
    return text.substr(at, length);
}

// Separators people put between digit groups: ASCII ones, and the no-break, thin and
// ideographic spaces of word processors (U+00A0, U+2009, U+202F, U+3000).
bool IsSeparator(std::string_view character) {
    constexpr std::string_view WIDE_SPACES[] = {"\xC2\xA0", "\xE2\x80\x89", "\xE2\x80\xAF",
                                                "\xE3\x80\x80"};
    if (character.size() == 1) {
        const char c = character[0];
        return IsWhiteSpace(c) || c == ',' || c == '_' || c == '\'';
    }
    for (std::string_view space : WIDE_SPACES) {
        if (character == space) {
            return true;
        }
    }
    return false;
}

bool IsDigitOf(char c, int notation) {
    const char upper = UpperDigit(c);
    return IsDigitChar(upper) && DigitValue(upper) < notation;
}

// A trailing " (n)": fills notation and hasSuffix and returns the text before it. A suffix
// whose n is not one or two decimal digits from 2 to 32 is a BadNotation refusal.
std::string_view SplitSuffix(std::string_view text, PastedNumber& number) {
    const std::size_t open = text.rfind('(');
    if (text.back() != ')' || open == std::string_view::npos || open == 0 ||
        text[open - 1] != ' ') {
        return text;
    }
    const std::string_view inside = text.substr(open + 1, text.size() - open - 2);
    int n = -1;
    if (inside.size() == 1 || inside.size() == 2) {
        n = 0;
        for (char c : inside) {
            n = IsDecimalDigit(c) && n >= 0 ? n * 10 + (c - '0') : -1;
        }
    }
    if (n < MIN_NOTATION || n > MAX_NOTATION) {
        number.refusal = PasteRefusal::BadNotation;
        return text;
    }
    number.notation = n;
    number.hasSuffix = true;
    return text.substr(0, open - 1);
}

// Where the digits before and after the point lie, or the first fault.
struct DigitRuns {
    std::string_view integer;
    std::string_view fraction;
};

DigitRuns ScanDigits(std::string_view body, bool pointAllowed, PastedNumber& number) {
    std::size_t point = std::string_view::npos;
    for (std::size_t at = 0; at < body.size(); ++at) {
        const char c = body[at];
        if (IsDigitOf(c, number.notation)) {
            continue;
        }
        if (c == '.' && pointAllowed) {
            if (point != std::string_view::npos) {
                number.refusal = PasteRefusal::SecondPoint;
                return {};
            }
            point = at;
            continue;
        }
        const std::string_view character = CharacterAt(body, at);
        if (IsSeparator(character)) {
            number.refusal = PasteRefusal::SpaceInside;
        } else {
            number.refusal = PasteRefusal::NotADigit;
            number.offending = character;
        }
        return {};
    }
    if (point == std::string_view::npos) {
        return {body, {}};
    }
    return {body.substr(0, point), body.substr(point + 1)};
}

}  // namespace

char UpperDigit(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

PastedNumber ParsePastedNumber(std::string_view text, const PasteRules& rules) {
    PastedNumber number;
    number.notation = rules.notation;
    std::string_view body = Trimmed(text);
    if (body.empty()) {
        number.refusal = PasteRefusal::NoNumber;
        return number;
    }
    body = SplitSuffix(body, number);
    if (!number.Accepted()) {
        return number;
    }
    if (rules.signAndPoint && !body.empty() && body.front() == '-') {
        number.negative = true;
        body.remove_prefix(1);
    }
    const DigitRuns runs = ScanDigits(body, rules.signAndPoint, number);
    if (!number.Accepted()) {
        return number;
    }
    if (runs.integer.empty() && runs.fraction.empty()) {
        number.refusal = PasteRefusal::NoNumber;
        return number;
    }
    number.integerDigits = runs.integer;
    number.fractionDigits = runs.fraction;
    DropLeadingZeros(number.integerDigits);
    DropTrailingZeros(number.fractionDigits);
    if (static_cast<int>(number.integerDigits.size()) > rules.integerDigitLimit ||
        static_cast<int>(number.fractionDigits.size()) > rules.fractionDigitLimit) {
        number.refusal = PasteRefusal::TooManyDigits;
    }
    return number;
}

void DropLeadingZeros(std::string_view& digits) {
    while (!digits.empty() && digits.front() == '0') {
        digits.remove_prefix(1);
    }
}

void DropTrailingZeros(std::string_view& digits) {
    while (!digits.empty() && digits.back() == '0') {
        digits.remove_suffix(1);
    }
}

}  // namespace quarnic
