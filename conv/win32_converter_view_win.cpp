#include "conv/win32_converter_view_win.h"

#include "conv/clipboard_win.h"
#include "conv/conv_ids.h"
#include "conv/conv_texts.h"
#include "conv/converter_paint_win.h"
#include "conv/converter_state.h"
#include "conv/warning_dialog_win.h"
#include "engine/fixed_text.h"
#include "shell/shell_win.h"

namespace quarnic {
namespace {

// The painting, dialog and clipboard routines take C strings: each text is copied out with its
// NUL, cut to the buffer those routines take.
template <std::size_t N>
std::array<char, N> Terminated(std::string_view text) {
    std::array<char, N> copy{};
    SetText(copy, text);
    return copy;
}

}  // namespace

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
                    static_cast<UINT_PTR>(id),
                    japanese_ ? COPY_ANSWER_ITEM_JA : COPY_ANSWER_ITEM_EN);
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

void Win32ConverterView::DrawInputConsole(std::string_view text) {
    quarnic::DrawInputConsole(window_, Terminated<CONVERTER_DIGIT_BYTES>(text).data());
}

void Win32ConverterView::ClearAnswerConsole() {
    quarnic::ClearAnswerConsole(window_);
}

void Win32ConverterView::DrawAnswerConsole(std::string_view text) {
    quarnic::DrawAnswerConsole(window_, Terminated<CONVERTER_DIGIT_BYTES>(text).data());
}

void Win32ConverterView::ClearFromOtherBox() {
    quarnic::ClearFromOtherBox(window_);
}

void Win32ConverterView::DrawFromOtherBox(std::string_view label) {
    quarnic::DrawFromOtherBox(window_, Terminated<OTHER_LABEL_BYTES>(label).data());
}

void Win32ConverterView::ClearToOtherBox() {
    quarnic::ClearToOtherBox(window_);
}

void Win32ConverterView::DrawToOtherBox(std::string_view label) {
    quarnic::DrawToOtherBox(window_, Terminated<OTHER_LABEL_BYTES>(label).data());
}

int Win32ConverterView::ShowWarningDialog(std::string_view text, bool japanese) {
    return quarnic::ShowWarningDialog(window_, Terminated<WARNING_TEXT_BYTES>(text).data(),
                                      japanese);
}

void Win32ConverterView::ShowSystemErrorBox(std::string_view text, std::string_view caption) {
    quarnic::ShowSystemErrorBox(Terminated<WARNING_TEXT_BYTES>(text).data(),
                                Terminated<WARNING_TEXT_BYTES>(caption).data());
}

void Win32ConverterView::PutTextOnClipboard(std::string_view text) {
    // A copy that did not happen is not reported: the user simply finds the old clipboard.
    PutAsciiTextOnClipboard(window_, Terminated<CLIPBOARD_TEXT_BYTES>(text).data());
}

}  // namespace quarnic
