// The engine's process-wide registers, grouped so that tests can make fresh instances.
#pragma once

#include "engine/digit_string.h"

namespace quarnic {

// Everything the arithmetic leaves behind between calls. The programs keep one instance; each
// routine says whether ResultDigits may also be one of its operands.
struct EngineRegisters {
    // The single result register: every producing routine writes its answer here.
    DigitString ResultDigits{};

    // Plain texts of the last answer and of the last square root (FormatAnswerText).
    PlainText ResultPlainText{};
    PlainText SqrtPlainText{};

    // Console form of the answer and the number of its significant digits that fit.
    PlainText ResultConsoleText{};
    int DigitsThatFit = 0;
};

}  // namespace quarnic
