#include "conv/all_notations_window_win.h"

#include <string>

#include "conv/all_notations.h"
#include "conv/conv_ids.h"
#include "conv/conv_texts.h"
#include "engine/fixed_text.h"
#include "shell/accessible_text_win.h"
#include "shell/clipboard_win.h"
#include "shell/shell_win.h"
#include "shell/tool_window_win.h"

namespace quarnic {
namespace {

constexpr wchar_t PLACE_SECTION[] = L"AllNotations";

struct AllNotationsDialog {
    HWND window = nullptr;
    HFONT font = nullptr;
    Converter* converter = nullptr;
    int widestLine = 0;  // pixels, in the list's font
};

AllNotationsDialog& Dialog() {
    static AllNotationsDialog dialog;
    return dialog;
}

HWND List() {
    return GetDlgItem(Dialog().window, IDC_CONV_ALL_NOTATIONS_LIST);
}

// The notation of the selected line; 0 when none is selected.
int SelectedNotation() {
    const auto line = static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0));
    return line == LB_ERR ? 0 : NotationOfLine(line);
}

int TextWidthIn(HWND list, const std::wstring& text) {
    WindowDC dc(list);
    HGDIOBJ old = SelectObject(dc, Dialog().font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return static_cast<int>(size.cx);
}

// The list scrolls sideways as far as its widest line reaches, so a list narrower than its
// lines (a large font) cuts no digits off.
void WidenScrollingFor(HWND list, const std::wstring& line) {
    AllNotationsDialog& state = Dialog();
    const int width = TextWidthIn(list, line);
    if (width > state.widestLine) {
        state.widestLine = width;
        SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(width), 0);
    }
}

// A list box draws its lines a little way in from its edges.
constexpr int LIST_TEXT_MARGIN = 6;

SIZE SizeOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// The fixed-pitch font's widths are not in dialog units, so the template's list is a first
// guess: the list takes the size of the widest line and of its 31 lines, and the window (kept
// on its centre) and the Copy button below follow it.
void FitListToLines(HWND dialog, HWND list) {
    const std::wstring widest =
        WideFromUtf8(TextOf(WidestAllNotationsLine(Shell().JapaneseUi != 0)));
    const SIZE client = ClientSize(list);
    const auto itemHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const int growX = TextWidthIn(list, widest) + LIST_TEXT_MARGIN - client.cx;
    const int growY = itemHeight * ALL_NOTATIONS_LINE_COUNT - client.cy;
    const SIZE listSize = SizeOf(list);
    SetWindowPos(list, nullptr, 0, 0, listSize.cx + growX, listSize.cy + growY,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND copy = GetDlgItem(dialog, IDC_CONV_ALL_NOTATIONS_COPY);
    RECT button;
    GetWindowRect(copy, &button);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&button), 2);
    SetWindowPos(copy, nullptr, button.left, button.top + growY, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT frame;
    GetWindowRect(dialog, &frame);
    SetWindowPos(dialog, nullptr, frame.left - growX / 2, frame.top - growY / 2,
                 frame.right - frame.left + growX, frame.bottom - frame.top + growY,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnInitDialog(HWND dialog) {
    AllNotationsDialog& state = Dialog();
    state.window = dialog;
    state.font = CreateFixedPitchFont(dialog);
    HWND list = List();
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    for (int line = 0; line < ALL_NOTATIONS_LINE_COUNT; ++line) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
    }
    FitListToLines(dialog, list);
    SetAccessibleName(list, UiText(ALL_NOTATIONS_NAME_EN, ALL_NOTATIONS_NAME_JA));
    const int toLine = ReadSelection(*state.converter, ConverterPane::To) - FIRST_LISTED_NOTATION;
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(toLine), 0);
    KeepWindowInView(dialog);
    RestoreWindowPlace(dialog, PLACE_SECTION, false, SIZE{0, 0});
    AddModelessDialog(dialog);
}

void OnDestroy(HWND dialog) {
    AllNotationsDialog& state = Dialog();
    RememberWindowPlace(dialog, PLACE_SECTION, false);
    RemoveModelessDialog(dialog);
    CloseAllNotations(*state.converter);
    DeleteObject(state.font);
    state.window = nullptr;
    state.font = nullptr;
    state.widestLine = 0;
}

void ChooseSelectedLine() {
    ChooseAllNotationsLine(*Dialog().converter, SelectedNotation());
}

void CopySelectedLine() {
    CopyAllNotationsLine(*Dialog().converter, SelectedNotation());
}

void OnCommand(HWND dialog, int id, int notification) {
    if (id == IDOK || (id == IDC_CONV_ALL_NOTATIONS_LIST && notification == LBN_DBLCLK)) {
        ChooseSelectedLine();
    } else if (id == IDC_CONV_ALL_NOTATIONS_COPY) {
        CopySelectedLine();
        // The button acts on the list's selection: the keys go back to the list.
        SetFocus(List());
    } else if (id == IDCANCEL) {
        DestroyWindow(dialog);
    }
}

// The list's keys: Ctrl+C copies; every other key is the list's own (-1).
LRESULT OnListKey(WPARAM wParam) {
    if (LOWORD(wParam) == 'C' && (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        CopySelectedLine();
        return -2;
    }
    return -1;
}

INT_PTR CALLBACK AllNotationsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            Dialog().converter = reinterpret_cast<Converter*>(lParam);
            OnInitDialog(dialog);
            return TRUE;
        case WM_COMMAND:
            OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        case WM_VKEYTOITEM:
            // One of the few messages whose answer a dialog procedure returns itself.
            return static_cast<INT_PTR>(OnListKey(wParam));
        case WM_CLOSE:
            DestroyWindow(dialog);
            return TRUE;
        case WM_DESTROY:
            OnDestroy(dialog);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

bool ShowAllNotationsDialog(HWND owner, Converter& converter) {
    if (Dialog().window == nullptr) {
        HWND dialog =
            CreateDialogParamW(Shell().instance, UiText(L"ALLNOTATIONS_DLG", L"ALLNOTATIONS_DLG_J"),
                               owner, AllNotationsProc, reinterpret_cast<LPARAM>(&converter));
        if (dialog == nullptr) {
            ShowDialogFailure();
            return false;
        }
        ShowWindow(dialog, SW_SHOWNORMAL);
    }
    SetForegroundWindow(Dialog().window);
    SetFocus(List());
    return true;
}

void SetAllNotationsListLine(int line, std::string_view text) {
    HWND list = Dialog().window != nullptr ? List() : nullptr;
    if (list == nullptr) {
        return;
    }
    // A list box cannot change an item's text: the line is replaced and the selection, which
    // the replacement moves, put back.
    const LRESULT selected = SendMessageW(list, LB_GETCURSEL, 0, 0);
    const std::wstring wide = WideFromUtf8(text);
    SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(line), 0);
    SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(line),
                 reinterpret_cast<LPARAM>(wide.c_str()));
    WidenScrollingFor(list, wide);
    SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
}

}  // namespace quarnic
