// The history file KELVARIN-HISTORY.TXT: its text, its reading at start, and the keeper that
// writes every change as it happens, so that a program killed at any moment loses at most the
// entry being written. The file operations are behind HistoryFiles: the program's work on real
// files, the tests' in memory.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <string_view>

#include "history/history.h"

namespace quarnic {

inline constexpr char HISTORY_FILE_NAME[] = "KELVARIN-HISTORY.TXT";
// The first line; its number is the format's version.
inline constexpr std::string_view HISTORY_FILE_HEADER = "Quarnic Calculator history 1\r\n";

// The whole file for a list of entries: the header, then each entry oldest first followed by
// an empty line.
std::string HistoryFileText(const std::deque<std::string>& oldestFirst);
std::string HistoryFileText(const CalculationHistory& history);

struct HistoryReading {
    std::deque<std::string> entries;  // oldest first, every one that could be read
    bool damaged = false;             // something that is no entry: the file is set aside
    std::size_t entriesEnd = 0;       // where the last whole entry (or the header) ends
    std::size_t newestStart = 0;      // where the last whole entry begins
    int entriesOnFile = 0;            // whole entries, before the oldest beyond the limit drop
};

// Reads a file's bytes. A last entry without its closing empty line is an interrupted append
// and is dropped, as is a file that holds only the beginning of the header. Anything else
// that is not the header followed by entries (another first line or version, a line that is
// no entry's, a number with a digit its notation lacks, a line too long, a stray empty line)
// marks the file damaged; every entry that reads is kept all the same.
HistoryReading ReadHistoryFileText(std::string_view bytes);

// "KELVARIN-HISTORY-n.BAD".
std::string SetAsideName(int n);

// The file operations the keeper needs, on the history file and its folder.
class HistoryFiles {
  public:
    virtual ~HistoryFiles() = default;
    enum class Reading { Missing, Read, Unreadable };
    // The whole file. Unreadable: it is there but could not be read, so it must not be touched.
    virtual Reading ReadAll(std::string& bytes) = 0;
    // Cuts the file (created when missing) at offset, then appends text.
    virtual bool CutAndAppend(std::size_t offset, std::string_view text) = 0;
    // The whole file anew, through a temporary file that replaces it once complete.
    virtual bool Replace(std::string_view text) = 0;
    // Whether the folder holds a file of that name.
    virtual bool NameTaken(std::string_view name) = 0;
    // Renames the history file within its folder; false, changing nothing, on failure.
    virtual bool RenameTo(std::string_view name) = 0;
    virtual bool Remove() = 0;
};

// Keeps the file in step with the list. A write that fails is reported once per run; the
// history stays in memory, and the next change writes the whole file afresh.
class HistoryFileKeeper final : public HistoryObserver {
  public:
    HistoryFileKeeper(CalculationHistory& history, HistoryFiles& files);
    ~HistoryFileKeeper() override;
    HistoryFileKeeper(const HistoryFileKeeper&) = delete;
    HistoryFileKeeper& operator=(const HistoryFileKeeper&) = delete;

    // Reads the file into the history. A damaged file is renamed to the lowest free
    // SetAsideName and the entries read from it are written afresh; a damaged file that
    // cannot be renamed (or a file that cannot be read) is left alone, and nothing is written
    // to it this run: that counts as the run's failed write.
    void Load();
    // Writes the whole history anew, as when keeping is turned on during a run.
    void WriteAfresh();
    // The name of the file set aside by Load, or empty.
    const std::string& SetAsideFileName() const { return setAside_; }

    // Called with the message's key once, at the first failed write of the run.
    void OnFirstFailure(std::function<void()> report) { report_ = std::move(report); }
    bool WriteFailed() const { return failed_; }

    void EntryAdded(bool oldestDropped) override;
    void NewestReplaced() override;
    void EntryRemoved(int index) override;
    void Cleared() override;

  private:
    void SetAsideDamagedFile();
    void RewriteAll();
    void Written(bool ok);

    CalculationHistory& history_;
    HistoryFiles& files_;
    std::size_t fileSize_ = 0;     // 0: no file yet, the header comes first
    std::size_t newestStart_ = 0;  // where the newest entry on file begins
    int entriesOnFile_ = 0;
    bool inStep_ = true;    // false after a failed write: the file's offsets are unknown
    bool blocked_ = false;  // a damaged file that could not be set aside is never written
    bool failed_ = false;
    std::string setAside_;
    std::function<void()> report_;
};

}  // namespace quarnic
