#include "history/history_entry.h"

#include <charconv>

#include "common/paste_parse.h"
#include "engine/digit_codec.h"
#include "engine/digit_text.h"
#include "engine/fixed_text.h"

namespace quarnic {
namespace {

constexpr std::string_view ROOTS_MARK = " time(s) SQRT : ";
constexpr int MOST_INTEGER_DIGITS = INTEGER_PLACES;
constexpr int MOST_FRACTION_DIGITS = DIGIT_PLACES - INTEGER_PLACES;
constexpr std::size_t GROUP = 5;
constexpr std::size_t GROUPS_A_LINE = 10;
constexpr std::size_t DIGITS_A_LINE = GROUP * GROUPS_A_LINE;
constexpr std::string_view ELLIPSIS = "\xE2\x80\xA6";  // "…"
constexpr std::size_t SHORT_HEAD = 16;
constexpr std::size_t SHORT_TAIL = 6;

bool ReadDecimal(std::string_view text, int& value) {
    if (text.empty() || text.size() > 4) {
        return false;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// Digits as the calculator writes them: upper case, each below the notation.
bool AreDigitsOf(std::string_view digits, int notation) {
    for (char c : digits) {
        if (!IsDigitChar(c) || DigitValue(c) >= notation) {
            return false;
        }
    }
    return true;
}

// "[-]D[.D] (n)" at the start of text; `rest` is what follows the ")".
bool ReadNumber(std::string_view text, EntryNumber& number, std::string_view& rest) {
    const std::size_t open = text.find(" (");
    const std::size_t close = text.find(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return false;
    }
    if (!ReadDecimal(text.substr(open + 2, close - open - 2), number.notation) ||
        number.notation < 2 || number.notation > 32) {
        return false;
    }
    std::string_view digits = text.substr(0, open);
    number.negative = !digits.empty() && digits.front() == '-';
    if (number.negative) {
        digits.remove_prefix(1);
    }
    const std::size_t point = digits.find('.');
    number.integer = digits.substr(0, point);
    number.fraction =
        point == std::string_view::npos ? std::string_view() : digits.substr(point + 1);
    if (number.integer.empty() || (point != std::string_view::npos && number.fraction.empty())) {
        return false;
    }
    std::string_view significant = number.integer;
    while (significant.size() > 1 && significant.front() == '0') {
        significant.remove_prefix(1);
    }
    if (significant.size() > MOST_INTEGER_DIGITS || number.fraction.size() > MOST_FRACTION_DIGITS ||
        !AreDigitsOf(number.integer, number.notation) ||
        !AreDigitsOf(number.fraction, number.notation)) {
        return false;
    }
    rest = text.substr(close + 1);
    return true;
}

bool ReadLine(std::string_view text, EntryLine& line) {
    if (text.size() > ENTRY_LINE_LIMIT) {
        return false;
    }
    std::string_view rest;
    const std::size_t mark = text.find(ROOTS_MARK);
    if (mark != std::string_view::npos) {
        line.kind = EntryLineKind::Roots;
        return ReadDecimal(text.substr(0, mark), line.rootCount) && line.rootCount > 0 &&
               ReadNumber(text.substr(mark + ROOTS_MARK.size()), line.number, rest) &&
               rest.empty() && !line.number.negative;
    }
    if (!ReadNumber(text, line.number, rest)) {
        return false;
    }
    if (rest.empty()) {
        line.kind = EntryLineKind::Number;
        return true;
    }
    if (rest == " =") {
        line.kind = EntryLineKind::SecondOperand;
        return true;
    }
    if (rest.size() == 2 && rest[0] == ' ' &&
        std::string_view("+-*/").find(rest[1]) != std::string_view::npos) {
        line.kind = EntryLineKind::FirstOperand;
        line.op = rest[1];
        return true;
    }
    return false;
}

bool HasEntryShape(const std::vector<EntryLine>& lines) {
    using K = EntryLineKind;
    const std::size_t n = lines.size();
    if (n == 2) {
        return lines[0].kind == K::Number && lines[1].kind == K::Roots;
    }
    if (n != 3 && n != 4) {
        return false;
    }
    return lines[0].kind == K::FirstOperand && lines[1].kind == K::SecondOperand &&
           lines[2].kind == K::Number && (n == 3 || lines[3].kind == K::Roots);
}

std::string ShortNumberText(const EntryNumber& number) {
    std::string text = PlainNumberText(number);
    if (text.size() > SHORT_NUMBER_LIMIT) {
        text = text.substr(0, SHORT_HEAD) + std::string(ELLIPSIS) +
               text.substr(text.size() - SHORT_TAIL);
    }
    return text + " (" + std::to_string(number.notation) + ")";
}

void PutGroups(std::string& out, std::string_view digits) {
    for (std::size_t at = 0; at < digits.size(); at += GROUP) {
        if (at > 0) {
            out += ' ';
        }
        out += digits.substr(at, GROUP);
    }
}

// Integer digits in groups counted from the point: the first group of a line may be short.
void PutIntegerLines(std::string& out, std::string_view integer) {
    std::size_t firstLine = integer.size() % DIGITS_A_LINE;
    if (firstLine == 0) {
        firstLine = DIGITS_A_LINE;
    }
    for (std::size_t at = 0; at < integer.size();) {
        const std::size_t count = at == 0 ? firstLine : DIGITS_A_LINE;
        const std::string_view part = integer.substr(at, count);
        const std::size_t head = part.size() % GROUP;
        if (head != 0) {
            out += part.substr(0, head);
        }
        if (part.size() > head) {
            if (head != 0) {
                out += ' ';
            }
            PutGroups(out, part.substr(head));
        }
        at += count;
        if (at < integer.size()) {
            out += "\r\n";
        }
    }
}

void PutPlaceNumber(std::string& out, std::size_t place) {
    const std::string number = std::to_string(place);
    out.append(number.size() < 3 ? 3 - number.size() : 0, ' ');
    out += number;
    out += "  ";
}

// A number and what follows it on its line (" +", " ="); true when it took more than a line.
bool PutGroupedNumber(std::string& out, const EntryNumber& number, std::string_view after) {
    if (number.negative) {
        out += '-';
    }
    PutIntegerLines(out, number.integer);
    const bool longFraction = number.fraction.size() > DIGITS_A_LINE;
    if (!number.fraction.empty()) {
        out += '.';
    }
    if (!longFraction) {
        PutGroups(out, number.fraction);
    } else {
        for (std::size_t at = 0; at < number.fraction.size(); at += DIGITS_A_LINE) {
            out += "\r\n";
            PutPlaceNumber(out, at + 1);
            PutGroups(out, number.fraction.substr(at, DIGITS_A_LINE));
        }
    }
    out += " (" + std::to_string(number.notation) + ")";
    out += after;
    out += "\r\n";
    return longFraction || number.integer.size() > DIGITS_A_LINE;
}

}  // namespace

bool ParseEntryText(std::string_view text, std::vector<EntryLine>& lines) {
    lines.clear();
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos || end == 0 || lines.size() == 4) {
            return false;
        }
        EntryLine line;
        if (!ReadLine(text.substr(0, end), line)) {
            return false;
        }
        lines.push_back(line);
        text.remove_prefix(end + 2);
    }
    return HasEntryShape(lines);
}

const EntryNumber& ShownNumberOf(const std::vector<EntryLine>& lines) {
    return lines.back().kind == EntryLineKind::Roots || lines.size() < 3 ? lines.back().number
                                                                         : lines[2].number;
}

void PlaceEntryDigits(const EntryNumber& number, DigitString& digits, int& sign) {
    // Leading zeros are no digits of the 300 an integer part may have.
    EntryNumber significant = number;
    DropLeadingZeros(significant.integer);
    ParseOperandText(PlainNumberText(significant), true, digits, sign);
}

std::string PlainNumberText(const EntryNumber& number) {
    std::string text;
    StringTextWriter out(text);
    SpellNumber(out, number.negative, number.integer, number.fraction);
    return text;
}

std::string OneLineForm(const std::vector<EntryLine>& lines) {
    std::string text;
    for (const EntryLine& line : lines) {
        if (!text.empty()) {
            text += ' ';
        }
        if (line.kind == EntryLineKind::Roots) {
            text += "\xE2\x88\x9A\xC3\x97" + std::to_string(line.rootCount) + " = ";  // "√×"
        }
        text += ShortNumberText(line.number);
        if (line.kind == EntryLineKind::FirstOperand) {
            text += ' ';
            text += line.op;
        } else if (line.kind == EntryLineKind::SecondOperand) {
            text += " =";
        }
    }
    return text;
}

std::string ListLineOf(std::string_view entryText) {
    std::vector<EntryLine> lines;
    return ParseEntryText(entryText, lines) ? OneLineForm(lines) : std::string(entryText);
}

std::string GroupedForm(const std::vector<EntryLine>& lines) {
    std::string text;
    bool spaced = false;
    for (const EntryLine& line : lines) {
        std::string_view after;
        std::string number;
        if (line.kind == EntryLineKind::Roots) {
            number = std::to_string(line.rootCount) + " time(s) SQRT :\r\n";
        }
        if (line.kind == EntryLineKind::FirstOperand) {
            after = line.op == '+' ? " +" : line.op == '-' ? " -" : line.op == '*' ? " *" : " /";
        } else if (line.kind == EntryLineKind::SecondOperand) {
            after = " =";
        }
        const bool tall = PutGroupedNumber(number, line.number, after);
        // A number over several lines is set apart from its neighbours by an empty line.
        if (!text.empty() && (tall || spaced)) {
            text += "\r\n";
        }
        text += number;
        spaced = tall;
    }
    return text;
}

}  // namespace quarnic
