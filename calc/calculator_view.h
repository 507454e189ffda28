// Everything the calculator's logic asks of the screen. The Win32 window implements it with
// GDI and real dialogs; tests and the key-script runner use RecordingCalculatorView. The logic
// never paints by itself: it changes its state, then calls these right away.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "common/control_view.h"

namespace quarnic {

// What the square-root setting dialog reports while it runs. The dialog's window belongs to the
// platform; the truncation rules (set at once on a click, restore on Cancel or close) belong to
// the logic that implements this.
class SqrtSettingEvents {
  public:
    virtual ~SqrtSettingEvents() = default;

    // A click on IDC_SQRT_TRUNCATION_100, _200 or _300. Returns the radio id to check now.
    virtual int OnTruncationClicked(int buttonId) = 0;
    virtual void OnOk() = 0;
    virtual void OnCancel() = 0;
    // The dialog's close box (WM_CLOSE).
    virtual void OnClose() = 0;
};

class CalculatorView : public ControlView {
  public:
    // The console: a blank cyan panel, then the frame, the right-aligned text and the
    // "NOTATION :" label.
    virtual void ClearConsole() = 0;
    virtual void DrawConsole(std::string_view text) = 0;

    // The small box that shows the value of "X": blanked, then framed with a label (an empty
    // label leaves an empty framed box).
    virtual void ClearOtherNotationBox() = 0;
    virtual void DrawOtherNotationBox(std::string_view label) = 0;

    // The mark above "Min" while the memory holds a value.
    virtual void DrawMemoryMark() = 0;
    virtual void EraseMemoryMark() = 0;

    // Invalidate (with erasing) and update the owner-drawn square-root key once.
    virtual void RedrawSqrtKey() = 0;

    // While a square root is computed: the main window topmost and the modeless please-wait
    // dialog shown beside it; closing undoes both. Always called in pairs.
    virtual void OpenPleaseWait() = 0;
    virtual void ClosePleaseWait() = 0;

    // Runs the modal square-root setting dialog with checkedButtonId checked at first, feeding
    // its clicks to events. Returns false when the dialog could not be shown; the view has then
    // told the user "Unable to display dialog" itself.
    virtual bool RunSqrtSettingDialog(int checkedButtonId, SqrtSettingEvents& events) = 0;

    // Pixel width of a text in the console's font, and the console's width now (ConsoleWidth
    // of its figure: ten key widths in the smallest window, more in a wider one); together
    // they decide how many digits of an answer fit.
    virtual int MeasureText(std::string_view text) const = 0;
    virtual int ConsoleWidth() const = 0;

    // Copy and Paste. The clipboard is tried for about half a second; false means another
    // program still holds it, and nothing was copied or read. A clipboard without text reads
    // as an empty text.
    virtual bool PutTextOnClipboard(std::string_view text) = 0;
    virtual bool ReadClipboardText(std::string& text) = 0;
    // A message box owned by the main window, with an OK button (UTF-8 text).
    virtual void ShowMessageBox(std::string_view text) = 0;

    // "Sa&ve answer...": asks for a file name and writes the text there, telling every failure
    // itself. longestSize is the longest text there can be, for the free-space check.
    virtual void SaveAnswerText(std::string_view text, std::size_t longestSize) = 0;
    // "&History...": opens the history window, or brings it forward.
    virtual void OpenHistoryWindow() = 0;
};

}  // namespace quarnic
