// A ConverterView that remembers what the window would show, for tests and the script runner.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conv/converter_state.h"
#include "conv/converter_view.h"
#include "tests/kit/recording_clipboard.h"
#include "tests/kit/recording_control_view.h"

namespace quarnic {

class RecordingConverterView : public RecordingClipboard<ConverterView>,
                               public RecordingControlView {
  public:
    // Both bases declare the control operations; these overrides serve both.
    void EnableControl(int id, bool enabled) override {
        RecordingControlView::EnableControl(id, enabled);
    }
    bool IsControlEnabled(int id) const { return RecordingControlView::IsControlEnabled(id); }
    void SetCheck(int id, bool checked) override { RecordingControlView::SetCheck(id, checked); }
    bool IsChecked(int id) const { return RecordingControlView::IsChecked(id); }
    void EnableMenuItem(int id, bool enabled) override {
        RecordingControlView::EnableMenuItem(id, enabled);
    }
    bool IsMenuItemEnabled(int id) const { return RecordingControlView::IsMenuItemEnabled(id); }
    void SetWaitCursor(bool waiting) override { RecordingControlView::SetWaitCursor(waiting); }
    void ToggleAlwaysOnTop() override { RecordingControlView::ToggleAlwaysOnTop(); }
    bool AlwaysOnTop() const { return RecordingControlView::AlwaysOnTop(); }

    void ClearInputConsole() override { inputConsole_.clear(); }
    void DrawInputConsole(std::string_view text) override {
        inputConsole_ = text;
        ++inputDraws_;
    }
    void ClearAnswerConsole() override { answerConsole_.clear(); }
    void DrawAnswerConsole(std::string_view text) override {
        answerConsole_ = text;
        ++answerDraws_;
    }
    void ClearOtherBox(ConverterPane pane) override { BoxOf(pane).clear(); }
    void DrawOtherBox(ConverterPane pane, std::string_view label) override { BoxOf(pane) = label; }

    // The window keeps no lines of its own between openings, as a new list box has none.
    bool ShowAllNotationsWindow() override {
        if (failDialogs_) {
            return false;
        }
        if (!allNotationsShown_) {
            allNotationsLines_.assign(ALL_NOTATIONS_LINE_COUNT, std::string());
        }
        allNotationsShown_ = true;
        ++allNotationsFronts_;
        return true;
    }
    void SetAllNotationsLine(int line, std::string_view text) override {
        allNotationsLines_.at(static_cast<std::size_t>(line)) = text;
        ++allNotationsLineSets_;
    }
    // The window's close box or Esc.
    void CloseAllNotationsWindow() { allNotationsShown_ = false; }

    int ShowWarningDialog(std::string_view text, bool japanese) override {
        lastWarning_ = text;
        lastWarningJapanese_ = japanese;
        ++warnings_;
        return failDialogs_ ? -1 : 1;
    }
    void ShowSystemErrorBox(std::string_view text, std::string_view caption) override {
        lastErrorBox_ = std::string(caption).append(": ").append(text);
        ++errorBoxes_;
    }

    void ShowAboutBox() override { ++aboutBoxes_; }
    void ShowConsoleColorDialog() override { ++colorDialogs_; }

    // Makes every later warning dialog and the all-notations window fail to appear, as when
    // their templates are missing.
    void FailDialogs() { failDialogs_ = true; }

    const std::string& InputConsole() const { return inputConsole_; }
    const std::string& AnswerConsole() const { return answerConsole_; }
    bool AllNotationsShown() const { return allNotationsShown_; }
    int AllNotationsFronts() const { return allNotationsFronts_; }
    const std::vector<std::string>& AllNotationsLines() const { return allNotationsLines_; }
    int AllNotationsLineSets() const { return allNotationsLineSets_; }
    const std::string& FromBox() const { return fromBox_; }
    const std::string& ToBox() const { return toBox_; }
    int InputDraws() const { return inputDraws_; }
    int AnswerDraws() const { return answerDraws_; }
    int Warnings() const { return warnings_; }
    const std::string& LastWarning() const { return lastWarning_; }
    bool LastWarningJapanese() const { return lastWarningJapanese_; }
    int ErrorBoxes() const { return errorBoxes_; }
    int AboutBoxes() const { return aboutBoxes_; }
    int ColorDialogs() const { return colorDialogs_; }
    const std::string& LastErrorBox() const { return lastErrorBox_; }

  private:
    std::string& BoxOf(ConverterPane pane) {
        return pane == ConverterPane::From ? fromBox_ : toBox_;
    }

    std::string inputConsole_;
    std::string answerConsole_;
    std::string fromBox_;
    std::string toBox_;
    int inputDraws_ = 0;
    int answerDraws_ = 0;
    int warnings_ = 0;
    std::string lastWarning_;
    bool lastWarningJapanese_ = false;
    bool failDialogs_ = false;
    int errorBoxes_ = 0;
    int aboutBoxes_ = 0;
    int colorDialogs_ = 0;
    std::string lastErrorBox_;
    bool allNotationsShown_ = false;
    int allNotationsFronts_ = 0;
    std::vector<std::string> allNotationsLines_;
    int allNotationsLineSets_ = 0;
};

}  // namespace quarnic
