// The few platform operations the logic of both programs needs on controls and cursor. The
// Win32 programs implement them on real windows; tests and the script runners record them.
// Write only: the logic tells the screen what its state says and never asks it.
#pragma once

namespace quarnic {

class ControlView {
  public:
    virtual ~ControlView() = default;

    virtual void EnableControl(int id, bool enabled) = 0;
    // Radio-button check (BM_SETCHECK).
    virtual void SetCheck(int id, bool checked) = 0;
    // System-menu item, by command id.
    virtual void EnableMenuItem(int id, bool enabled) = 0;
    // Hourglass while a long operation runs; the arrow again on every path out.
    virtual void SetWaitCursor(bool waiting) = 0;
    // "Always on top" turned over. The setting is the shell's, kept with its other settings; the
    // shell shows it as the item's check and the window's place in front.
    virtual void ToggleAlwaysOnTop() = 0;
};

}  // namespace quarnic
