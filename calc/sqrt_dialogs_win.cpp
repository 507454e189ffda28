#include "calc/sqrt_dialogs_win.h"

#include "calc/calc_ids.h"
#include "calc/calc_texts.h"
#include "calc/calculator_view.h"
#include "common/dialog_rules.h"
#include "host/main_window_place_win.h"
#include "host/shell_win.h"
#include "host/tool_window_win.h"

namespace quarnic {
namespace {

HWND pleaseWaitDialog = nullptr;

INT_PTR CALLBACK PleaseWaitProc(HWND, UINT message, WPARAM, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_DESTROY:
            RemoveModelessDialog(pleaseWaitDialog);
            pleaseWaitDialog = nullptr;
            return TRUE;
        default:
            return FALSE;
    }
}

void SetTopmost(HWND window, HWND order) {
    HDWP positions = BeginDeferWindowPos(1);
    positions = DeferWindowPos(positions, window, order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EndDeferWindowPos(positions);
}

void PlaceBesideMainWindow(HWND dialog, HWND mainWindow) {
    RECT main;
    RECT own;
    GetWindowRect(mainWindow, &main);
    GetWindowRect(dialog, &own);
    const int y =
        PleaseWaitTop(main.top, main.bottom, own.bottom - own.top, GetSystemMetrics(SM_CYSCREEN));
    HDWP positions = BeginDeferWindowPos(1);
    positions = DeferWindowPos(positions, dialog, nullptr, main.left + 1, y, 0, 0,
                               SWP_NOSIZE | SWP_NOZORDER);
    EndDeferWindowPos(positions);
}

struct SettingDialogContext {
    SqrtSettingEvents* events;
    int checkedButtonId;
};

void CheckTruncationButton(HWND dialog, int id) {
    CheckRadioButton(dialog, IDC_SQRT_TRUNCATION_100, IDC_SQRT_TRUNCATION_300, id);
}

INT_PTR CALLBACK SqrtSettingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* context = reinterpret_cast<SettingDialogContext*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            context = reinterpret_cast<SettingDialogContext*>(lParam);
            CheckTruncationButton(dialog, context->checkedButtonId);
            return TRUE;
        case WM_COMMAND:
            if (context == nullptr) {
                return FALSE;
            }
            switch (LOWORD(wParam)) {
                case IDC_SQRT_TRUNCATION_100:
                case IDC_SQRT_TRUNCATION_200:
                case IDC_SQRT_TRUNCATION_300:
                    CheckTruncationButton(dialog,
                                          context->events->OnTruncationClicked(LOWORD(wParam)));
                    break;
                case IDOK:
                    context->events->OnOk();
                    EndDialog(dialog, IDOK);
                    break;
                case IDCANCEL:
                    context->events->OnCancel();
                    EndDialog(dialog, IDCANCEL);
                    break;
                default:
                    break;
            }
            return TRUE;
        case WM_CLOSE:
            if (context == nullptr) {
                return FALSE;
            }
            context->events->OnClose();
            EndDialog(dialog, 0);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void OpenPleaseWaitDialog(HWND mainWindow) {
    SetTopmost(mainWindow, HWND_TOPMOST);
    HWND dialog =
        CreateDialogParamW(Shell().instance, UiText(L"PLEASEWAIT_DLG", L"PLEASEWAIT_DLG_J"),
                           mainWindow, PleaseWaitProc, 0);
    if (dialog == nullptr) {
        return;  // the root is computed all the same, only without the note
    }
    pleaseWaitDialog = dialog;
    AddModelessDialog(dialog);
    PlaceBesideMainWindow(dialog, mainWindow);
    SetDlgItemTextW(dialog, IDC_PLEASE_WAIT_TEXT, UiText(PLEASE_WAIT_TEXT_EN, PLEASE_WAIT_TEXT_JA));
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    RedrawWindow(dialog, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void ClosePleaseWaitDialog(HWND mainWindow) {
    if (pleaseWaitDialog != nullptr) {
        DestroyWindow(pleaseWaitDialog);
    }
    SetTopmost(mainWindow, SettledWindowOrder());
}

bool RunSqrtSettingDialog(HWND owner, int checkedButtonId, SqrtSettingEvents& events) {
    SettingDialogContext context{&events, checkedButtonId};
    return RunModalDialog(owner, L"SQRTDIGIT_DLG", L"SQRTDIGIT_DLG_J", SqrtSettingProc,
                          reinterpret_cast<LPARAM>(&context));
}

}  // namespace quarnic
