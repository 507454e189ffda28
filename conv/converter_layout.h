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

// Every control in creation order ("+" before "-" in each pane).
std::array<KeyPlacement, CONVERTER_CONTROL_COUNT> ConverterControls(const KeyGeometry& g);

// The answer console, the To row and the To box are the input console, the From row and the
// From box moved down by this many rows (ConsoleFigureAt, OtherBoxFigureAt).
int AnswerPartOffset(const KeyGeometry& g);

// The carriers of the painted texts over their figures (right and bottom edges included): the
// input and answer consoles, then the From and To boxes of "X".
inline constexpr int CONVERTER_TEXT_CARRIER_COUNT = 4;
std::array<KeyPlacement, CONVERTER_TEXT_CARRIER_COUNT> ConverterTextCarriers(const KeyGeometry& g);

inline constexpr int CONVERTER_BAND_COUNT = 10;

std::array<Band, CONVERTER_BAND_COUNT> ConverterBands(const KeyGeometry& g, int clientWidth,
                                                      int clientHeight);

}  // namespace quarnic
