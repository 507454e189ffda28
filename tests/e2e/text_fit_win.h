// Whether texts fit where another program shows them. The driver runs in the program's prefix at
// the same DPI, so a font made here from the same face and size has the program's metrics.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace quarnic::e2e {

// The DPI, the menu and caption heights and the system font's height and average width, as JSON.
std::string DescribeScreenMetrics();

// Every child control of the main window with its caption's extent in the system font (the font
// a button draws with when none is set): [{id, kind, text, rect, text_size, ink_rows}], where
// ink_rows are the first and the end row the glyphs' ink covers within the text's line.
std::string DescribeKeyCaptions(HWND main);

// What the programs' layout rules measure, at each DPI, in the system font made for that DPI as
// the programs make it: the menu and caption heights, the key-width and margin samples, the step
// keys' caption ink and every key caption's extent. Recorded into the portable layout tests.
std::string DescribeLayoutMetrics(const std::vector<int>& dpis);

// Every static text of the dialog wrapped to its width in FACE at POINTS, as the dialog manager
// makes the font: [{id, text, room: [w, h], needed: [w, h]}].
std::string DescribeDialogTextFit(HWND dialog, const std::wstring& face, int points);

}  // namespace quarnic::e2e
