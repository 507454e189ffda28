#include "shell/notation.h"

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

void ApplyDigitKeys(ControlView& view, int firstDigitId, int notation) {
    if (!IsValidNotation(notation)) {
        return;
    }
    for (int value = 0; value < MAX_NOTATION; ++value) {
        view.EnableControl(firstDigitId + value, DigitKeyEnabled(value, notation));
    }
}

int ReadPaneNotation(const ControlView& view, const NotationPane& pane, int otherNotation) {
    for (int i = 0; i < FIXED_NOTATION_COUNT; ++i) {
        if (view.IsChecked(pane.firstButtonId + i)) {
            return FIXED_NOTATIONS[i];
        }
    }
    return view.IsChecked(pane.firstButtonId + FIXED_NOTATION_COUNT) ? otherNotation : 0;
}

void CheckPaneButton(ControlView& view, const NotationPane& pane, int notation) {
    const int checkedIndex = NotationButtonIndex(notation);
    for (int i = 0; i <= FIXED_NOTATION_COUNT; ++i) {
        view.SetCheck(pane.firstButtonId + i, i == checkedIndex);
    }
    const bool otherChecked = checkedIndex == FIXED_NOTATION_COUNT;
    view.EnableControl(pane.stepDownId, otherChecked);
    view.EnableControl(pane.stepUpId, otherChecked);
}

void EnablePaneButtons(ControlView& view, const NotationPane& pane, int otherNotation) {
    for (int i = 0; i <= FIXED_NOTATION_COUNT; ++i) {
        view.EnableControl(pane.firstButtonId + i, true);
    }
    const bool fixedSelected = HasOwnButton(ReadPaneNotation(view, pane, otherNotation));
    view.EnableControl(pane.stepDownId, !fixedSelected);
    view.EnableControl(pane.stepUpId, !fixedSelected);
}

void DisablePaneButtons(ControlView& view, const NotationPane& pane) {
    for (int i = 0; i <= FIXED_NOTATION_COUNT; ++i) {
        view.EnableControl(pane.firstButtonId + i, false);
    }
    view.EnableControl(pane.stepDownId, false);
    view.EnableControl(pane.stepUpId, false);
}

void NotationDecimalText(int notation, char* out, int outSize) {
    std::snprintf(out, static_cast<size_t>(outSize), "%d", notation);
}

}  // namespace quarnic
