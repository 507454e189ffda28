// A CalculatorView that remembers what would be on screen instead of painting it, for tests and
// the key-script runner. Text is measured at a fixed pitch of 8 pixels per character, so the key
// width is 45 and at most 45 digits of a positive answer fit on the console.
//
// The control states live in a RecordingControlView held inside (not inherited: CalculatorView
// already is a ControlView, and two ControlView bases would make every conversion ambiguous).
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/calc_ids.h"
#include "calc/calculator_view.h"
#include "tests/kit/recording_clipboard.h"
#include "tests/kit/recording_control_view.h"

namespace quarnic {

class RecordingCalculatorView : public RecordingClipboard<CalculatorView> {
  public:
    static constexpr int PIXELS_PER_CHARACTER = 8;
    // The layout measures a 57-character string and takes a tenth of it.
    static constexpr int MEASURING_STRING_LENGTH = 57;

    // Dialog end codes, as the platform's IDOK and IDCANCEL; 0 is the close box.
    static constexpr int DIALOG_OK = 1;
    static constexpr int DIALOG_CANCEL = 2;
    static constexpr int DIALOG_CLOSE = 0;

    void EnableControl(int id, bool enabled) override { controls_.EnableControl(id, enabled); }
    bool IsControlEnabled(int id) const { return controls_.IsControlEnabled(id); }
    void SetCheck(int id, bool checked) override { controls_.SetCheck(id, checked); }
    bool IsChecked(int id) const { return controls_.IsChecked(id); }
    void EnableMenuItem(int id, bool enabled) override { controls_.EnableMenuItem(id, enabled); }
    bool IsMenuItemEnabled(int id) const { return controls_.IsMenuItemEnabled(id); }
    void SetWaitCursor(bool waiting) override { controls_.SetWaitCursor(waiting); }
    void ToggleAlwaysOnTop() override { controls_.ToggleAlwaysOnTop(); }
    bool AlwaysOnTop() const { return controls_.AlwaysOnTop(); }

    void ClearConsole() override {
        console_.clear();
        ++consoleClears_;
    }
    void DrawConsole(std::string_view text) override {
        console_ = text;
        ++consoleDraws_;
    }
    void ClearOtherNotationBox() override {
        otherBoxLabel_.clear();
        otherBoxFramed_ = false;
    }
    void DrawOtherNotationBox(std::string_view label) override {
        otherBoxLabel_ = label;
        otherBoxFramed_ = true;
    }
    void DrawMemoryMark() override { memoryMark_ = true; }
    void EraseMemoryMark() override { memoryMark_ = false; }
    void RedrawSqrtKey() override { ++sqrtKeyRedraws_; }
    void OpenPleaseWait() override {
        pleaseWaitOpen_ = true;
        ++pleaseWaitOpenings_;
    }
    void ClosePleaseWait() override { pleaseWaitOpen_ = false; }

    // Plays the scripted clicks, then ends the dialog the scripted way (OK unless told
    // otherwise). The radio check follows what the logic answers to each click.
    bool RunSqrtSettingDialog(int checkedButtonId, SqrtSettingEvents& events) override {
        ++sqrtDialogRuns_;
        if (sqrtDialogFails_) {
            return false;
        }
        sqrtDialogCheck_ = checkedButtonId;
        for (int click : sqrtDialogClicks_) {
            sqrtDialogCheck_ = events.OnTruncationClicked(click);
        }
        if (sqrtDialogEnding_ == DIALOG_OK) {
            events.OnOk();
        } else if (sqrtDialogEnding_ == DIALOG_CANCEL) {
            events.OnCancel();
        } else {
            events.OnClose();
        }
        sqrtDialogClicks_.clear();
        sqrtDialogEnding_ = DIALOG_OK;
        return true;
    }

    void SaveAnswerText(std::string_view text, std::size_t longestSize) override {
        savedText_ = text;
        savedLongestSize_ = longestSize;
    }
    void OpenHistoryWindow() override { ++historyOpenings_; }

    int MeasureText(std::string_view text) const override {
        return PIXELS_PER_CHARACTER * static_cast<int>(text.size());
    }
    // Ten key widths, a key a tenth of the measuring string, until a test widens the window.
    int ConsoleWidth() const override { return consoleWidth_; }
    void SetConsoleWidth(int width) { consoleWidth_ = width; }

    // What the next run of the setting dialog does: the radio buttons clicked, in order, and
    // how it ends (DIALOG_OK, DIALOG_CANCEL or DIALOG_CLOSE).
    void ScriptSqrtDialog(std::vector<int> clicks, int ending) {
        sqrtDialogClicks_ = std::move(clicks);
        sqrtDialogEnding_ = ending;
    }
    void SetSqrtDialogFails(bool fails) { sqrtDialogFails_ = fails; }

    const std::string& SavedText() const { return savedText_; }
    std::size_t SavedLongestSize() const { return savedLongestSize_; }
    int HistoryOpenings() const { return historyOpenings_; }
    const std::string& Console() const { return console_; }
    const std::string& OtherBoxLabel() const { return otherBoxLabel_; }
    bool OtherBoxFramed() const { return otherBoxFramed_; }
    bool MemoryMarkShown() const { return memoryMark_; }
    bool PleaseWaitOpen() const { return pleaseWaitOpen_; }
    int PleaseWaitOpenings() const { return pleaseWaitOpenings_; }
    int SqrtKeyRedraws() const { return sqrtKeyRedraws_; }
    int ConsoleDraws() const { return consoleDraws_; }
    int ConsoleClears() const { return consoleClears_; }
    int SqrtDialogRuns() const { return sqrtDialogRuns_; }
    int SqrtDialogCheck() const { return sqrtDialogCheck_; }
    bool WaitCursorShown() const { return controls_.WaitCursorShown(); }
    int CursorChanges() const { return controls_.CursorChanges(); }
    std::vector<int> EnabledIds(int first, int last) const {
        return controls_.EnabledIds(first, last);
    }

  private:
    RecordingControlView controls_;
    std::string console_;
    std::string otherBoxLabel_;
    bool otherBoxFramed_ = false;
    bool memoryMark_ = false;
    bool pleaseWaitOpen_ = false;
    int pleaseWaitOpenings_ = 0;
    int sqrtKeyRedraws_ = 0;
    int consoleDraws_ = 0;
    int consoleClears_ = 0;
    int sqrtDialogRuns_ = 0;
    int sqrtDialogCheck_ = 0;
    bool sqrtDialogFails_ = false;
    std::vector<int> sqrtDialogClicks_;
    int sqrtDialogEnding_ = DIALOG_OK;
    std::string savedText_;
    int consoleWidth_ = PIXELS_PER_CHARACTER * MEASURING_STRING_LENGTH / 10 * 10;
    std::size_t savedLongestSize_ = 0;
    int historyOpenings_ = 0;
};

}  // namespace quarnic
