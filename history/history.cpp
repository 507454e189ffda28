#include "history/history.h"

#include <utility>

namespace quarnic {

template <class Call>
void CalculationHistory::Tell(Call call) {
    // The file first: the window may read the file's state (a failed write) when it updates.
    for (HistoryObserver* observer : {file_, window_}) {
        if (observer != nullptr) {
            call(*observer);
        }
    }
}

void CalculationHistory::Add(std::string text) {
    const bool full = Count() >= HISTORY_LIMIT;
    if (full) {
        entries_.pop_back();
    }
    entries_.push_front(std::move(text));
    Tell([full](HistoryObserver& o) { o.EntryAdded(full); });
}

void CalculationHistory::ReplaceNewest(std::string text) {
    if (entries_.empty()) {
        Add(std::move(text));
        return;
    }
    if (entries_.front() == text) {
        return;
    }
    entries_.front() = std::move(text);
    Tell([](HistoryObserver& o) { o.NewestReplaced(); });
}

void CalculationHistory::Remove(int index) {
    if (index < 0 || index >= Count()) {
        return;
    }
    entries_.erase(entries_.begin() + index);
    // The newest entry is gone, so nothing shown is followed any more.
    if (index == 0) {
        follow = HistoryFollow::Nothing;
    }
    Tell([index](HistoryObserver& o) { o.EntryRemoved(index); });
}

void CalculationHistory::Clear() {
    entries_.clear();
    follow = HistoryFollow::Nothing;
    Tell([](HistoryObserver& o) { o.Cleared(); });
}

void CalculationHistory::Load(const std::deque<std::string>& oldestFirst) {
    entries_.assign(oldestFirst.rbegin(), oldestFirst.rend());
    while (Count() > HISTORY_LIMIT) {
        entries_.pop_back();
    }
    follow = HistoryFollow::Nothing;
}

}  // namespace quarnic
