#include "common/kept_window_place.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace quarnic {
namespace {

// The keys of the section: the place's in the order of KeptPlaceTexts, then the setting's.
constexpr const wchar_t* WINDOW_KEYS[] = {L"X",      L"Y",         L"Width",
                                          L"Height", L"Maximized", L"AlwaysOnTop"};
constexpr int KEY_COUNT = static_cast<int>(std::size(WINDOW_KEYS));
constexpr int ALWAYS_ON_TOP_KEY = KEY_COUNT - 1;
constexpr int NUMBER_CAPACITY = 16;

bool ParseFlag(const wchar_t* text, bool& flag) {
    if (std::wcscmp(text, L"0") != 0 && std::wcscmp(text, L"1") != 0) {
        return false;
    }
    flag = text[0] == L'1';
    return true;
}

void FormatNumber(int value, wchar_t (&text)[NUMBER_CAPACITY]) {
    std::swprintf(text, NUMBER_CAPACITY, L"%d", value);
}

}  // namespace

std::optional<KeptWindowPlace> ParseKeptWindowPlace(const KeptPlaceTexts& texts) {
    KeptWindowPlace kept;
    WindowPlace& at = kept.normal;
    const bool read = ParseSettingNumber(texts.x, at.x) && ParseSettingNumber(texts.y, at.y) &&
                      ParseSettingNumber(texts.width, at.width) &&
                      ParseSettingNumber(texts.height, at.height) &&
                      ParseFlag(texts.maximized, kept.maximized);
    if (!read || at.width <= 0 || at.height <= 0) {
        return std::nullopt;
    }
    return kept;
}

WindowSettings ReadWindowSettings(const ProfileStore& store, const wchar_t* path) {
    wchar_t values[KEY_COUNT][NUMBER_CAPACITY] = {};
    for (int i = 0; i < KEY_COUNT; ++i) {
        store.ReadValue(path, WINDOW_SECTION, WINDOW_KEYS[i], L"", values[i], NUMBER_CAPACITY);
    }
    WindowSettings settings;
    settings.place = ParseKeptWindowPlace({values[0], values[1], values[2], values[3], values[4]});
    ParseFlag(values[ALWAYS_ON_TOP_KEY], settings.alwaysOnTop);
    return settings;
}

SavedTo SaveWindowSettings(ProfileStore& store, const SettingsPlaces& places,
                           const KeptWindowPlace& place, bool alwaysOnTop) {
    wchar_t x[NUMBER_CAPACITY], y[NUMBER_CAPACITY], width[NUMBER_CAPACITY], height[NUMBER_CAPACITY];
    FormatNumber(place.normal.x, x);
    FormatNumber(place.normal.y, y);
    FormatNumber(place.normal.width, width);
    FormatNumber(place.normal.height, height);
    const wchar_t* const texts[KEY_COUNT] = {
        x, y, width, height, place.maximized ? L"1" : L"0", alwaysOnTop ? L"1" : L"0"};
    SettingValue values[KEY_COUNT];
    for (int i = 0; i < KEY_COUNT; ++i) {
        values[i] = SettingValue{WINDOW_KEYS[i], texts[i]};
    }
    return SaveSettingValues(store, places, WINDOW_SECTION, values, KEY_COUNT);
}

WindowStart ChooseWindowStart(const std::optional<KeptWindowPlace>& kept, const WindowPlace& layout,
                              const ScreenRect* workAreas, int areaCount) {
    if (!kept.has_value()) {
        return {layout, false};
    }
    WindowPlace place =
        BringIntoView(kept->normal, workAreas, areaCount, layout.width, layout.height);
    // BringIntoView fits the size to the work area; the layout needs its whole size all the same.
    place.width = std::max(place.width, layout.width);
    place.height = std::max(place.height, layout.height);
    return {place, kept->maximized};
}

}  // namespace quarnic
