// The control operations of ControlView on real windows, written once for both programs' views:
// the keys are the shell's child buttons, the menu items are the main window's system menu; and
// the clipboard and message boxes both programs' logic asks for.
// A program's view derives from Win32ControlView<ItsView> and adds only its own drawing.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "host/clipboard_win.h"
#include "host/main_window_place_win.h"
#include "host/shell_win.h"

namespace quarnic {

void EnableKey(int id, bool enabled);
void CheckKey(int id, bool checked);
// The relabelled item gets its text set again whenever it is enabled or greyed, so the menu
// draws it afresh in its new state; other items only change state.
void EnableSystemMenuItem(HWND window, int id, bool enabled, const SystemMenuItem& relabelled);
// Whether a system-menu item can be chosen, for the keyboard of the window's own layer.
bool IsSystemMenuItemEnabled(HWND window, int id);

template <class View>
class Win32ControlView : public View {
  public:
    Win32ControlView(HWND mainWindow, const SystemMenuItem& relabelledItem)
        : window_(mainWindow), relabelled_(relabelledItem) {}

    void EnableControl(int id, bool enabled) override { EnableKey(id, enabled); }
    void SetCheck(int id, bool checked) override { CheckKey(id, checked); }
    void EnableMenuItem(int id, bool enabled) override {
        EnableSystemMenuItem(window_, id, enabled, relabelled_);
    }
    void SetWaitCursor(bool waiting) override { SetWaitCursorShown(waiting); }
    void ToggleAlwaysOnTop() override { TurnOverAlwaysOnTop(window_); }

    // The clipboard and the logic's message boxes, the same for both programs.
    bool PutTextOnClipboard(std::string_view text) override {
        return PutAsciiTextOnClipboard(window_, text);
    }
    bool ReadClipboardText(std::string& text) override { return ReadClipboardUtf8(window_, text); }
    void ShowMessageBox(std::string_view text) override { ShowLogicMessage(window_, text); }

  protected:
    HWND MainWindow() const { return window_; }

  private:
    HWND window_;
    SystemMenuItem relabelled_;
};

}  // namespace quarnic
