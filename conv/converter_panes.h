// The converter's two rows of notation buttons.
#pragma once

#include "conv/conv_ids.h"
#include "conv/converter_view.h"
#include "shell/notation.h"

namespace quarnic {

inline constexpr NotationPane FROM_PANE{IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_DOWN,
                                        IDC_CONV_FROM_STEP_UP};
inline constexpr NotationPane TO_PANE{IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP};

inline constexpr const NotationPane& ButtonsOf(ConverterPane pane) {
    return pane == ConverterPane::From ? FROM_PANE : TO_PANE;
}

}  // namespace quarnic
