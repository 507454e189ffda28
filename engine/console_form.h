// The short console form of the answer in ResultDigits.
#pragma once

#include <array>
#include <string_view>

#include "engine/digit_string.h"
#include "engine/engine_registers.h"

namespace quarnic {

// Pixel width of a text in the console's font. The window measures with its own font; the
// script runner and the tests with a fixed pitch.
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual int TextWidth(std::string_view text) const = 0;
};

// Sets DigitsThatFit: how many significant digits of ResultDigits, with a point and a minus
// sign when sign is -1, fit on a console consoleWidth pixels wide (its frame's span; ten key
// widths in the smallest window) beside room for an exponent suffix. 0 for a zero answer.
void FitDigitsToConsole(EngineRegisters& regs, const TextMeasurer& measurer, int consoleWidth,
                        int sign);

// How many digits the console has room for beside a point and an exponent suffix, whatever the
// number on show: a run of the notation's top digit (notation - 1) measured in its font.
int ConsoleCapacity(const TextMeasurer& measurer, int consoleWidth, int notation);

// When ResultDigits ends in a run of top digits (notation - 1) that reaches its last place
// `lastPlace` (1199 for an answer, the root's last place for a root), is at least `capacity`
// long and starts after place 0, drops the run and adds one unit in the place before it: a
// console full of that run's digits would show nothing else.
void RoundUpTopDigitRun(EngineRegisters& regs, int notation, int capacity,
                        int lastPlace = DIGIT_PLACES - 1);

// Writes into ResultConsoleText the console form of ResultDigits with its sign: the
// DigitsThatFit leading significant digits, without the zeros they end in, with the point and,
// where digits are cut off or skipped, the suffix " <symbol>^<decimal exponent>". A number
// below one whose first digit lies past the first fraction place shows that digit first
// ("1.23 10^-3"), down to the 900th place. Mantissa and exponent are worked out as numbers and
// written once; never past the buffer's last byte.
void FormatConsoleNumber(EngineRegisters& regs, int sign, int notation);

// The exponent symbol of a notation: "2".."9", "10", then "B".."W" for 11..32; empty for any
// other value.
using NotationSymbolText = std::array<char, 3>;
void NotationSymbol(int notation, NotationSymbolText& symbol);

// Whether the top run of (notation - 1) digits that fills the console is rounded up. A computed
// answer is; a pasted number keeps the value it was given.
enum class TopDigitRun { RoundUp, Keep };

// The whole sequence for a shown answer: RoundUpTopDigitRun up to lastPlace against the
// console's capacity (unless kept), FitDigitsToConsole, FormatAnswerText into `destination`,
// FormatConsoleNumber.
void FormatAnswerForConsole(EngineRegisters& regs, const TextMeasurer& measurer, int consoleWidth,
                            int sign, int notation, int destination,
                            TopDigitRun run = TopDigitRun::RoundUp,
                            int lastPlace = DIGIT_PLACES - 1);

}  // namespace quarnic
