#include "conv/all_notations_window_win.h"

#include <string>

#include "conv/all_notations.h"
#include "conv/conv_ids.h"
#include "conv/conv_texts.h"
#include "conv/converter_commands.h"
#include "engine/fixed_text.h"
#include "host/accessible_name_win.h"
#include "host/accessible_text_win.h"
#include "host/clipboard_win.h"
#include "host/dpi_win.h"
#include "host/shell_win.h"
#include "host/tool_window_win.h"

namespace quarnic {
namespace {

constexpr wchar_t PLACE_SECTION[] = L"AllNotations";

struct AllNotationsDialog {
    HWND window = nullptr;
    DialogAtDpi layout;
    Converter* converter = nullptr;
    int widestLine = 0;  // pixels, in the list's font
};

const wchar_t* TemplateName() {
    return UiText(L"ALLNOTATIONS_DLG", L"ALLNOTATIONS_DLG_J");
}

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
    HGDIOBJ old = SelectObject(dc, Dialog().layout.FixedFont());
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

void MoveTo(HWND control, const PixelRect& place) {
    SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// The template's places at the window's DPI, fitted to the widest line and the 31 lines in the
// list's fixed-pitch font. The list's border is taken at that DPI without its scroll bars,
// which the fitted list does not need.
AllNotationsPlaces FitListToLines(HWND dialog, HWND list) {
    const DialogAtDpi& layout = Dialog().layout;
    const AllNotationsPlaces placed{layout.PlaceOf(IDC_CONV_ALL_NOTATIONS_LIST),
                                    layout.PlaceOf(IDC_CONV_ALL_NOTATIONS_COPY),
                                    layout.Places().clientWidth, layout.Places().clientHeight};
    const auto style = static_cast<DWORD>(GetWindowLongW(list, GWL_STYLE));
    const SIZE frame = WindowSizeForClient(style & ~(WS_VSCROLL | WS_HSCROLL),
                                           static_cast<DWORD>(GetWindowLongW(list, GWL_EXSTYLE)), 0,
                                           0, layout.Dpi());
    const std::wstring widest = WideFromUtf8(TextOf(WidestAllNotationsLine(Shell().JapaneseUi)));
    const auto lineHeight = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    const AllNotationsPlaces fitted =
        FitAllNotationsList(placed, static_cast<int>(frame.cx), static_cast<int>(frame.cy),
                            TextWidthIn(list, widest), lineHeight);
    MoveTo(list, fitted.list);
    MoveTo(GetDlgItem(dialog, IDC_CONV_ALL_NOTATIONS_COPY), fitted.copy);
    return fitted;
}

// At creation the window grows about its centre, as the template centres it.
void GrowAboutCentre(HWND dialog, const AllNotationsPlaces& fitted) {
    const SIZE size = Dialog().layout.WindowSizeFor(fitted.clientWidth, fitted.clientHeight);
    RECT frame;
    GetWindowRect(dialog, &frame);
    const int growX = static_cast<int>(size.cx) - (frame.right - frame.left);
    const int growY = static_cast<int>(size.cy) - (frame.bottom - frame.top);
    SetWindowPos(dialog, nullptr, frame.left - growX / 2, frame.top - growY / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A change of DPI: everything made again at the new DPI, the window at the place Windows
// suggests and inside its monitor.
void OnDpiChanged(HWND dialog, int dpi, const RECT& suggested) {
    AllNotationsDialog& state = Dialog();
    state.layout.Change(dpi);
    HWND list = List();
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(state.layout.FixedFont()), FALSE);
    // The lines' widths in the new font: the list scrolls as far as the widest reaches.
    state.widestLine = 0;
    for (const AllNotationsLine& line : state.converter->allNotations.lines) {
        WidenScrollingFor(list, WideFromUtf8(TextOf(line)));
    }
    const AllNotationsPlaces fitted = FitListToLines(dialog, list);
    const SIZE size = state.layout.WindowSizeFor(fitted.clientWidth, fitted.clientHeight);
    SetWindowPos(dialog, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SizeClientArea(dialog, fitted.clientWidth, fitted.clientHeight);
    KeepWindowInView(dialog);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void OnInitDialog(HWND dialog) {
    AllNotationsDialog& state = Dialog();
    state.window = dialog;
    state.layout.Start(dialog, TemplateName());
    HWND list = List();
    SendMessageW(list, WM_SETFONT, reinterpret_cast<WPARAM>(state.layout.FixedFont()), FALSE);
    for (int line = 0; line < ALL_NOTATIONS_LINE_COUNT; ++line) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
    }
    GrowAboutCentre(dialog, FitListToLines(dialog, list));
    SetAccessibleName(list, UiText(ALL_NOTATIONS_NAME_EN, ALL_NOTATIONS_NAME_JA));
    const int toLine = state.converter->state.ToSelection - FIRST_LISTED_NOTATION;
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
    state.layout.Release();
    state.window = nullptr;
    state.widestLine = 0;
}

void ChooseSelectedLine() {
    DispatchConverterCommand(*Dialog().converter, IDC_CONV_ALL_NOTATIONS_LIST, SelectedNotation());
}

void CopySelectedLine() {
    DispatchConverterCommand(*Dialog().converter, IDC_CONV_ALL_NOTATIONS_COPY, SelectedNotation());
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
        case WM_DPICHANGED:
            OnDpiChanged(dialog, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return TRUE;
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
        HWND dialog = CreateDialogParamW(Shell().instance, TemplateName(), owner, AllNotationsProc,
                                         reinterpret_cast<LPARAM>(&converter));
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
