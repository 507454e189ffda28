// Rules the calculator's record and keys keep between any two commands, whatever was pressed
// before. The hardening tests and the fuzz targets check them after every key.
#pragma once

#include <string>

#include "calc/calculator_state.h"
#include "tests/kit/recording_calculator_view.h"

namespace quarnic {

// The first broken rule, described for a person reading a failure report, or an empty text
// when every rule holds.
std::string FindCalculatorViolation(const Calculator& calc, const RecordingCalculatorView& view);

}  // namespace quarnic
