#include "history/history_file.h"

#include <vector>

#include "history/history_entry.h"

namespace quarnic {
namespace {

constexpr std::string_view LINE_END = "\r\n";
constexpr int MOST_SET_ASIDE_FILES = 9999;

bool IsEntry(std::string_view text) {
    std::vector<EntryLine> lines;
    return ParseEntryText(text, lines);
}

}  // namespace

std::string HistoryFileText(const std::deque<std::string>& oldestFirst) {
    std::string text(HISTORY_FILE_HEADER);
    for (const std::string& entry : oldestFirst) {
        text += entry;
        text += LINE_END;
    }
    return text;
}

std::string HistoryFileText(const CalculationHistory& history) {
    std::string text(HISTORY_FILE_HEADER);
    for (int i = history.Count() - 1; i >= 0; --i) {
        text += history.Text(i);
        text += LINE_END;
    }
    return text;
}

HistoryReading ReadHistoryFileText(std::string_view bytes) {
    HistoryReading reading;
    if (bytes.size() < HISTORY_FILE_HEADER.size() &&
        HISTORY_FILE_HEADER.substr(0, bytes.size()) == bytes) {
        return reading;  // the first write was cut short
    }
    if (bytes.substr(0, HISTORY_FILE_HEADER.size()) != HISTORY_FILE_HEADER) {
        reading.damaged = true;
    }
    // Past the first line even when it is wrong: the entries after it are still kept.
    std::size_t at = bytes.find(LINE_END);
    at = at == std::string_view::npos ? bytes.size() : at + LINE_END.size();
    reading.entriesEnd = reading.damaged ? 0 : at;
    while (at < bytes.size()) {
        const std::size_t blank = bytes.find("\r\n\r\n", at);
        // Lines at the start of an entry that are empty: nothing an entry begins with.
        if (bytes.compare(at, LINE_END.size(), LINE_END) == 0) {
            reading.damaged = true;
            at += LINE_END.size();
            continue;
        }
        if (blank == std::string_view::npos) {
            break;  // no closing empty line: an interrupted append
        }
        const std::size_t end = blank + 2 * LINE_END.size();
        const std::string_view entry = bytes.substr(at, blank + LINE_END.size() - at);
        if (IsEntry(entry)) {
            reading.entries.emplace_back(entry);
            reading.newestStart = at;
            ++reading.entriesOnFile;
            if (!reading.damaged) {
                reading.entriesEnd = end;
            }
        } else {
            reading.damaged = true;
        }
        at = end;
    }
    while (reading.entries.size() > static_cast<std::size_t>(HISTORY_LIMIT)) {
        reading.entries.pop_front();
    }
    return reading;
}

std::string SetAsideName(int n) {
    return "KELVARIN-HISTORY-" + std::to_string(n) + ".BAD";
}

HistoryFileKeeper::HistoryFileKeeper(CalculationHistory& history, HistoryFiles& files)
    : history_(history), files_(files) {
    history_.SetFileObserver(this);
}

HistoryFileKeeper::~HistoryFileKeeper() {
    history_.SetFileObserver(nullptr);
}

void HistoryFileKeeper::Load() {
    std::string bytes;
    const HistoryFiles::Reading read = files_.ReadAll(bytes);
    if (read == HistoryFiles::Reading::Unreadable) {
        blocked_ = true;
        Written(false);
        return;
    }
    if (read == HistoryFiles::Reading::Missing) {
        return;
    }
    const HistoryReading reading = ReadHistoryFileText(bytes);
    history_.Load(reading.entries);
    if (reading.damaged) {
        SetAsideDamagedFile();
        return;
    }
    // An interrupted append after the last entry is cut off by the next write, which starts
    // where the entries end.
    fileSize_ = reading.entriesEnd;
    newestStart_ = reading.newestStart;
    entriesOnFile_ = reading.entriesOnFile;
    if (entriesOnFile_ > HISTORY_LIMIT) {
        RewriteAll();
    }
}

void HistoryFileKeeper::SetAsideDamagedFile() {
    for (int n = 1; n <= MOST_SET_ASIDE_FILES; ++n) {
        const std::string name = SetAsideName(n);
        if (files_.NameTaken(name)) {
            continue;
        }
        if (files_.RenameTo(name)) {
            setAside_ = name;
            RewriteAll();
            return;
        }
        break;
    }
    // Never overwrite what could not be set aside: the user may still want it.
    blocked_ = true;
    Written(false);
}

void HistoryFileKeeper::EntryAdded(bool) {
    if (blocked_) {
        return;
    }
    if (!inStep_ || entriesOnFile_ + 1 > HISTORY_LIMIT) {
        RewriteAll();
        return;
    }
    std::string text;
    if (fileSize_ == 0) {
        text = HISTORY_FILE_HEADER;
    }
    const std::size_t start = fileSize_ + text.size();
    text += history_.Text(0);
    text += LINE_END;
    const bool ok = files_.CutAndAppend(fileSize_, text);
    if (ok) {
        newestStart_ = start;
        fileSize_ += text.size();
        ++entriesOnFile_;
    }
    Written(ok);
}

void HistoryFileKeeper::NewestReplaced() {
    if (blocked_) {
        return;
    }
    if (!inStep_ || entriesOnFile_ == 0) {
        RewriteAll();
        return;
    }
    const std::string text = history_.Text(0) + std::string(LINE_END);
    const bool ok = files_.CutAndAppend(newestStart_, text);
    if (ok) {
        fileSize_ = newestStart_ + text.size();
    }
    Written(ok);
}

void HistoryFileKeeper::EntryRemoved(int) {
    if (!blocked_) {
        RewriteAll();
    }
}

void HistoryFileKeeper::Cleared() {
    if (!blocked_) {
        RewriteAll();
    }
}

void HistoryFileKeeper::WriteAfresh() {
    if (!blocked_) {
        RewriteAll();
    }
}

void HistoryFileKeeper::RewriteAll() {
    const std::string text = HistoryFileText(history_);
    const bool ok = files_.Replace(text);
    if (ok) {
        fileSize_ = text.size();
        entriesOnFile_ = history_.Count();
        newestStart_ = history_.Count() == 0
                           ? fileSize_
                           : fileSize_ - history_.Text(0).size() - LINE_END.size();
        inStep_ = true;
    }
    Written(ok);
}

void HistoryFileKeeper::Written(bool ok) {
    if (ok) {
        return;
    }
    inStep_ = false;
    if (!failed_) {
        failed_ = true;
        if (report_) {
            report_();
        }
    }
}

}  // namespace quarnic
