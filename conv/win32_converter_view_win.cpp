#include "conv/win32_converter_view_win.h"

#include "conv/conv_ids.h"
#include "conv/converter_paint_win.h"
#include "conv/warning_dialog_win.h"
#include "shell/clipboard_win.h"
#include "shell/shell_win.h"

namespace quarnic {

void Win32ConverterView::EnableControl(int id, bool enabled) {
    EnableWindow(Control(id), enabled ? TRUE : FALSE);
}

bool Win32ConverterView::IsControlEnabled(int id) const {
    return IsWindowEnabled(Control(id)) != 0;
}

void Win32ConverterView::SetCheck(int id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32ConverterView::IsChecked(int id) const {
    return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32ConverterView::EnableMenuItem(int id, bool enabled) {
    HMENU menu = GetSystemMenu(window_, FALSE);
    const UINT state = enabled ? MF_ENABLED : (MF_DISABLED | MF_GRAYED);
    if (id == IDM_CONV_COPY_ANSWER) {
        ModifyMenuW(menu, static_cast<UINT>(id), MF_BYCOMMAND | MF_STRING | state,
                    static_cast<UINT_PTR>(id), japanese_ ? L"答のコピー(&P)" : L"Co&py answer");
    } else {
        ::EnableMenuItem(menu, static_cast<UINT>(id), MF_BYCOMMAND | state);
    }
}

bool Win32ConverterView::IsMenuItemEnabled(int id) const {
    const UINT state =
        GetMenuState(GetSystemMenu(window_, FALSE), static_cast<UINT>(id), MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

void Win32ConverterView::SetWaitCursor(bool waiting) {
    SetWaitCursorShown(waiting);
}

void Win32ConverterView::ClearInputConsole() {
    quarnic::ClearInputConsole(window_);
}

void Win32ConverterView::DrawInputConsole(const char* text) {
    quarnic::DrawInputConsole(window_, text);
}

void Win32ConverterView::ClearAnswerConsole() {
    quarnic::ClearAnswerConsole(window_);
}

void Win32ConverterView::DrawAnswerConsole(const char* text) {
    quarnic::DrawAnswerConsole(window_, text);
}

void Win32ConverterView::ClearFromOtherBox() {
    quarnic::ClearFromOtherBox(window_);
}

void Win32ConverterView::DrawFromOtherBox(const char* label) {
    quarnic::DrawFromOtherBox(window_, label);
}

void Win32ConverterView::ClearToOtherBox() {
    quarnic::ClearToOtherBox(window_);
}

void Win32ConverterView::DrawToOtherBox(const char* label) {
    quarnic::DrawToOtherBox(window_, label);
}

int Win32ConverterView::ShowWarningDialog(const char* text, bool japanese) {
    return quarnic::ShowWarningDialog(window_, text, japanese);
}

void Win32ConverterView::ShowSystemErrorBox(const char* text, const char* caption) {
    quarnic::ShowSystemErrorBox(text, caption);
}

bool Win32ConverterView::PutTextOnClipboard(std::string_view text) {
    return PutAsciiTextOnClipboard(window_, text);
}

bool Win32ConverterView::ReadClipboardText(std::string& text) {
    return ReadClipboardUtf8(window_, text);
}

void Win32ConverterView::ShowMessageBox(std::string_view text) {
    ShowLogicMessage(window_, text);
}

}  // namespace quarnic
