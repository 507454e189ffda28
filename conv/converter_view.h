// Everything the converter's logic asks of its window: the controls (ControlView), the two
// consoles with their notation rows, the two "X" boxes, the warning dialog and the clipboard.
// The Win32 window implements it; tests and the script runner record it.
#pragma once

#include <string>
#include <string_view>

#include "common/control_view.h"

namespace quarnic {

// The From pane picks the typed number's notation, the To pane the answer's.
enum class ConverterPane { From, To };

class ConverterView : public ControlView {
  public:
    // The input console and the From row; clearing fills the console so its text disappears.
    virtual void ClearInputConsole() = 0;
    virtual void DrawInputConsole(std::string_view text) = 0;
    // The answer console and the To row, the same figures lower down.
    virtual void ClearAnswerConsole() = 0;
    virtual void DrawAnswerConsole(std::string_view text) = 0;
    // The box beside a pane's "X" button. The logic empties the label itself.
    virtual void ClearOtherBox(ConverterPane pane) = 0;
    virtual void DrawOtherBox(ConverterPane pane, std::string_view label) = 0;

    // The "All notations" window (ALLNOTATIONS_DLG, ALLNOTATIONS_DLG_J), modeless and owned by
    // the main window: shown, or brought to the front when it is open already; false when it
    // could not be shown. It tells the logic itself when it closes (CloseAllNotations).
    virtual bool ShowAllNotationsWindow() = 0;
    // One line of its list; line 0 is notation 2.
    virtual void SetAllNotationsLine(int line, std::string_view text) = 0;

    // Modal WARN_DLG (WARN_DLG_J when japanese) with text in control IDC_CONV_WARN_TEXT.
    // Returns what the dialog ended with, or -1 when it could not be shown.
    virtual int ShowWarningDialog(std::string_view text, bool japanese) = 0;
    // System-modal error message box without owner.
    virtual void ShowSystemErrorBox(std::string_view text, std::string_view caption) = 0;

    // Copy and Paste. The clipboard is tried for about half a second; false means another
    // program still holds it, and nothing was copied or read. Text goes on the clipboard as
    // CF_TEXT and CF_UNICODETEXT; a clipboard without text reads as an empty text.
    virtual bool PutTextOnClipboard(std::string_view text) = 0;
    virtual bool ReadClipboardText(std::string& text) = 0;
    // A message box owned by the main window, with an OK button (UTF-8 text).
    virtual void ShowMessageBox(std::string_view text) = 0;

    // The shell's modal About box and console colour dialog, owned by the main window.
    virtual void ShowAboutBox() = 0;
    virtual void ShowConsoleColorDialog() = 0;
};

}  // namespace quarnic
