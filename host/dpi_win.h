// The DPI a window is shown at, and the system font and metrics for a DPI. Windows 10 1607 and
// later have functions that answer for any DPI; they are looked up at run time, because the
// programs still start on Vista to 8.1, where every answer is the one system DPI's.
#pragma once

#include <windows.h>

namespace quarnic {

// Whether this Windows answers for any DPI (GetDpiForWindow, GetSystemMetricsForDpi and
// AdjustWindowRectExForDpi are there). Without them there is one DPI, the system's, and a
// window never hears of another.
bool HasPerDpiFunctions();

// The DPI of the monitor the window is on (per-monitor aware), else the system DPI.
int WindowDpi(HWND window);
int SystemDpi();

// GetSystemMetrics as it is at that DPI.
int MetricForDpi(int index, int dpi);

// The outer size of a window of that style whose client area is clientWidth x clientHeight, with
// the frame and caption Windows gives it at that DPI.
SIZE WindowSizeForClient(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dpi);

// The system font as the system makes it for a DPI: its LOGFONT at the system DPI with the height
// scaled, as the stock font itself is (its width is kept, as Windows and Wine keep it). At the
// system DPI it is the stock font itself.
LOGFONTW SystemFontAt(int dpi);

// The font the main window measures, paints and labels its keys with at a DPI: null at the
// system DPI (the stock system font, as every window has it), else a font the caller deletes.
HFONT CreateSystemFontFor(int dpi);

// Asks Windows not to rescale the dialog itself on a change of DPI (Windows 10 1703 and later
// would), since the dialog lays itself out again by its own rules.
void KeepDialogFromRescaling(HWND dialog);

}  // namespace quarnic
