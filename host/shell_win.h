// The host both programs run in: start-up, single instance, message loop, language and
// platform, and the helpers both programs' windows share. A program describes itself in
// THIS_PROGRAM and does its own part of the window through a ProgramWindow.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "common/kept_window_place.h"
#include "common/layout.h"
#include "common/settings_location.h"
#include "common/settings_parse.h"
#include "common/system_menu.h"
#include "host/keyboard_win.h"

namespace quarnic {

// What a program does in the main window the shell runs for it. The shell's window procedure
// handles creation, the About box, the colour dialog, settings and the message order; it calls
// these for everything that is the program's own.
class ProgramWindow {
  public:
    virtual ~ProgramWindow() = default;

    // Creation, after the layout is computed and before the window shows (its first paint
    // already goes through the view): create the view and hand it to the logic.
    virtual void AttachView(HWND window) = 0;
    // Creation, after the window shows: the keys, then the logic's start state.
    virtual void CreateKeysAndStart(HWND window) = 0;
    // False until the program's keys exist, and always in a second copy closing itself.
    virtual bool TakesCommands() const = 0;
    virtual void Paint(HWND window) = 0;
    virtual void OnCommand(int id) = 0;
    // The program's own system-menu items; false for an id it does not know.
    virtual bool OnSystemCommand(HWND window, int id) = 0;
    // The window's own WM_USER, posted at creation: the controls can be read from now on.
    virtual void OnReady() = 0;
    // After a change of DPI, with the shell's layout computed again: every control to its place
    // in the new layout (MoveControls).
    virtual void MoveControlsToLayout() = 0;
    // Any other message the program handles itself; false lets the default procedure have it.
    virtual bool OnOtherMessage(HWND, UINT, WPARAM, LPARAM) { return false; }
};

// The window class and the titles; a running copy is found by class and title.
struct ProgramNames {
    const wchar_t* className;
    const wchar_t* creationCaption;  // differs from both titles, so the search never finds us
    const wchar_t* englishTitle;
    const wchar_t* japaneseTitle;
};

struct ProgramFiles {
    const wchar_t* programFileName;  // searched for to find the program's folder
    const wchar_t* readmeName;
    const wchar_t* alternativeReadmeName;  // renamed to readmeName at start; nullptr for none
};

// The system-menu items after the standard ones: the shell's About and colour items under the
// program's ids, then the program's own items, then the shell's "Always on top".
struct ProgramMenu {
    int aboutId;
    int colorId;
    const SystemMenuItem* ownItems;
    int ownItemCount;
    // The one item greyed from the start, and relabelled whenever its state changes.
    const SystemMenuItem* relabelledItem;
    // The program's dispatcher takes it and turns the setting over through its view.
    int alwaysOnTopId;
};

// The key width is a tenth of the key sample's width; the margin is the program's rule on the
// key sample and its own margin sample (nullptr: none measured).
struct ProgramLayoutRules {
    const wchar_t* keyWidthSample;
    const wchar_t* marginSample;
    SideMarginRule marginRule;
    int heightSpacingUnits;
};

// Everything in which the two programs' shells differ.
struct ProgramDescription {
    ProgramNames names;
    ProgramFiles files;
    // The colour dialog's first scroll bar id; its value texts are 3 below each scroll bar.
    int firstColorScrollBarId;
    ProgramMenu menu;
    ProgramLayoutRules layout;
    ProgramWindow* window;
    // The keyboard: typed characters and named keys to the program's buttons and menu items.
    CharacterKeyMap characterKeys;
    NamedKeyMap namedKeys;
};

struct ConsoleColor {
    int red = DEFAULT_RED;
    int green = DEFAULT_GREEN;
    int blue = DEFAULT_BLUE;
};

// Control ids of both programs lie in 100..199; the table is indexed by id - FIRST_CONTROL_ID.
inline constexpr int FIRST_CONTROL_ID = 100;
inline constexpr int CONTROL_TABLE_SIZE = 100;

inline constexpr int MODELESS_DIALOG_LIMIT = 4;

// The host's process-wide values. The program keeps exactly one (Shell()).
struct ShellState {
    HINSTANCE instance = nullptr;
    HWND mainWindow = nullptr;
    // Modeless dialogs open beside the main window (the please-wait note, tool windows); the
    // message loop offers each its messages. Empty slots are null.
    HWND modelessDialogs[MODELESS_DIALOG_LIMIT] = {};
    const ProgramDescription* program = nullptr;
    bool JapaneseUi = false;
    int PlatformCode = 0;
    ConsoleColor console;
    COLORREF LabelBackground = 0;
    Layout layout;
    // The DPI the layout was made for: the window's frame is sized for it too (under Wine a
    // change of DPI reaches the window while the system still answers for the old one).
    int layoutDpi = USER_DEFAULT_SCREEN_DPI;
    // The system font for the layout's DPI, that the main window paints and its keys are
    // labelled with (null: the stock system font, at the system DPI).
    HFONT font = nullptr;
    ProgramPaths paths;
    SettingsPlaces settings;   // where the colour is read from and written to
    bool pathsFormed = false;  // only a first instance forms them, and only it writes the settings
    std::optional<KeptWindowPlace> keptPlace;  // where the settings say the window stood
    WindowPlace normalPlace;  // where it stands while neither minimized nor maximized
    bool alwaysOnTop = false;
    HWND controls[CONTROL_TABLE_SIZE] = {};
};

ShellState& Shell();

// WinMain's body: registers the class, creates the window (which shows itself while being
// created), runs the message loop. Returns the process exit code.
int RunProgram(HINSTANCE instance, const ProgramDescription& program);

// Every program defines its description under this name; the shell's wWinMain runs it.
extern const ProgramDescription THIS_PROGRAM;

// --- The steps of WM_CREATE, in MainWindowProc's order ------------------------------------
void DetectLanguage(HWND window);
void DetectPlatform();
// True when another copy is running: it has been brought forward and this window is closing;
// the caller must create nothing.
bool BringRunningCopyForward(HWND window);

// --- Helpers for both programs' windows ---------------------------------------------------
// The English or Japanese text, by JapaneseUi.
const wchar_t* UiText(const wchar_t* english, const wchar_t* japanese);
// "Unable to display dialog", system-modal.
void ShowDialogFailure();
// The modal dialog from the English or the Japanese template, by JapaneseUi. False, after
// ShowDialogFailure, when it could not be shown.
bool RunModalDialog(HWND owner, const wchar_t* englishTemplate, const wchar_t* japaneseTemplate,
                    DLGPROC procedure, LPARAM parameter);
// A message box of the logic (UTF-8 text) owned by the main window, under the window's title.
void ShowLogicMessage(HWND owner, std::string_view utf8Text);
int ShowMessage(HWND owner, const wchar_t* englishText, const wchar_t* japaneseText,
                const wchar_t* englishCaption, const wchar_t* japaneseCaption, UINT flags);
COLORREF ConsoleColorRef();
// Pixel width of a text in the font the main window paints with at its DPI.
int TextWidth(HWND window, const wchar_t* text, int length);
int TextWidthNarrow(HWND window, const char* text, int length);
// Width and height of the window's client area.
SIZE ClientSize(HWND window);
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

// BeginPaint of a window, ended when it goes out of scope.
class PaintSession {
  public:
    explicit PaintSession(HWND window) : window_(window) { BeginPaint(window, &paint_); }
    ~PaintSession() { EndPaint(window_, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;

  private:
    HWND window_;
    PAINTSTRUCT paint_;
};

// GetDC of a window, released when it goes out of scope; with a font, that font is selected
// meanwhile (null keeps the device context's own).
class WindowDC {
  public:
    explicit WindowDC(HWND window, HFONT font = nullptr)
        : window_(window),
          dc_(GetDC(window)),
          oldFont_(font != nullptr ? SelectObject(dc_, font) : nullptr) {}
    ~WindowDC() {
        if (oldFont_ != nullptr) {
            SelectObject(dc_, oldFont_);
        }
        ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    operator HDC() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
    HGDIOBJ oldFont_;
};

// The main window's device context with the font of its layout's DPI.
class MainWindowDC : public WindowDC {
  public:
    explicit MainWindowDC(HWND window) : WindowDC(window, Shell().font) {}
};

}  // namespace quarnic
