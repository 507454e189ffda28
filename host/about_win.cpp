// The About box and the readme it opens in Notepad.
#include "host/about_win.h"

#include <cwchar>

#include "common/dialog_rules.h"
#include "common/shell_texts.h"
#include "host/dialog_ids.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

constexpr int ABOUT_CLOSE = IDC_ABOUT_CLOSE;
constexpr int ABOUT_README = IDC_ABOUT_README;

INT_PTR CALLBACK AboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            return TRUE;
        case WM_CLOSE:
            EndDialog(dialog, 0);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == ABOUT_CLOSE) {
                EndDialog(dialog, ABOUT_CLOSE);
            } else if (LOWORD(wParam) == ABOUT_README) {
                // Escape arrives as this id as well, and so opens the readme too.
                OpenReadme();
                EndDialog(dialog, ABOUT_README);
            }
            return TRUE;
        default:
            return FALSE;
    }
}

void ShowReadmeMessage(const wchar_t* englishFormat, const wchar_t* japaneseFormat) {
    wchar_t text[256] = {};
    std::swprintf(text, 256, UiText(englishFormat, japaneseFormat),
                  Shell().program->files.readmeName);
    MessageBoxW(nullptr, text, UiText(ERROR_CAPTION_EN, ERROR_CAPTION_JA), MB_ICONERROR);
}

}  // namespace

void ShowAbout(HWND owner) {
    RunModalDialog(owner, L"ABOUT_DLG", L"ABOUT_DLG_J", AboutProc, 0);
}

void OpenReadme() {
    const wchar_t* readme = Shell().paths.readme.data();
    WIN32_FIND_DATAW data;
    HANDLE find = Shell().pathsFormed ? FindFirstFileW(readme, &data) : INVALID_HANDLE_VALUE;
    if (find == INVALID_HANDLE_VALUE) {
        ShowReadmeMessage(README_MISSING_FORMAT_EN, README_MISSING_FORMAT_JA);
        return;
    }
    wchar_t windowsDirectory[256] = {};
    GetWindowsDirectoryW(windowsDirectory, 256);
    wchar_t command[PATH_CAPACITY + 300] = {};
    BuildNotepadCommand(windowsDirectory, readme, command, PATH_CAPACITY + 300);
    // WinExec takes only an ANSI command line; CreateProcess is its wide twin, and a start
    // that does not happen counts as the failure that WinExec's 32 or less would report.
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        ShowReadmeMessage(README_NOT_OPENED_FORMAT_EN, README_NOT_OPENED_FORMAT_JA);
    }
    FindClose(find);
}

}  // namespace quarnic
