// Which command ids are keys of the converter. conv_ids.h stays plain C for the resource
// compiler, so the answer lives here beside it, and everything that asks uses this one.
#pragma once

#include "conv/conv_ids.h"

namespace quarnic {

inline constexpr bool IsConverterDigitKeyId(int id) {
    return id >= IDC_CONV_DIGIT_0 && id <= IDC_CONV_DIGIT_LAST;
}

// The 50 keys: digits, the two clears, and each pane's notation buttons and steps.
inline constexpr bool IsConverterKeyId(int id) {
    return id >= IDC_CONV_FIRST && id <= IDC_CONV_LAST;
}

inline constexpr int CONVERTER_KEY_COUNT = IDC_CONV_LAST - IDC_CONV_FIRST + 1;

}  // namespace quarnic
