// The calculation history: the texts of the calculations (and of root runs) the calculator
// finished, newest first, at most HISTORY_LIMIT. Each text is what "Save answer" would write at
// that moment with every place the calculator holds. The file that keeps it between runs and
// the window that shows it observe the list; the list itself knows neither.
#pragma once

#include <deque>
#include <string>

namespace quarnic {

inline constexpr int HISTORY_LIMIT = 500;

// What a change did to the list, for its observers. Index 0 is the newest entry.
class HistoryObserver {
  public:
    virtual ~HistoryObserver() = default;
    // A new newest entry; when the list was full, the oldest one dropped out first.
    virtual void EntryAdded(bool oldestDropped) = 0;
    virtual void NewestReplaced() = 0;
    virtual void EntryRemoved(int index) = 0;
    virtual void Cleared() = 0;
};

// Which entry follows what the calculator shows: the newest one while its calculation (or its
// run of roots) is on show, so that a further root or a notation switch replaces it.
enum class HistoryFollow { Nothing, Calculation, RootRun };

class CalculationHistory {
  public:
    int Count() const { return static_cast<int>(entries_.size()); }
    // 0 is the newest; index must be below Count().
    const std::string& Text(int index) const { return entries_[static_cast<std::size_t>(index)]; }

    void Add(std::string text);
    void ReplaceNewest(std::string text);
    // Out-of-range indexes change nothing.
    void Remove(int index);
    void Clear();
    // Entries read from the file, oldest first; replaces the list without telling the file.
    void Load(const std::deque<std::string>& oldestFirst);

    // Up to two observers (the file keeper and the window); either may be null.
    void SetFileObserver(HistoryObserver* observer) { file_ = observer; }
    void SetWindowObserver(HistoryObserver* observer) { window_ = observer; }

    HistoryFollow follow = HistoryFollow::Nothing;

  private:
    template <class Call>
    void Tell(Call call);

    std::deque<std::string> entries_;  // newest first
    HistoryObserver* file_ = nullptr;
    HistoryObserver* window_ = nullptr;
};

}  // namespace quarnic
