// Keeping the history between runs: the file placed by the settings' rule, loaded once the
// settings are read, written as the history changes, and let go when the user turns keeping
// off ([History] Keep in the settings file).
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "calc/history_files_win.h"
#include "history/history_file.h"

namespace quarnic {

struct Calculator;

class HistoryKeeping {
  public:
    explicit HistoryKeeping(CalculationHistory& history) : history_(history) {}

    // At start, after the settings were read: loads the file when keeping is on.
    void Start(HWND mainWindow);
    bool Keeps() const { return keeper_ != nullptr; }
    // Turning it off stops all use of the file and asks whether to delete it; turning it on
    // writes the history of this run afresh.
    void SetKeep(HWND owner, bool keep);
    // The name of a damaged file set aside at start, once; empty afterwards.
    std::string TakeSetAsideNote();

  private:
    void Attach(HWND mainWindow);

    CalculationHistory& history_;
    std::unique_ptr<Win32HistoryFiles> files_;
    std::unique_ptr<HistoryFileKeeper> keeper_;
    std::string setAsideNote_;
};

}  // namespace quarnic
