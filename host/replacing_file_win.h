// The shell's safe write on real files: a temporary file in the target's folder that replaces
// the target once it is complete.
#pragma once

#include <windows.h>

#include <cwchar>

#include "common/replacing_file.h"

namespace quarnic {

inline constexpr int TARGET_NAME_CHARS = 258;

class Win32ReplacingFile final : public ReplacingFile {
  public:
    explicit Win32ReplacingFile(const wchar_t* target) : target_(target) {}

    bool CreateTemporary() override {
        wchar_t folder[TARGET_NAME_CHARS + 2] = {};
        std::wcsncpy(folder, target_, TARGET_NAME_CHARS);
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

}  // namespace quarnic
