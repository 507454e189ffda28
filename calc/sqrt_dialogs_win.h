// The square root's two dialogs: the modeless "please wait" note shown while a root is
// computed, and the modal setting of the truncation place.
#pragma once

#include <windows.h>

namespace quarnic {

class SqrtSettingEvents;

// Makes the main window topmost and shows the note beside it, painted before returning, since
// the computation that follows keeps the thread from painting anything.
void OpenPleaseWaitDialog(HWND mainWindow);
// Closes the note; the window goes back to the order "Always on top" says.
void ClosePleaseWaitDialog(HWND mainWindow);

// Returns false (after telling the user) when the dialog cannot be shown.
bool RunSqrtSettingDialog(HWND owner, int checkedButtonId, SqrtSettingEvents& events);

}  // namespace quarnic
