#include "calc/win32_calculator_view_win.h"

#include "calc/calc_ids.h"
#include "calc/calculator_accessible_win.h"
#include "calc/calculator_layout.h"
#include "calc/calculator_paint_win.h"
#include "calc/save_answer_win.h"
#include "calc/sqrt_dialogs_win.h"
#include "host/accessible_text_win.h"
#include "host/main_window_win.h"
#include "host/shell_win.h"

namespace quarnic {

void Win32CalculatorView::ClearConsole() {
    quarnic::ClearConsole(MainWindow());
    SetAccessibleText(MainWindow(), IDC_CONSOLE_TEXT, L"");
}

void Win32CalculatorView::DrawConsole(std::string_view text) {
    quarnic::DrawConsole(MainWindow(), text);
    SetAccessibleText(MainWindow(), IDC_CONSOLE_TEXT, text);
}

void Win32CalculatorView::ClearOtherNotationBox() {
    quarnic::ClearOtherNotationBox(MainWindow());
    ShowOtherNotationText(MainWindow(), {});
}

void Win32CalculatorView::DrawOtherNotationBox(std::string_view label) {
    quarnic::DrawOtherNotationBox(MainWindow(), label);
    ShowOtherNotationText(MainWindow(), label);
}

void Win32CalculatorView::DrawMemoryMark() {
    quarnic::DrawMemoryMark(MainWindow());
    SetAccessibleText(MainWindow(), IDC_MEMORY_MARK_TEXT, L"M");
}

void Win32CalculatorView::EraseMemoryMark() {
    quarnic::EraseMemoryMark(MainWindow());
    SetAccessibleText(MainWindow(), IDC_MEMORY_MARK_TEXT, L"");
}

void Win32CalculatorView::RedrawSqrtKey() {
    HWND key = Control(IDC_SQRT);
    InvalidateRect(key, nullptr, TRUE);
    UpdateWindow(key);
}

void Win32CalculatorView::OpenPleaseWait() {
    OpenPleaseWaitDialog(MainWindow());
}

void Win32CalculatorView::ClosePleaseWait() {
    ClosePleaseWaitDialog(MainWindow());
}

bool Win32CalculatorView::RunSqrtSettingDialog(int checkedButtonId, SqrtSettingEvents& events) {
    return quarnic::RunSqrtSettingDialog(MainWindow(), checkedButtonId, events);
}

int Win32CalculatorView::MeasureText(std::string_view text) const {
    return TextWidthNarrow(MainWindow(), text.data(), static_cast<int>(text.size()));
}

int Win32CalculatorView::ConsoleWidth() const {
    const Layout& layout = Shell().layout;
    return quarnic::ConsoleWidth(
        CalculatorConsole(layout.Geometry(), CalculatorGridStretch(layout)));
}

void Win32CalculatorView::SaveAnswerText(std::string_view text, std::size_t longestSize) {
    quarnic::SaveAnswerText(MainWindow(), text, longestSize);
}

void Win32CalculatorView::OpenHistoryWindow() {
    if (historyOpener_) {
        historyOpener_();
    }
}

}  // namespace quarnic
