// The converter's view on real windows: its keys are the shell's child buttons, its consoles are
// painted by the converter's GDI routines, the warning is the WARN_DLG template and copying goes
// to the real clipboard.
#pragma once

#include <windows.h>

#include "conv/converter_view.h"

namespace quarnic {

class Win32ConverterView final : public ConverterView {
  public:
    Win32ConverterView(HWND mainWindow, bool japanese) : window_(mainWindow), japanese_(japanese) {}

    void EnableControl(int id, bool enabled) override;
    bool IsControlEnabled(int id) const override;
    void SetCheck(int id, bool checked) override;
    bool IsChecked(int id) const override;
    void EnableMenuItem(int id, bool enabled) override;
    bool IsMenuItemEnabled(int id) const override;
    void SetWaitCursor(bool waiting) override;

    void ClearInputConsole() override;
    void DrawInputConsole(const char* text) override;
    void ClearAnswerConsole() override;
    void DrawAnswerConsole(const char* text) override;
    void ClearFromOtherBox() override;
    void DrawFromOtherBox(const char* label) override;
    void ClearToOtherBox() override;
    void DrawToOtherBox(const char* label) override;

    int ShowWarningDialog(const char* text, bool japanese) override;
    void ShowSystemErrorBox(const char* text, const char* caption) override;
    bool PutTextOnClipboard(std::string_view text) override;
    bool ReadClipboardText(std::string& text) override;
    void ShowMessageBox(std::string_view text) override;

  private:
    HWND window_;
    bool japanese_;
};

}  // namespace quarnic
