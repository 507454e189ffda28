// The main window's own settings, kept with the console colour in the settings file's [Window]
// section: where the window stood (its place and size when neither minimized nor maximized),
// whether it was maximized, and "Always on top". A place that cannot be read whole is no place:
// the window then opens as it did before anything was kept, where the layout puts it.
#pragma once

#include <optional>

#include "common/settings_location.h"
#include "common/window_place.h"

namespace quarnic {

inline constexpr wchar_t WINDOW_SECTION[] = L"Window";

struct KeptWindowPlace {
    WindowPlace normal;  // the whole window, frame included, in screen pixels
    bool maximized = false;
};

// The values of the keys X, Y, Width, Height and Maximized as the profile gives them (an empty
// text for a missing key).
struct KeptPlaceTexts {
    const wchar_t* x;
    const wchar_t* y;
    const wchar_t* width;
    const wchar_t* height;
    const wchar_t* maximized;
};

// The kept place, or none unless every coordinate is a setting number, the width and height are
// above zero and Maximized is "0" or "1".
std::optional<KeptWindowPlace> ParseKeptWindowPlace(const KeptPlaceTexts& texts);

struct WindowSettings {
    std::optional<KeptWindowPlace> place;
    bool alwaysOnTop = false;  // only "1" turns it on
};

WindowSettings ReadWindowSettings(const ProfileStore& store, const wchar_t* path);

// Writes the place and the setting by the colour's rule.
SavedTo SaveWindowSettings(ProfileStore& store, const SettingsPlaces& places,
                           const KeptWindowPlace& place, bool alwaysOnTop);

struct WindowStart {
    WindowPlace place;
    bool maximized = false;
};

// Where the window opens: the layout's own place (`layout`, the window at its smallest) when
// nothing is kept; else the kept place brought into view by the tool windows' rule
// (BringIntoView) with the layout's size as its least size, also on a work area smaller than the
// layout, where the window then starts at the area's top-left corner. A maximized window opens
// maximized on the monitor its normal place is brought to.
WindowStart ChooseWindowStart(const std::optional<KeptWindowPlace>& kept, const WindowPlace& layout,
                              const ScreenRect* workAreas, int areaCount);

}  // namespace quarnic
