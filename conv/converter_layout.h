// Where the converter's window puts things, in client pixels: its 50 controls, the two consoles
// with their notation rows, the "X" boxes and the bands painted in the console colour. Portable
// arithmetic only; the Win32 side creates and paints from these figures.
#pragma once

#include <array>

#include "common/layout.h"

namespace quarnic {

// The converter's margin rule: a quarter of a key width.
double ConverterSideMargin(int keySampleWidth, int marginSampleWidth);

inline constexpr int CONVERTER_CONTROL_COUNT = 50;

// How each control follows the window's size: the digit and clear keys follow the key grid both
// ways; the From pane stays above it and the To pane (console, row and box) moves down with its
// bottom; the consoles grow with the width and the notation rows stretch with the grid across.
inline constexpr int CONVERTER_RESIZE_RULE_COUNT = CONVERTER_CONTROL_COUNT + 4;
extern const std::array<ResizeRule, CONVERTER_RESIZE_RULE_COUNT> CONVERTER_RESIZE_RULES;

// The key grid of a window whose client area is that much larger than the smallest: the rows
// from the first digit row down to "All Clear" share the extra height.
GridStretch ConverterGridStretch(const KeyGeometry& g, int extraWidth, int extraHeight);
GridStretch ConverterGridStretch(const Layout& layout);

// Every control in creation order ("+" before "-" in each pane); with a grid, where its table
// puts them.
std::array<KeyPlacement, CONVERTER_CONTROL_COUNT> ConverterControls(const KeyGeometry& g,
                                                                    const GridStretch& grid = {});

// The answer console, the To row and the To box are the input console, the From row and the
// From box moved down by this many rows (ConsoleFigureAt, OtherBoxFigureAt).
int AnswerPartOffset(const KeyGeometry& g);

// The carriers of the painted texts over their figures (right and bottom edges included): the
// input and answer consoles, then the From and To boxes of "X".
inline constexpr int CONVERTER_TEXT_CARRIER_COUNT = 4;
std::array<KeyPlacement, CONVERTER_TEXT_CARRIER_COUNT> ConverterTextCarriers(
    const KeyGeometry& g, const GridStretch& grid = {});

// A pane's console (offset 0 or AnswerPartOffset) and its box of "X" in a window of that grid.
ConsoleFigure ConverterConsole(const KeyGeometry& g, int offset, const GridStretch& grid = {});
OtherBoxFigure ConverterOtherBox(const KeyGeometry& g, int offset, const GridStretch& grid = {});

inline constexpr int CONVERTER_BAND_COUNT = 10;

// clientWidth and clientHeight are the client area's size now, the grid's extra size included.
std::array<Band, CONVERTER_BAND_COUNT> ConverterBands(const KeyGeometry& g, int clientWidth,
                                                      int clientHeight,
                                                      const GridStretch& grid = {});

}  // namespace quarnic
