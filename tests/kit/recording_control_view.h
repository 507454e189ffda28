// A ControlView that keeps the state of the controls in memory, for tests and the script
// runners. Every control starts enabled and unchecked, as a freshly created button does.
#pragma once

#include <map>
#include <vector>

#include "common/control_view.h"

namespace quarnic {

class RecordingControlView : public ControlView {
  public:
    void EnableControl(int id, bool enabled) override { disabled_[id] = !enabled; }
    bool IsControlEnabled(int id) const {
        auto it = disabled_.find(id);
        return it == disabled_.end() || !it->second;
    }
    void SetCheck(int id, bool checked) override { checked_[id] = checked; }
    bool IsChecked(int id) const {
        auto it = checked_.find(id);
        return it != checked_.end() && it->second;
    }
    void EnableMenuItem(int id, bool enabled) override { menuGreyed_[id] = !enabled; }
    bool IsMenuItemEnabled(int id) const {
        auto it = menuGreyed_.find(id);
        return it == menuGreyed_.end() || !it->second;
    }
    void SetWaitCursor(bool waiting) override {
        waitCursor_ = waiting;
        ++cursorChanges_;
    }

    void ToggleAlwaysOnTop() override { alwaysOnTop_ = !alwaysOnTop_; }
    bool AlwaysOnTop() const { return alwaysOnTop_; }

    bool WaitCursorShown() const { return waitCursor_; }
    int CursorChanges() const { return cursorChanges_; }

    // Ids in [first, last] that are enabled, ascending.
    std::vector<int> EnabledIds(int first, int last) const {
        std::vector<int> ids;
        for (int id = first; id <= last; ++id) {
            if (IsControlEnabled(id)) {
                ids.push_back(id);
            }
        }
        return ids;
    }

  private:
    std::map<int, bool> disabled_;
    std::map<int, bool> checked_;
    std::map<int, bool> menuGreyed_;
    bool waitCursor_ = false;
    bool alwaysOnTop_ = false;
    int cursorChanges_ = 0;
};

}  // namespace quarnic
