#include "host/settings_store_win.h"

#include <shlobj.h>

namespace quarnic {

bool Win32ProfileStore::FileExists(const wchar_t* path) const {
    DWORD attributes = GetFileAttributesW(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void Win32ProfileStore::ReadValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                                  const wchar_t* defaultText, wchar_t* out, int capacity) const {
    GetPrivateProfileStringW(section, key, defaultText, out, static_cast<DWORD>(capacity), path);
}

// The profile functions may cache a file they cannot write and report success, so the file
// itself is opened for writing first: a read-only file, a folder of that name or a folder
// without write access all fail here. A file made only for this test goes again.
bool Win32ProfileStore::CanWrite(const wchar_t* path) {
    HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    bool created = GetLastError() != ERROR_ALREADY_EXISTS;
    CloseHandle(file);
    if (created) {
        DeleteFileW(path);
    }
    return true;
}

bool Win32ProfileStore::WriteValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                                   const wchar_t* value) {
    return WritePrivateProfileStringW(section, key, value, path) != FALSE;
}

bool Win32ProfileStore::MakeFolder(const wchar_t* path) {
    if (CreateDirectoryW(path, nullptr) || GetLastError() == ERROR_ALREADY_EXISTS) {
        DWORD attributes = GetFileAttributesW(path);
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    return false;
}

void FormUserSettingsPlaces(const wchar_t* programFileName, SettingsPlaces& places) {
    wchar_t appData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        FormUserSettingsPaths(appData, programFileName, places);
    }
}

}  // namespace quarnic
