// The calculator's view on real windows: the keys are the shell's child buttons, painting goes
// through the calculator's GDI routines, dialogs are the resource templates.
#pragma once

#include <windows.h>

#include "calc/calculator_view.h"

namespace quarnic {

class Win32CalculatorView final : public CalculatorView {
  public:
    explicit Win32CalculatorView(HWND mainWindow) : window_(mainWindow) {}

    void EnableControl(int id, bool enabled) override;
    bool IsControlEnabled(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) const override;
    void EnableMenuItem(int id, bool enabled) override;
    bool IsMenuItemEnabled(int id) const override;
    void SetWaitCursor(bool waiting) override;

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
    int KeyWidth() const override;
    bool PutTextOnClipboard(std::string_view text) override;
    bool ReadClipboardText(std::string& text) override;
    void ShowMessageBox(std::string_view text) override;

  private:
    HWND window_;
};

}  // namespace quarnic
