#include "common/notation.h"

#include <cstdio>

namespace quarnic {

bool HasOwnButton(int notation) {
    for (int fixed : FIXED_NOTATIONS) {
        if (fixed == notation) {
            return true;
        }
    }
    return false;
}

bool IsValidNotation(int notation) {
    return notation >= MIN_NOTATION && notation <= MAX_NOTATION;
}

int NextOtherNotation(int notation) {
    int next = notation;
    do {
        next = next >= MAX_NOTATION ? 3 : next + 1;
    } while (HasOwnButton(next) || next < 3);
    return next;
}

int PreviousOtherNotation(int notation) {
    int previous = notation;
    do {
        previous = previous <= 3 ? MAX_NOTATION : previous - 1;
    } while (HasOwnButton(previous) || previous > MAX_NOTATION);
    return previous;
}

int SteppedOtherNotation(int notation, StepDirection direction) {
    return direction == StepDirection::Up ? NextOtherNotation(notation)
                                          : PreviousOtherNotation(notation);
}

int NotationButtonIndex(int notation) {
    for (int i = 0; i < FIXED_NOTATION_COUNT; ++i) {
        if (FIXED_NOTATIONS[i] == notation) {
            return i;
        }
    }
    return FIXED_NOTATION_COUNT;
}

bool DigitKeyEnabled(int value, int notation) {
    return value < notation;
}

void NotationDecimalText(int notation, char* out, int outSize) {
    std::snprintf(out, static_cast<size_t>(outSize), "%d", notation);
}

}  // namespace quarnic
