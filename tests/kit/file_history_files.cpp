#include "tests/kit/file_history_files.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "common/replacing_file.h"

namespace quarnic {
namespace {

// The shell's safe write on this machine's files: a temporary file beside the target.
class StdReplacingFile final : public ReplacingFile {
  public:
    explicit StdReplacingFile(const std::filesystem::path& target)
        : target_(target), temporary_(target) {
        temporary_ += ".tmp";
    }
    bool CreateTemporary() override {
        out_.open(temporary_, std::ios::binary | std::ios::trunc);
        return static_cast<bool>(out_);
    }
    bool WriteAll(const char* data, std::size_t size) override {
        out_.write(data, static_cast<std::streamsize>(size));
        out_.flush();
        return static_cast<bool>(out_);
    }
    bool CloseTemporary() override {
        out_.close();
        return !out_.fail();
    }
    bool ReplaceTarget() override {
        std::error_code error;
        std::filesystem::rename(temporary_, target_, error);
        return !error;
    }
    void RemoveTemporary() override {
        std::error_code ignored;
        std::filesystem::remove(temporary_, ignored);
    }

  private:
    std::filesystem::path target_;
    std::filesystem::path temporary_;
    std::ofstream out_;
};

}  // namespace

HistoryFiles::Reading FileHistoryFiles::ReadAll(std::string& bytes) {
    std::error_code error;
    if (!std::filesystem::exists(file_, error)) {
        return error ? Reading::Unreadable : Reading::Missing;
    }
    std::ifstream in(file_, std::ios::binary);
    if (!in) {
        return Reading::Unreadable;
    }
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return in.bad() ? Reading::Unreadable : Reading::Read;
}

bool FileHistoryFiles::CutAndAppend(std::size_t offset, std::string_view text) {
    std::error_code error;
    if (!std::filesystem::exists(file_, error)) {
        std::ofstream create(file_, std::ios::binary);
        if (!create) {
            return false;
        }
    }
    std::filesystem::resize_file(file_, offset, error);
    if (error) {
        return false;
    }
    std::ofstream out(file_, std::ios::binary | std::ios::app);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    return static_cast<bool>(out);
}

bool FileHistoryFiles::Replace(std::string_view text) {
    StdReplacingFile replacing(file_);
    return WriteReplacing(replacing, text.data(), text.size()) == SaveResult::Saved;
}

bool FileHistoryFiles::NameTaken(std::string_view name) {
    std::error_code error;
    return std::filesystem::exists(file_.parent_path() / name, error) || error;
}

bool FileHistoryFiles::RenameTo(std::string_view name) {
    std::error_code error;
    std::filesystem::rename(file_, file_.parent_path() / name, error);
    return !error;
}

bool FileHistoryFiles::Remove() {
    std::error_code error;
    return std::filesystem::remove(file_, error);
}

}  // namespace quarnic
