// What the programs' tool windows share: modeless dialogs beside the main window that the
// message loop serves, settings of their own in the program's settings file, a place that is
// remembered and comes back on a visible screen, and a fixed-pitch font for columns of digits.
#pragma once

#include <windows.h>

namespace quarnic {

// The message loop offers every registered modeless dialog its messages. Register a dialog
// when it is created and remove it in its WM_DESTROY.
void AddModelessDialog(HWND dialog);
void RemoveModelessDialog(HWND dialog);

// A number from the program's settings file (the one the colour is read from), or defaultValue
// when the file, the key or a number in it is missing.
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

// A fixed-pitch font as tall as the dialog's own font; the caller deletes it.
HFONT CreateFixedPitchFont(HWND dialog);

}  // namespace quarnic
