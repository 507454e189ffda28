// The square-root key (command 161) and the setting of its truncation (system command 162).
#pragma once

#include "calc/calculator_view.h"
#include "engine/digit_string.h"

namespace quarnic {

struct Calculator;

inline constexpr int SQRT_TRUNCATION_AT_START = 100;

struct SqrtState {
    int SqrtTruncation = SQRT_TRUNCATION_AT_START;  // fraction places kept: 100, 200 or 300
    int SqrtRepeatCount = 0;                        // roots taken in a row
    int SqrtNotation = 10;                          // notation of the last root's operand
    DigitString KeptRoot{};        // the last root, as published (after the console round-up)
    DigitString PreSqrtAnswer{};   // the recorded answer when the first root of a run was taken
    int PreSqrtNotation = 10;      // and the answer notation at that moment
    DigitString PreSqrtOperand{};  // the operand the first root of a run was taken of
    int PreSqrtOperandNotation = 10;
};

// Command 161: the root of the operand being entered or shown, in its notation. On success
// the root replaces that operand, is shown and counted; a failure shows the error display.
// An empty operand computes nothing. The please-wait dialog, the wait cursor and the topmost
// state of the main window are undone on every path.
void SquareRoot(Calculator& calculator);

// System command 162: runs the setting dialog with the button of the current truncation
// checked. A click sets the truncation at once; OK keeps it, Cancel and the close box restore
// the one before the dialog.
void SqrtSettingDialog(Calculator& calculator);

// IDC_SQRT_TRUNCATION_100 for 100 places, _200 for 200, _300 for any other value.
int TruncationButtonFor(int truncation);

// The dialog's rules, fed by the view that runs its window.
class SqrtSettingChoice final : public SqrtSettingEvents {
  public:
    explicit SqrtSettingChoice(SqrtState& sqrt);
    int OnTruncationClicked(int buttonId) override;
    void OnOk() override {}
    void OnCancel() override;
    void OnClose() override;

  private:
    SqrtState& sqrt_;
    int restoreTruncation_;
};

}  // namespace quarnic
