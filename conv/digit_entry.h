// Digit keys, the digit limit and showing the conversion of the typed number.
#pragma once

#include "conv/converter_state.h"

namespace quarnic {

// Digit entry and conversion.
void OnDigitKey(Converter& converter, char digit);
// The typed number in the To notation, or the error text when it cannot be converted.
void ConvertAndShow(Converter& converter);
void ShowError(Converter& converter);
// The typing warning for a number of the notation and digit limit.
void ShowDigitWarning(Converter& converter, int notation, int maxDigits);

}  // namespace quarnic
