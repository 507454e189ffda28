// The history file on the disk, through the Win32 file functions.
#pragma once

#include <windows.h>

#include "common/settings_parse.h"
#include "history/history_file.h"

namespace quarnic {

class Win32HistoryFiles final : public HistoryFiles {
  public:
    explicit Win32HistoryFiles(const wchar_t* path);

    Reading ReadAll(std::string& bytes) override;
    bool CutAndAppend(std::size_t offset, std::string_view text) override;
    bool Replace(std::string_view text) override;
    bool NameTaken(std::string_view name) override;
    bool RenameTo(std::string_view name) override;
    bool Remove() override;

    const wchar_t* Path() const { return path_.data(); }

  private:
    // A file of the history file's folder; false when the name would not fit.
    bool Beside(std::string_view name, PathText& path) const;

    PathText path_{};
};

}  // namespace quarnic
