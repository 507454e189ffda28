// The square-root key (command 161) and the setting of its truncation (system command 162).
#pragma once

#include "engine/digit_string.h"

namespace quarnic {

struct Calculator;

inline constexpr int SQRT_TRUNCATION_AT_START = 100;

// The setting dialog's radio buttons are 163 (100 places), 164 (200) and 165 (300); the
// please-wait dialog's static text is 166. Their names live with the other control ids.
inline constexpr const char* PLEASE_WAIT_TEXT = "Please wait a moment.";
inline constexpr const char* PLEASE_WAIT_TEXT_J = "ちょっとお待ちください.";

struct SqrtState {
    int SqrtTruncation = SQRT_TRUNCATION_AT_START;  // fraction places kept: 100, 200 or 300
    int SqrtRepeatCount = 0;                         // roots taken in a row
    int SqrtNotation = 10;                           // notation of the last root's operand
    DigitString SqrtEstimate{};   // the last root, as published (after the console round-up)
    DigitString PreSqrtAnswer{};  // ResultDigits when the first root of a run was taken
    int PreSqrtNotation = 10;     // and the answer notation at that moment
};

// Command 161: the root of the operand being entered or shown, in its notation. On success
// the root replaces that operand, is shown and counted; a failure shows the error display.
// An empty operand computes nothing. The please-wait dialog, the wait cursor and the topmost
// state of the main window are undone on every path.
void SquareRoot(Calculator& calculator);

// The setting dialog's logic; its window belongs to the platform. The dialog procedure calls
// BeginSqrtSetting on WM_INITDIALOG, SqrtSettingCommand on WM_COMMAND and CloseSqrtSetting on
// WM_CLOSE, checks session.CheckedButton among 163..165 after each, and ends the dialog with
// any result that is not SQRT_SETTING_STAYS_OPEN.
inline constexpr int SQRT_SETTING_STAYS_OPEN = -1;
inline constexpr int SQRT_SETTING_OK = 1;         // IDOK: the chosen truncation stays
inline constexpr int SQRT_SETTING_CANCELLED = 2;  // IDCANCEL: the previous one comes back
inline constexpr int SQRT_SETTING_CLOSED = 0;     // WM_CLOSE: likewise restored

struct SqrtSettingSession {
    int RestoreTruncation = SQRT_TRUNCATION_AT_START;
    int CheckedButton = 163;
};

int TruncationButtonFor(int truncation);  // 163 for 100, 164 for 200, 165 for any other
SqrtSettingSession BeginSqrtSetting(const SqrtState& sqrt);
int SqrtSettingCommand(SqrtSettingSession& session, SqrtState& sqrt, int commandId);
int CloseSqrtSetting(const SqrtSettingSession& session, SqrtState& sqrt);

// The whole dialog without a window, as the script runner's SQRT100/200/300 keys use it:
// open, click the button of that truncation, press OK.
void ChooseSqrtTruncation(SqrtState& sqrt, int buttonId);

}  // namespace quarnic
