#include "conv/warning_dialog_win.h"

#include "conv/conv_ids.h"
#include "conv/converter_state.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

// The converter's texts are UTF-8 (the Japanese ones included); windows take UTF-16.
void Utf8ToWide(const char* text, wchar_t* out, int capacity) {
    out[0] = L'\0';
    if (MultiByteToWideChar(CP_UTF8, 0, text, -1, out, capacity) == 0) {
        out[0] = L'\0';
    }
}

INT_PTR CALLBACK WarningProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            wchar_t text[WARNING_TEXT_BYTES];
            Utf8ToWide(reinterpret_cast<const char*>(lParam), text, WARNING_TEXT_BYTES);
            SetDlgItemTextW(dialog, IDC_CONV_WARN_TEXT, text);
            return TRUE;
        }
        case WM_COMMAND:
            // Only OK ends the dialog; Escape (IDCANCEL) is swallowed.
            if (LOWORD(wParam) == IDOK) {
                EndDialog(dialog, 1);
            }
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

int ShowWarningDialog(HWND owner, const char* text, bool japanese) {
    INT_PTR result = DialogBoxParamW(Shell().instance, japanese ? L"WARN_DLG_J" : L"WARN_DLG",
                                     owner, WarningProc, reinterpret_cast<LPARAM>(text));
    return static_cast<int>(result);
}

void ShowSystemErrorBox(const char* text, const char* caption) {
    wchar_t wideText[128];
    wchar_t wideCaption[64];
    Utf8ToWide(text, wideText, 128);
    Utf8ToWide(caption, wideCaption, 64);
    MessageBoxW(nullptr, wideText, wideCaption, MB_SYSTEMMODAL | MB_ICONERROR);
}

}  // namespace quarnic
