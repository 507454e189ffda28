// A throwaway window with one of each thing the driver must handle (push and radio buttons, a
// greyed system-menu item, the save dialog, a message box, the clipboard, single instance), so
// the driver and the harness can be checked without the real programs.

#include <windows.h>
// The common dialogs need the types of windows.h.
#include <commdlg.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "tests/e2e/fixture_ids.h"

namespace {

const wchar_t kClass[] = L"E2EFIXTURE";
const wchar_t kEnglishTitle[] = L"Fixture Window";
const wchar_t kJapaneseTitle[] = L"試験ウィンドウ";

HWND CreateKey(HWND parent, const wchar_t* label, int id, int x, DWORD kind) {
    return CreateWindowExW(0, L"BUTTON", label, WS_CHILD | WS_VISIBLE | kind, x, 10, 60, 24, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

void OnCreate(HWND window) {
    CreateKey(window, L"Count", FIXTURE_KEY_COUNT, 10, BS_PUSHBUTTON);
    EnableWindow(CreateKey(window, L"Toggle", FIXTURE_KEY_TOGGLE, 75, BS_PUSHBUTTON), FALSE);
    CreateKey(window, L"Warn", FIXTURE_KEY_WARN, 140, BS_PUSHBUTTON);
    CreateKey(window, L"Copy", FIXTURE_KEY_COPY, 205, BS_PUSHBUTTON);
    CreateKey(window, L"A", FIXTURE_RADIO_A, 270, BS_RADIOBUTTON);
    CreateKey(window, L"B", FIXTURE_RADIO_B, 335, BS_RADIOBUTTON);
    CheckDlgButton(window, FIXTURE_RADIO_A, BST_CHECKED);
    HMENU menu = GetSystemMenu(window, FALSE);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING | MF_GRAYED, FIXTURE_MENU_SAVE, L"Sa&ve answer...");
}

void OnCount(HWND window) {
    EnableWindow(GetDlgItem(window, FIXTURE_KEY_TOGGLE), TRUE);
    CheckDlgButton(window, FIXTURE_RADIO_A, BST_UNCHECKED);
    CheckDlgButton(window, FIXTURE_RADIO_B, BST_CHECKED);
    EnableMenuItem(GetSystemMenu(window, FALSE), FIXTURE_MENU_SAVE, MF_BYCOMMAND | MF_ENABLED);
}

void OnCopy(HWND window) {
    const char text[] = "255 (10) = FF (16)";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof text);
    std::memcpy(GlobalLock(block), text, sizeof text);
    GlobalUnlock(block);
    if (OpenClipboard(window)) {
        EmptyClipboard();
        SetClipboardData(CF_TEXT, block);
        CloseClipboard();
    }
}

void OnSave(HWND window) {
    wchar_t path[258] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window;
    dialog.lpstrFilter = L"Text file (*.txt)\0*.txt\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = 258;
    dialog.lpstrTitle = L"Assign a file to save the answer.";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    dialog.lpstrDefExt = L"txt";
    if (!GetSaveFileNameW(&dialog)) {
        return;
    }
    size_t length = std::wcslen(path);
    if (length < 4 || _wcsicmp(path + length - 4, L".txt") != 0) {
        MessageBoxW(window, L"Assign a file with TXT extension.", L"Error", MB_ICONWARNING);
        return;
    }
    if (FILE* file = _wfopen(path, L"wb")) {
        std::fputs("fixture\r\n", file);
        std::fclose(file);
    }
}

LRESULT CALLBACK FixtureProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_CREATE:
            OnCreate(window);
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wparam)) {
                case FIXTURE_KEY_COUNT:
                    OnCount(window);
                    break;
                case FIXTURE_KEY_WARN:
                    MessageBoxW(window, L"Maximum number of digits is 19 for 10 notation number.",
                                L"Warning", MB_OK);
                    break;
                case FIXTURE_KEY_COPY:
                    OnCopy(window);
                    break;
            }
            return 0;
        case WM_SYSCOMMAND:
            if (LOWORD(wparam) == FIXTURE_MENU_SAVE) {
                OnSave(window);
                return 0;
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const wchar_t* title = GetACP() == 932 ? kJapaneseTitle : kEnglishTitle;
    if (FindWindowW(kClass, kEnglishTitle) || FindWindowW(kClass, kJapaneseTitle)) {
        return 0;
    }
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = FixtureProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = kClass;
    RegisterClassW(&window_class);
    HWND window = CreateWindowExW(0, kClass, title, WS_OVERLAPPED | WS_SYSMENU | WS_MINIMIZEBOX,
                                  100, 100, 420, 90, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
