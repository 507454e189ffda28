#include "host/accessible_text_win.h"

#include <cwchar>

namespace quarnic {
namespace {

constexpr std::size_t TEXT_CAPACITY = 1024;
constexpr wchar_t STATIC_PROC_PROPERTY[] = L"QuarnicStaticProc";

// Lets the parent's painting show through: nothing is erased or drawn, and hit testing passes
// the mouse on to the parent. Text changes are stored without the static control's own
// drawing, which would paint over the console.
LRESULT CALLBACK AccessibleTextProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            BeginPaint(window, &paint);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_NCHITTEST:
            return HTTRANSPARENT;
        case WM_SETTEXT:
            return DefWindowProcW(window, message, wParam, lParam);
        default: {
            auto staticProc = reinterpret_cast<WNDPROC>(GetPropW(window, STATIC_PROC_PROPERTY));
            if (message == WM_NCDESTROY) {
                RemovePropW(window, STATIC_PROC_PROPERTY);
            }
            return CallWindowProcW(staticProc, window, message, wParam, lParam);
        }
    }
}

}  // namespace

void CreateAccessibleTexts(HWND parent, const KeyPlacement* carriers, int count) {
    for (int i = 0; i < count; ++i) {
        const PixelRect& place = carriers[i].rect;
        HWND text = CreateWindowExW(
            WS_EX_TRANSPARENT, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX,
            place.left, place.top, place.width, place.height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(carriers[i].id)),
            reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
        if (text == nullptr) {
            continue;
        }
        auto staticProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(text, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AccessibleTextProc)));
        SetPropW(text, STATIC_PROC_PROPERTY, reinterpret_cast<HANDLE>(staticProc));
    }
}

void SetAccessibleText(HWND parent, int id, std::string_view text) {
    wchar_t wide[TEXT_CAPACITY];
    std::size_t count = text.size() < TEXT_CAPACITY - 1 ? text.size() : TEXT_CAPACITY - 1;
    for (std::size_t i = 0; i < count; ++i) {
        wide[i] = static_cast<unsigned char>(text[i]);
    }
    wide[count] = L'\0';
    SetAccessibleText(parent, id, wide);
}

void SetAccessibleText(HWND parent, int id, const wchar_t* text) {
    HWND carrier = GetDlgItem(parent, id);
    if (carrier == nullptr) {
        return;
    }
    wchar_t current[TEXT_CAPACITY] = {};
    GetWindowTextW(carrier, current, static_cast<int>(TEXT_CAPACITY));
    if (std::wcscmp(current, text) == 0) {
        return;
    }
    SetWindowTextW(carrier, text);
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, carrier, OBJID_CLIENT, CHILDID_SELF);
}

void SetLabelledText(HWND parent, int id, const wchar_t* what, std::string_view label) {
    wchar_t text[TEXT_CAPACITY];
    std::size_t count = 0;
    for (; what[count] != L'\0' && count < TEXT_CAPACITY / 2; ++count) {
        text[count] = what[count];
    }
    if (!label.empty()) {
        text[count++] = L' ';
    }
    for (std::size_t i = 0; i < label.size() && count < TEXT_CAPACITY - 1; ++i) {
        text[count++] = static_cast<unsigned char>(label[i]);
    }
    text[count] = L'\0';
    SetAccessibleText(parent, id, text);
}

}  // namespace quarnic
