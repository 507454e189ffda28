// What the programs' tool windows share: modeless dialogs beside the main window that the
// message loop serves, settings of their own in the program's settings file, a place that is
// remembered and comes back on a visible screen, and a fixed-pitch font for columns of digits.
#pragma once

#include <windows.h>

#include "common/dialog_template.h"
#include "common/resize_rule.h"
#include "common/window_place.h"

namespace quarnic {

// The message loop offers every registered modeless dialog its messages. Register a dialog
// when it is created and remove it in its WM_DESTROY.
void AddModelessDialog(HWND dialog);
void RemoveModelessDialog(HWND dialog);

inline constexpr int MAX_WORK_AREAS = 16;

struct WorkAreas {
    ScreenRect areas[MAX_WORK_AREAS];
    int count = 0;
};

// The work area of every monitor, the primary monitor's first, as BringIntoView takes them.
WorkAreas VisibleWorkAreas();

// A number from the program's settings file (the one the colour is read from), or defaultValue
// when the file or the key is missing or the value is no setting number (ParseSettingNumber).
int ReadSettingNumber(const wchar_t* section, const wchar_t* key, int defaultValue);

struct SettingNumber {
    const wchar_t* key;
    int value;
};

// Writes numbers to the settings file by the colour's rule (beside the program when it takes
// them, else per user). Only the first instance writes; a failure costs only the values.
void WriteSettingNumbers(const wchar_t* section, const SettingNumber* values, int count);

// Moves the window to the place remembered in the section (X, Y, and Width and Height when
// withSize), brought inside a visible work area and to at least the minimum size. Without a
// remembered place the window stays where it was created.
void RestoreWindowPlace(HWND window, const wchar_t* section, bool withSize, SIZE minimum);
// Moves the window, where it is now, inside the visible work area it overlaps most (a window
// that grew after creation, say).
void KeepWindowInView(HWND window);
// Remembers the window's place in the section; a minimised window keeps its last place.
void RememberWindowPlace(HWND window, const wchar_t* section, bool withSize);

// A tool window laid out by its template at a DPI, as the dialog manager lays a dialog out at
// creation: the template's places in pixels at that DPI, and, after a change of DPI, the
// dialog font and the fixed-pitch font made for it (the dialog's own font serves at creation).
class DialogAtDpi {
  public:
    DialogAtDpi() = default;
    ~DialogAtDpi() { Release(); }
    DialogAtDpi(const DialogAtDpi&) = delete;
    DialogAtDpi& operator=(const DialogAtDpi&) = delete;

    // At creation (WM_INITDIALOG): the places at the window's DPI, the fixed-pitch font as tall
    // as the dialog's font.
    void Start(HWND dialog, const wchar_t* templateName);
    // On WM_DPICHANGED: the places and both fonts at the new DPI; every control takes the dialog
    // font, and the old fonts are deleted once none uses them. The caller gives its fixed-pitch
    // controls FixedFont() and moves the controls.
    void Change(int dpi);
    // At WM_DESTROY.
    void Release();

    int Dpi() const { return dpi_; }
    HFONT FixedFont() const { return fixedFont_; }
    const DialogInPixels& Places() const { return places_; }
    // The template's place of a control in pixels; an empty rectangle for an unknown id.
    PixelRect PlaceOf(int id) const;
    // The window's outer size around a client area of that size, with the frame it has now.
    SIZE WindowSizeFor(int clientWidth, int clientHeight) const;

  private:
    HFONT PlaceTemplateAt(int dpi, LOGFONTW& font);

    HWND dialog_ = nullptr;
    const wchar_t* templateName_ = nullptr;
    int dpi_ = 0;
    HFONT dialogFont_ = nullptr;
    HFONT fixedFont_ = nullptr;
    DialogInPixels places_;
};

// Moves the window to a place (the one Windows suggested on a change of DPI, say), at least the
// minimum size and inside the work area of the monitor it is on.
void MoveToPlaceInView(HWND window, const RECT& place, SIZE minimum);
// Gives the window a client area of that size, its top-left corner staying where it is. A change
// of DPI can change the frame with the first move, so the frame is taken again after it.
void SizeClientArea(HWND window, int clientWidth, int clientHeight);

}  // namespace quarnic
