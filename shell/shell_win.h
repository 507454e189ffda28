// The application shell both programs are built on: start-up, single instance, message loop,
// window and key layout, settings file and colour dialog, language and platform, About box and
// readme. A program describes itself in a ProgramDescription and hands it to RunProgram from its
// WinMain; its window procedure calls back into the shell on WM_CREATE, WM_SYSCOMMAND and
// WM_DESTROY.
#pragma once

#include <windows.h>

#include <string_view>

#include "shell/keyboard_win.h"
#include "shell/layout.h"
#include "shell/settings_parse.h"

namespace quarnic {

// Everything in which the two programs' shells differ.
struct ProgramDescription {
    const wchar_t* className;        // also the single-instance key, with the titles
    const wchar_t* creationCaption;  // differs from both titles, so the search never finds us
    const wchar_t* englishTitle;
    const wchar_t* japaneseTitle;
    const wchar_t* programFileName;  // searched for to find the program's folder
    const wchar_t* readmeName;
    const wchar_t* alternativeReadmeName;  // renamed to readmeName at start; nullptr for none
    WNDPROC windowProc;
    const wchar_t* iconName;  // the class icon
    // The colour dialog's first scroll bar id; its value texts are 3 below each scroll bar.
    int firstColorScrollBarId;
    // Offers messages to the modeless please-wait dialog in the message loop.
    bool hasPleaseWaitDialog;
    // The keyboard: typed characters and named keys to the program's buttons and menu items.
    CharacterKeyMap characterKeys;
    NamedKeyMap namedKeys;
};

// One system-menu item the program adds after the standard ones.
struct SystemMenuItem {
    int id;
    const wchar_t* englishText;
    const wchar_t* japaneseText;
};

struct ConsoleColor {
    int red = DEFAULT_RED;
    int green = DEFAULT_GREEN;
    int blue = DEFAULT_BLUE;
};

// Control ids of both programs lie in 100..199; the table is indexed by id - FIRST_CONTROL_ID.
inline constexpr int FIRST_CONTROL_ID = 100;
inline constexpr int CONTROL_TABLE_SIZE = 100;

// The shell's process-wide values. The program keeps exactly one (Shell()).
struct ShellState {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    HWND pleaseWaitDialog = nullptr;
    const ProgramDescription* program = nullptr;
    int JapaneseUi = 0;
    int PlatformCode = 0;
    ConsoleColor console;
    COLORREF LabelBackground = 0;
    Layout layout;
    ProgramPaths paths;
    int pathsFormed = 0;  // only a first instance forms them, and only it writes the settings
    HWND controls[CONTROL_TABLE_SIZE] = {};
};

ShellState& Shell();

// WinMain's body: registers the class, creates the window (which shows itself while being
// created), runs the message loop. Returns the process exit code.
int RunProgram(HINSTANCE instance, const ProgramDescription& program);

// --- WM_CREATE, in this order -------------------------------------------------------------
void DetectLanguage(HWND window);
void DetectPlatform();
// True when another copy is running: it has been brought forward and this window is closing;
// the caller must create nothing.
bool BringRunningCopyForward(HWND window);
void SetMainWindowTitle(HWND window);
void AddSystemMenuItems(HWND window, const SystemMenuItem* items, int count);
// Measures the two samples with the window's font and computes every layout value.
// markSample == nullptr selects the converter's margin rule (a quarter key width).
void ComputeMainLayout(HWND window, const wchar_t* keyWidthSample, const wchar_t* markSample,
                       int heightSpacingUnits);
// MoveWindow to the computed place and size, show and paint.
void ShowMainWindow(HWND window);
// A child BUTTON with the given id; kept in the control table and shown.
HWND CreateKey(HWND parent, int id, const wchar_t* label, DWORD style, int x, int y, int width,
               int height);
HWND Control(int id);
// The program's folder, the readme tidying and the colour read (end of CreateMainWindowContents).
void ReadStartupFiles();

// --- WM_SYSCOMMAND / WM_DESTROY -----------------------------------------------------------
void ShowAbout(HWND owner);
void OpenReadme();
void ShowColorDialog(HWND owner);
// Writes the colour (first instance only) and posts the quit message.
void SaveSettings();

// --- Helpers for both programs' windows ---------------------------------------------------
// The English or Japanese text, by JapaneseUi.
const wchar_t* UiText(const wchar_t* english, const wchar_t* japanese);
// "Unable to display dialog", system-modal.
void ShowDialogFailure();
// A message box of the logic (UTF-8 text) owned by the main window, under the window's title.
void ShowLogicMessage(HWND owner, std::string_view utf8Text);
int ShowMessage(HWND owner, const wchar_t* englishText, const wchar_t* japaneseText,
                const wchar_t* englishCaption, const wchar_t* japaneseCaption, UINT flags);
COLORREF ConsoleColorRef();
// Pixel width of a text in the window's own device-context font.
int TextWidth(HWND window, const wchar_t* text, int length);
int TextWidthNarrow(HWND window, const char* text, int length);
void SetWaitCursorShown(bool waiting);

// GDI helpers: a 1-pixel solid pen line from a to b (the end point itself is not drawn).
void DrawLine(HDC dc, int x1, int y1, int x2, int y2);
// A polyline through the given points with the currently selected pen.
void DrawPolyline(HDC dc, const POINT* points, int count);

// Creates a solid pen, selects it for the object's lifetime, and deletes it afterwards.
class ScopedPen {
  public:
    ScopedPen(HDC dc, COLORREF color);
    ~ScopedPen();
    ScopedPen(const ScopedPen&) = delete;
    ScopedPen& operator=(const ScopedPen&) = delete;

  private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ old_;
};

// GetDC of a window, released when it goes out of scope.
class WindowDC {
  public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

}  // namespace quarnic
