// The history file operations on a real file with the C++ library, for the key-script runner's
// --history and the benchmarks: the same rules as the program's, on this machine's disk.
#pragma once

#include <filesystem>

#include "history/history_file.h"

namespace quarnic {

class FileHistoryFiles final : public HistoryFiles {
  public:
    explicit FileHistoryFiles(std::filesystem::path file) : file_(std::move(file)) {}

    Reading ReadAll(std::string& bytes) override;
    bool CutAndAppend(std::size_t offset, std::string_view text) override;
    bool Replace(std::string_view text) override;
    bool NameTaken(std::string_view name) override;
    bool RenameTo(std::string_view name) override;
    bool Remove() override;

  private:
    std::filesystem::path file_;
};

}  // namespace quarnic
