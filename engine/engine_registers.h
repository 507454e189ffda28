// The engine's process-wide registers, grouped so that tests can make fresh instances.
#pragma once

#include "engine/digit_string.h"

namespace quarnic {

// Everything the arithmetic reads and writes between calls. The programs keep one instance;
// callers never pass a register of this record as an operand of a routine that writes it.
struct EngineRegisters {
    // The single result register: every producing routine writes its answer here.
    DigitString ResultDigits{};

    // Scratch for multiplication (running sum, partial product) and division (remainder,
    // shifted divisor, raw quotient counts).
    DigitString WorkDigits{};
    DigitString PartialDigits{};
    DigitString QuotientDigits{};

    // Written by PrepareConversion: the truncated source, how many significant digits of it
    // are converted and how many fraction places those digits reach.
    DigitString ConversionDigits{};
    int ConversionDigitCount = 0;
    int ConversionFractionCount = 0;

    // Plain texts of the last answer and of the last square root (FormatAnswerText).
    PlainText ResultPlainText{};
    PlainText SqrtPlainText{};

    // Console form of the answer and the number of its significant digits that fit.
    PlainText ResultConsoleText{};
    int DigitsThatFit = 0;
};

}  // namespace quarnic
