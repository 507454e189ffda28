// The hourglass for the length of a scope, the arrow again on every way out of it. Both
// programs' handlers hold one while a long operation runs.
#pragma once

#include "common/control_view.h"

namespace quarnic {

class WaitCursor {
  public:
    explicit WaitCursor(ControlView& view) : view_(view) { view_.SetWaitCursor(true); }
    ~WaitCursor() { view_.SetWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    ControlView& view_;
};

}  // namespace quarnic
