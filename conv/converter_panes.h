// The converter's two rows of notation buttons.
#pragma once

#include "common/notation.h"
#include "conv/conv_ids.h"

namespace quarnic {

inline constexpr NotationPane FROM_PANE{IDC_CONV_FROM_2, IDC_CONV_FROM_STEP_DOWN,
                                        IDC_CONV_FROM_STEP_UP};
inline constexpr NotationPane TO_PANE{IDC_CONV_TO_2, IDC_CONV_TO_STEP_DOWN, IDC_CONV_TO_STEP_UP};

}  // namespace quarnic
