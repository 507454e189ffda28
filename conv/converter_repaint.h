// What the window shows of the converter's state.
#pragma once

#include "conv/converter_state.h"

namespace quarnic {

// The logic's part of WM_PAINT, after the background: both consoles with their texts and both
// "X" boxes, which show the pane's selection while it has no button of its own.
void RepaintConverterContents(const Converter& converter);

// The box beside a pane's "X": the selection when it has no button of its own, else empty.
OtherLabel OtherBoxLabel(const ConverterState& state, ConverterPane pane);
// Sends the window what changed of the keys, checks, "Co&py answer" and "X" boxes.
void ShowControls(Converter& converter);

}  // namespace quarnic
