#include "calc/history_files_win.h"

#include <cwchar>

#include "host/replacing_file_win.h"

namespace quarnic {
namespace {

// Closes a file handle when it goes out of scope.
class FileHandle {
  public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

  private:
    HANDLE handle_;
};

bool Exists(const wchar_t* path) {
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

Win32HistoryFiles::Win32HistoryFiles(const wchar_t* path) {
    std::wcsncpy(path_.data(), path, path_.size() - 1);
}

HistoryFiles::Reading Win32HistoryFiles::ReadAll(std::string& bytes) {
    FileHandle file(CreateFileW(path_.data(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? Reading::Missing
                                                                              : Reading::Unreadable;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > 64 * 1024 * 1024) {
        return Reading::Unreadable;
    }
    bytes.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() &&
        (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
         read != bytes.size())) {
        return Reading::Unreadable;
    }
    return Reading::Read;
}

bool Win32HistoryFiles::CutAndAppend(std::size_t offset, std::string_view text) {
    FileHandle file(CreateFileW(path_.data(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        return false;
    }
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(offset);
    DWORD written = 0;
    return SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN) && SetEndOfFile(file.get()) &&
           WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
           written == text.size() && FlushFileBuffers(file.get());
}

bool Win32HistoryFiles::Replace(std::string_view text) {
    Win32ReplacingFile file(path_.data());
    return WriteReplacing(file, text.data(), text.size()) == SaveResult::Saved;
}

bool Win32HistoryFiles::Beside(std::string_view name, PathText& path) const {
    path = path_;
    wchar_t* slash = std::wcsrchr(path.data(), L'\\');
    std::size_t at = slash == nullptr ? 0 : static_cast<std::size_t>(slash - path.data()) + 1;
    if (at + name.size() + 1 > path.size()) {
        return false;
    }
    for (char c : name) {
        path[at++] = static_cast<wchar_t>(static_cast<unsigned char>(c));
    }
    path[at] = L'\0';
    return true;
}

bool Win32HistoryFiles::NameTaken(std::string_view name) {
    PathText path;
    return !Beside(name, path) || Exists(path.data());
}

bool Win32HistoryFiles::RenameTo(std::string_view name) {
    PathText path;
    return Beside(name, path) && MoveFileExW(path_.data(), path.data(), MOVEFILE_WRITE_THROUGH);
}

bool Win32HistoryFiles::Remove() {
    return DeleteFileW(path_.data()) != 0;
}

}  // namespace quarnic
