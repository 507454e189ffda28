// The "All notations" window: the typed number in every notation from 2 to 32 at once, kept in
// step with every key, and choosing or copying one of its lines.
#pragma once

#include <array>
#include <string_view>

#include "common/layout.h"
#include "conv/converter_state.h"
#include "conv/integer_conversion.h"

namespace quarnic {

inline constexpr int FIRST_LISTED_NOTATION = 2;  // on line 0; notation 32 is on the last line

constexpr int NotationOfLine(int line) {
    return FIRST_LISTED_NOTATION + line;
}

// 64 binary digits in groups of four take 16 groups and 15 spaces between them.
inline constexpr int GROUP_SIZE = 4;
inline constexpr int GROUPED_DIGITS_WIDTH = MAX_TYPED_DIGITS + MAX_TYPED_DIGITS / GROUP_SIZE - 1;

using GroupedDigits = std::array<char, GROUPED_DIGITS_WIDTH + 1>;

// The typed number in the notation, plain digits, most significant first; empty with nothing
// typed. Every typed number is below 2^64, so no notation needs more than 64 digits.
NotationDigits TypedNumberIn(const Converter& converter, int notation);

// The digits in groups of four counted from the right, a space between groups: "7 FFFF".
GroupedDigits GroupDigits(std::string_view digits);

// How wide the digit column is: the typed number in notation 2, grouped, is the longest line.
int AllNotationsDigitsWidth(const Converter& converter);

// One line of the list: the notation right-aligned in two places, two spaces, the grouped
// digits right-aligned in the digit column (so that the groups of every line stand under each
// other and the marks in a column behind them), then "From" and "To" where the panes select
// the line's notation, each after two spaces.
AllNotationsLine AllNotationsLineText(const Converter& converter, int notation, int digitsWidth);

// A line as long as any line can be: 64 digits and both marks. The window measures it to make
// its list wide enough.
AllNotationsLine WidestAllNotationsLine(bool japanese);

// The window as its template places it (at the window's DPI), and that fitted to the list's
// lines: the list grows to show all 31 lines and the widest line whole without a scroll bar, the
// Copy button under it and the client area follow. listFrame is what the list's border takes
// of its width and height; the list draws its lines a few pixels in from its left edge.
struct AllNotationsPlaces {
    PixelRect list;
    PixelRect copy;
    int clientWidth = 0;
    int clientHeight = 0;
};
inline constexpr int LIST_TEXT_MARGIN = 6;
AllNotationsPlaces FitAllNotationsList(const AllNotationsPlaces& templatePlaces, int listFrameWidth,
                                       int listFrameHeight, int widestLine, int lineHeight);

// Ctrl+L and the system-menu item: shows the window (brings it to the front when it is open)
// and fills every line.
void OpenAllNotations(Converter& converter);
// The window closed (Esc, its close box, or the main window going away).
void CloseAllNotations(Converter& converter);
// After every key: each line whose text changed goes to the window while it is open.
void RefreshAllNotations(Converter& converter);

// Ctrl+C or "Copy": the line's number as "FF (16)", plain digits and the notation, which both
// programs' Paste read. With nothing typed there is nothing to copy.
void CopyAllNotationsLine(Converter& converter, int notation);

}  // namespace quarnic
