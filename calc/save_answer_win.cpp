#include "calc/save_answer_win.h"

#include <commdlg.h>

#include <cstdio>
#include <cwchar>

#include "calc/calc_texts.h"
#include "calc/calculator_state.h"
#include "calc/last_calculation.h"
#include "calc/save_rules.h"
#include "shell/replacing_file.h"
#include "shell/shell_texts.h"
#include "shell/shell_win.h"
#include "shell/wait_cursor.h"

namespace quarnic {
namespace {

static_assert(DRIVE_TYPE_UNKNOWN == DRIVE_UNKNOWN && DRIVE_TYPE_NO_ROOT_DIR == DRIVE_NO_ROOT_DIR &&
              DRIVE_TYPE_REMOVABLE == DRIVE_REMOVABLE && DRIVE_TYPE_FIXED == DRIVE_FIXED &&
              DRIVE_TYPE_REMOTE == DRIVE_REMOTE && DRIVE_TYPE_CDROM == DRIVE_CDROM &&
              DRIVE_TYPE_RAMDISK == DRIVE_RAMDISK && PLATFORM_ID_9X == VER_PLATFORM_WIN32_WINDOWS);

// The saved text at its longest plus a margin.
constexpr std::uint64_t REQUIRED_FREE_BYTES = SAVED_TEXT_BYTES + 1000;
constexpr int FILE_NAME_CHARS = 258;

class Win32ReplacingFile final : public ReplacingFile {
  public:
    explicit Win32ReplacingFile(const wchar_t* target) : target_(target) {}

    bool CreateTemporary() override {
        wchar_t folder[FILE_NAME_CHARS + 2] = {};
        std::wcsncpy(folder, target_, FILE_NAME_CHARS);
        wchar_t* slash = std::wcsrchr(folder, L'\\');
        if (slash == nullptr) {
            return false;
        }
        slash[1] = L'\0';
        // Creates the empty file, so its unique name stays ours.
        if (GetTempFileNameW(folder, L"qrn", 0, temporary_) == 0) {
            return false;
        }
        handle_ = CreateFileW(temporary_, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle_ == INVALID_HANDLE_VALUE) {
            DeleteFileW(temporary_);
            return false;
        }
        return true;
    }
    bool WriteAll(const char* data, std::size_t size) override {
        DWORD written = 0;
        return WriteFile(handle_, data, static_cast<DWORD>(size), &written, nullptr) &&
               written == size && FlushFileBuffers(handle_);
    }
    bool CloseTemporary() override {
        bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }
    bool ReplaceTarget() override {
        return MoveFileExW(temporary_, target_,
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }
    void RemoveTemporary() override { DeleteFileW(temporary_); }

  private:
    const wchar_t* target_;
    wchar_t temporary_[MAX_PATH + 1] = {};
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

void Warn(HWND owner, const wchar_t* english, const wchar_t* japanese) {
    ShowMessage(owner, english, japanese, WARNING_CAPTION_EN, WARNING_CAPTION_JA, MB_ICONWARNING);
}

void Fail(HWND owner, const wchar_t* english, const wchar_t* japanese, UINT icon) {
    ShowMessage(owner, english, japanese, ERROR_CAPTION_EN, ERROR_CAPTION_JA, icon);
}

bool AskFileName(HWND owner, wchar_t* fileName) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = SAVE_DIALOG_FILTER;
    dialog.lpstrFile = fileName;
    dialog.nMaxFile = FILE_NAME_CHARS;
    dialog.lpstrTitle = UiText(SAVE_DIALOG_TITLE_EN, SAVE_DIALOG_TITLE_JA);
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

bool UsesExtendedQuery() {
    if (Shell().PlatformCode != 0) {
        return true;
    }
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    BOOL known = GetVersionExW(&version);
#pragma GCC diagnostic pop
    return known && UsesExtendedFreeSpaceQuery(0, version.dwPlatformId, version.dwBuildNumber);
}

// A free-space query that fails decides nothing: the write that follows is checked in full
// and reports any shortage itself.
bool HasFreeSpace(const wchar_t* root) {
    if (UsesExtendedQuery()) {
        ULARGE_INTEGER available;
        if (!GetDiskFreeSpaceExW(root, &available, nullptr, nullptr)) {
            return true;
        }
        return available.QuadPart >= REQUIRED_FREE_BYTES;
    }
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, totalClusters;
    if (!GetDiskFreeSpaceW(root, &sectorsPerCluster, &bytesPerSector, &freeClusters,
                           &totalClusters)) {
        return true;
    }
    return ClustersHoldBytes(sectorsPerCluster, bytesPerSector, freeClusters, REQUIRED_FREE_BYTES);
}

bool TargetPassesChecks(HWND owner, const wchar_t* fileName) {
    wchar_t root[4] = {};
    std::wcsncpy(root, fileName, 3);
    if (!DriveTakesAnswer(GetDriveTypeW(root))) {
        Warn(owner, REMOTE_DISK_TEXT_EN, REMOTE_DISK_TEXT_JA);
        return false;
    }
    if (!HasFreeSpace(root)) {
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

void SaveAnswer(HWND mainWindow, const Calculator& calc) {
    wchar_t fileName[FILE_NAME_CHARS] = {};
    if (!AskFileName(mainWindow, fileName) || !TargetPassesChecks(mainWindow, fileName)) {
        return;
    }
    SavedText text{};
    int length = BuildSavedText(calc, text);
    SaveResult result;
    {
        WaitCursor wait(*calc.view);
        Win32ReplacingFile file(fileName);
        result = WriteReplacing(file, text.data(), static_cast<std::size_t>(length));
    }
    if (result == SaveResult::NotCreated) {
        Fail(mainWindow, FILE_NOT_CREATED_TEXT_EN, FILE_NOT_CREATED_TEXT_JA, MB_ICONERROR);
    } else if (result == SaveResult::NotWritten) {
        Fail(mainWindow, FILE_NOT_WRITTEN_TEXT_EN, FILE_NOT_WRITTEN_TEXT_JA, MB_ICONERROR);
    }
}

}  // namespace quarnic
