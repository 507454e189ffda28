#include "calc/save_answer_win.h"

#include <commdlg.h>

#include <cstdio>
#include <cwchar>

#include "calc/calc_texts.h"
#include "calc/calculator_state.h"
#include "calc/last_calculation.h"
#include "calc/save_rules.h"
#include "common/shell_texts.h"
#include "common/wait_cursor.h"
#include "host/replacing_file_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

static_assert(DRIVE_TYPE_UNKNOWN == DRIVE_UNKNOWN && DRIVE_TYPE_NO_ROOT_DIR == DRIVE_NO_ROOT_DIR &&
              DRIVE_TYPE_REMOVABLE == DRIVE_REMOVABLE && DRIVE_TYPE_FIXED == DRIVE_FIXED &&
              DRIVE_TYPE_REMOTE == DRIVE_REMOTE && DRIVE_TYPE_CDROM == DRIVE_CDROM &&
              DRIVE_TYPE_RAMDISK == DRIVE_RAMDISK);

// The text to write plus a margin.
constexpr std::uint64_t FREE_SPACE_MARGIN = 1000;
constexpr int FILE_NAME_CHARS = TARGET_NAME_CHARS;

constexpr SaveTexts ANSWER_TEXTS{SAVE_DIALOG_TITLE_EN,     SAVE_DIALOG_TITLE_JA,
                                 FILE_NOT_CREATED_TEXT_EN, FILE_NOT_CREATED_TEXT_JA,
                                 FILE_NOT_WRITTEN_TEXT_EN, FILE_NOT_WRITTEN_TEXT_JA};

void Warn(HWND owner, const wchar_t* english, const wchar_t* japanese) {
    ShowMessage(owner, english, japanese, WARNING_CAPTION_EN, WARNING_CAPTION_JA, MB_ICONWARNING);
}

void Fail(HWND owner, const wchar_t* english, const wchar_t* japanese, UINT icon) {
    ShowMessage(owner, english, japanese, ERROR_CAPTION_EN, ERROR_CAPTION_JA, icon);
}

bool AskFileName(HWND owner, const SaveTexts& texts, wchar_t* fileName) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = SAVE_DIALOG_FILTER;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = FILE_NAME_CHARS;
    dialog.lpstrTitle = UiText(texts.titleEn, texts.titleJa);
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
    dialog.lpstrDefExt = L"txt";
    if (GetSaveFileNameW(&dialog)) {
        return true;
    }
    DWORD code = CommDlgExtendedError();
    if (code != 0) {
        wchar_t englishText[64] = {};
        wchar_t japaneseText[64] = {};
        std::swprintf(englishText, 64, SAVE_DIALOG_ERROR_FORMAT_EN, code);
        std::swprintf(japaneseText, 64, SAVE_DIALOG_ERROR_FORMAT_JA, code);
        Fail(owner, englishText, japaneseText, MB_ICONERROR);
    }
    return false;
}

// A free-space query that fails decides nothing: the write that follows is checked in full
// and reports any shortage itself.
bool HasFreeSpace(const wchar_t* root, std::uint64_t required) {
    ULARGE_INTEGER available;
    if (!GetDiskFreeSpaceExW(root, &available, nullptr, nullptr)) {
        return true;
    }
    return available.QuadPart >= required;
}

bool TargetPassesChecks(HWND owner, const wchar_t* fileName, std::uint64_t required) {
    wchar_t root[4] = {};
    std::wcsncpy(root, fileName, 3);
    if (!DriveTakesAnswer(GetDriveTypeW(root))) {
        Warn(owner, REMOTE_DISK_TEXT_EN, REMOTE_DISK_TEXT_JA);
        return false;
    }
    if (!HasFreeSpace(root, required)) {
        Warn(owner, DISK_FULL_TEXT_EN, DISK_FULL_TEXT_JA);
        return false;
    }
    if (!HasTxtExtension(fileName)) {
        Fail(owner, TXT_EXTENSION_TEXT_EN, TXT_EXTENSION_TEXT_JA, MB_ICONWARNING);
        return false;
    }
    return true;
}

}  // namespace

void SaveTextFile(HWND owner, const SaveTexts& texts, const char* data, std::size_t size,
                  std::size_t longestSize) {
    wchar_t fileName[FILE_NAME_CHARS] = {};
    if (!AskFileName(owner, texts, fileName) ||
        !TargetPassesChecks(owner, fileName, longestSize + FREE_SPACE_MARGIN)) {
        return;
    }
    SaveResult result;
    {
        SetWaitCursorShown(true);
        Win32ReplacingFile file(fileName);
        result = WriteReplacing(file, data, size);
        SetWaitCursorShown(false);
    }
    if (result == SaveResult::NotCreated) {
        Fail(owner, texts.notCreatedEn, texts.notCreatedJa, MB_ICONERROR);
    } else if (result == SaveResult::NotWritten) {
        Fail(owner, texts.notWrittenEn, texts.notWrittenJa, MB_ICONERROR);
    }
}

void SaveAnswerText(HWND mainWindow, std::string_view text, std::size_t longestSize) {
    SaveTextFile(mainWindow, ANSWER_TEXTS, text.data(), text.size(), longestSize);
}

}  // namespace quarnic
