// Reading an entry's text back (its lines as "Save answer" writes them, every place kept), and
// the two forms the history window shows: one line per entry, and every digit in groups.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/digit_string.h"

namespace quarnic {

// A number of an entry as written: "-", integer digits, "." and fraction digits, " (n)".
struct EntryNumber {
    bool negative = false;
    std::string_view integer;   // at least one digit
    std::string_view fraction;  // empty without a point
    int notation = 10;
};

enum class EntryLineKind {
    FirstOperand,   // "12 (10) +"
    SecondOperand,  // "3 (10) ="
    Number,         // "15 (10)": the answer, or the number a run of roots started from
    Roots,          // "2 time(s) SQRT : 1.96 (10)"
};

struct EntryLine {
    EntryLineKind kind = EntryLineKind::Number;
    EntryNumber number;
    char op = '\0';     // FirstOperand: "+", "-", "*" or "/"
    int rootCount = 0;  // Roots
};

// The longest line an entry may have: a root count, the root with 300 + 900 digits and its
// notation, with room to spare. Anything longer is not an entry's line.
inline constexpr std::size_t ENTRY_LINE_LIMIT = 1300;

// Reads the text of an entry (lines ending in CR LF, no empty line): a calculation
// (first operand, second operand, answer, optionally the roots of the answer) or a run of roots
// (a number, then its roots). False for anything else, including a digit the number's
// notation does not have, more than 300 integer or 900 fraction digits, or a notation outside
// 2..32. The views point into text.
bool ParseEntryText(std::string_view text, std::vector<EntryLine>& lines);

// The entry's last number, the one the window shows in another notation, recalls and copies:
// the latest root, else the answer.
const EntryNumber& ShownNumberOf(const std::vector<EntryLine>& lines);

// The number's digits on their places, and its sign (+1 or -1). The number must have been read
// by ParseEntryText.
void PlaceEntryDigits(const EntryNumber& number, DigitString& digits, int& sign);

// "-X.Y" without the notation, as written.
std::string PlainNumberText(const EntryNumber& number);

// One line: "12 (10) + 3 (10) = 15 (10)", roots as "√×2 = 1.96 (10)"; a number longer than
// SHORT_NUMBER_LIMIT characters keeps its first and last digits around "…". UTF-8.
inline constexpr std::size_t SHORT_NUMBER_LIMIT = 24;
std::string OneLineForm(const std::vector<EntryLine>& lines);

// The history list's line for an entry's text: its one-line form, or the text as it stands
// when it does not read as an entry.
std::string ListLineOf(std::string_view entryText);

// Every number with every digit, in groups of five counted from the point, ten groups a line.
// A fraction longer than one line continues on lines that begin with the place number of their
// first digit (1, 51, 101, ...), right-aligned. Lines end in CR LF.
std::string GroupedForm(const std::vector<EntryLine>& lines);

}  // namespace quarnic
