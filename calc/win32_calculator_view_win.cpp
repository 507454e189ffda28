#include "calc/win32_calculator_view_win.h"

#include "calc/calc_ids.h"
#include "calc/calculator_paint_win.h"
#include "calc/sqrt_dialogs_win.h"
#include "shell/clipboard_win.h"
#include "shell/shell_win.h"

namespace quarnic {

void Win32CalculatorView::EnableControl(int id, bool enabled) {
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
}

bool Win32CalculatorView::IsControlEnabled(int id) const {
    return IsWindowEnabled(Control(id)) != 0;
}

void Win32CalculatorView::SetCheck(int id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32CalculatorView::IsChecked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CalculatorView::EnableMenuItem(int id, bool enabled) {
    HMENU menu = GetSystemMenu(window_, FALSE);
    UINT state = enabled ? MF_ENABLED : (MF_DISABLED | MF_GRAYED);
    if (id == IDM_SAVE_ANSWER) {
        ModifyMenuW(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING | state,
                    static_cast<UINT_PTR>(id), UiText(L"Sa&ve answer...", L"答の保存(&V)..."));
    } else {
        ::EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | state);
    }
}

bool Win32CalculatorView::IsMenuItemEnabled(int id) const {
    UINT state = GetMenuState(GetSystemMenu(window_, FALSE), static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

void Win32CalculatorView::SetWaitCursor(bool waiting) {
    SetWaitCursorShown(waiting);
}

void Win32CalculatorView::ClearConsole() {
    quarnic::ClearConsole(window_);
}

void Win32CalculatorView::DrawConsole(std::string_view text) {
    quarnic::DrawConsole(window_, text);
}

void Win32CalculatorView::ClearOtherNotationBox() {
    quarnic::ClearOtherNotationBox(window_);
}

void Win32CalculatorView::DrawOtherNotationBox(std::string_view label) {
    quarnic::DrawOtherNotationBox(window_, label);
}

void Win32CalculatorView::DrawMemoryMark() {
    quarnic::DrawMemoryMark(window_);
}

void Win32CalculatorView::EraseMemoryMark() {
    quarnic::EraseMemoryMark(window_);
}

void Win32CalculatorView::RedrawSqrtKey() {
    HWND key = Control(IDC_SQRT);
    InvalidateRect(key, nullptr, TRUE);
    UpdateWindow(key);
}

void Win32CalculatorView::OpenPleaseWait() {
    OpenPleaseWaitDialog(window_);
}

void Win32CalculatorView::ClosePleaseWait() {
    ClosePleaseWaitDialog(window_);
}

bool Win32CalculatorView::RunSqrtSettingDialog(int checkedButtonId, SqrtSettingEvents& events) {
    return quarnic::RunSqrtSettingDialog(window_, checkedButtonId, events);
}

int Win32CalculatorView::MeasureText(std::string_view text) const {
    return TextWidthNarrow(window_, text.data(), static_cast<int>(text.size()));
}

int Win32CalculatorView::KeyWidth() const {
    return Shell().layout.KeyWidth;
}

bool Win32CalculatorView::PutTextOnClipboard(std::string_view text) {
    return PutAsciiTextOnClipboard(window_, text);
}

bool Win32CalculatorView::ReadClipboardText(std::string& text) {
    return ReadClipboardUtf8(window_, text);
}

void Win32CalculatorView::ShowMessageBox(std::string_view text) {
    ShowLogicMessage(window_, text);
}

}  // namespace quarnic
