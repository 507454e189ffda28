// The converter's view on real windows: the keys and menu through the shell's control view, the
// consoles and "X" boxes painted by the shell's console routines at the converter's two places,
// the warning from the WARN_DLG template and copying to the real clipboard.
#pragma once

#include <windows.h>

#include "conv/converter_view.h"
#include "shell/control_view_win.h"
#include "shell/layout.h"

namespace quarnic {

class Win32ConverterView final : public Win32ControlView<ConverterView> {
  public:
    using Win32ControlView::Win32ControlView;

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
    void PutTextOnClipboard(const char* text) override;

  private:
    // The input part (console, From row and box) at offset 0, the answer part lower down.
    enum class Part { Input, Answer };
    static int OffsetOf(Part part);
    void ClearConsoleOf(Part part);
    void DrawConsoleOf(Part part, const char* text);
    void ClearOtherBoxOf(Part part);
    void DrawOtherBoxOf(Part part, const char* label);
};

}  // namespace quarnic
