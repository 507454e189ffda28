// The calculator's view on real windows: the keys and menu through the shell's control view,
// painting through the calculator's GDI routines, dialogs from the resource templates.
#pragma once

#include <windows.h>

#include <functional>

#include "calc/calculator_view.h"
#include "host/control_view_win.h"

namespace quarnic {

class Win32CalculatorView final : public Win32ControlView<CalculatorView> {
  public:
    using Win32ControlView::Win32ControlView;

    void ClearConsole() override;
    void DrawConsole(std::string_view text) override;
    void ClearOtherNotationBox() override;
    void DrawOtherNotationBox(std::string_view label) override;
    void DrawMemoryMark() override;
    void EraseMemoryMark() override;
    void RedrawSqrtKey() override;
    void OpenPleaseWait() override;
    void ClosePleaseWait() override;
    bool RunSqrtSettingDialog(int checkedButtonId, SqrtSettingEvents& events) override;
    int MeasureText(std::string_view text) const override;
    int ConsoleWidth() const override;
    void SaveAnswerText(std::string_view text, std::size_t longestSize) override;
    void OpenHistoryWindow() override;

    // The window that owns the history opens it; the view only passes the command on.
    void SetHistoryOpener(std::function<void()> opener) { historyOpener_ = std::move(opener); }

  private:
    std::function<void()> historyOpener_;
};

}  // namespace quarnic
