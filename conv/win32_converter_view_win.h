// The converter's view on real windows: the keys and menu through the shell's control view, the
// consoles and "X" boxes painted by the shell's console routines at the converter's two places,
// the warning from the WARN_DLG template and copying to the real clipboard.
#pragma once

#include <windows.h>

#include <string_view>

#include "common/layout.h"
#include "conv/converter_state.h"
#include "conv/converter_view.h"
#include "host/about_win.h"
#include "host/color_dialog_win.h"
#include "host/control_view_win.h"

namespace quarnic {

class Win32ConverterView final : public Win32ControlView<ConverterView> {
  public:
    // The all-notations window hands its keys and clicks to the converter.
    Win32ConverterView(HWND mainWindow, const SystemMenuItem& relabelledItem, Converter& converter)
        : Win32ControlView(mainWindow, relabelledItem), converter_(converter) {}

    void ClearInputConsole() override;
    void DrawInputConsole(std::string_view text) override;
    void ClearAnswerConsole() override;
    void DrawAnswerConsole(std::string_view text) override;
    void ClearOtherBox(ConverterPane pane) override;
    void DrawOtherBox(ConverterPane pane, std::string_view label) override;
    bool ShowAllNotationsWindow() override;
    void SetAllNotationsLine(int line, std::string_view text) override;

    int ShowWarningDialog(std::string_view text, bool japanese) override;
    void ShowSystemErrorBox(std::string_view text, std::string_view caption) override;
    void ShowAboutBox() override { ShowAbout(MainWindow()); }
    void ShowConsoleColorDialog() override { ShowColorDialog(MainWindow()); }

  private:
    // The input part (console, From row and box) at offset 0, the answer part lower down.
    enum class Part { Input, Answer };
    static Part PartOf(ConverterPane pane);
    static int OffsetOf(Part part);
    void ClearConsoleOf(Part part);
    void DrawConsoleOf(Part part, const char* text);
    void ClearOtherBoxOf(Part part);
    void DrawOtherBoxOf(Part part, const char* label);

    Converter& converter_;
};

}  // namespace quarnic
