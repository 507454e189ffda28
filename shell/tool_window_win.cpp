#include "shell/tool_window_win.h"

#include <climits>
#include <cwchar>

#include "shell/settings_store_win.h"
#include "shell/shell_win.h"
#include "shell/window_place.h"

namespace quarnic {
namespace {

constexpr int NOT_ON_FILE = INT_MIN;
constexpr int MAX_WORK_AREAS = 16;
constexpr int NUMBER_TEXT_CAPACITY = 16;

struct WorkAreas {
    ScreenRect areas[MAX_WORK_AREAS];
    int count = 0;
};

// The primary monitor's work area goes first, as BringIntoView expects.
BOOL CALLBACK CollectWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM parameter) {
    auto& found = *reinterpret_cast<WorkAreas*>(parameter);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (found.count == MAX_WORK_AREAS || !GetMonitorInfoW(monitor, &info)) {
        return TRUE;
    }
    const ScreenRect area{info.rcWork.left, info.rcWork.top, info.rcWork.right, info.rcWork.bottom};
    if (info.dwFlags & MONITORINFOF_PRIMARY) {
        for (int i = found.count; i > 0; --i) {
            found.areas[i] = found.areas[i - 1];
        }
        found.areas[0] = area;
    } else {
        found.areas[found.count] = area;
    }
    ++found.count;
    return TRUE;
}

WorkAreas VisibleWorkAreas() {
    WorkAreas found;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&found));
    return found;
}

void MoveIntoView(HWND window, WindowPlace place, bool withSize, SIZE minimum) {
    const WorkAreas screens = VisibleWorkAreas();
    place = BringIntoView(place, screens.areas, screens.count, static_cast<int>(minimum.cx),
                          static_cast<int>(minimum.cy));
    SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (withSize ? 0 : SWP_NOSIZE));
}

}  // namespace

void AddModelessDialog(HWND dialog) {
    for (HWND& slot : Shell().modelessDialogs) {
        if (slot == nullptr || slot == dialog) {
            slot = dialog;
            return;
        }
    }
}

void RemoveModelessDialog(HWND dialog) {
    for (HWND& slot : Shell().modelessDialogs) {
        if (slot == dialog) {
            slot = nullptr;
        }
    }
}

int ReadSettingNumber(const wchar_t* section, const wchar_t* key, int defaultValue) {
    const ShellState& shell = Shell();
    if (!shell.pathsFormed) {
        return defaultValue;
    }
    Win32ProfileStore store;
    wchar_t text[NUMBER_TEXT_CAPACITY] = {};
    store.ReadValue(SettingsFileToRead(store, shell.settings), section, key, L"", text,
                    NUMBER_TEXT_CAPACITY);
    wchar_t* end = nullptr;
    long value = std::wcstol(text, &end, 10);
    if (end == text || *end != L'\0' || value < INT_MIN + 1 || value > INT_MAX) {
        return defaultValue;
    }
    return static_cast<int>(value);
}

void WriteSettingNumbers(const wchar_t* section, const SettingNumber* values, int count) {
    const ShellState& shell = Shell();
    constexpr int MAX_VALUES = 8;
    if (!shell.pathsFormed || count > MAX_VALUES) {
        return;
    }
    wchar_t texts[MAX_VALUES][NUMBER_TEXT_CAPACITY];
    SettingValue settings[MAX_VALUES];
    for (int i = 0; i < count; ++i) {
        std::swprintf(texts[i], NUMBER_TEXT_CAPACITY, L"%d", values[i].value);
        settings[i] = SettingValue{values[i].key, texts[i]};
    }
    Win32ProfileStore store;
    SaveSettingValues(store, shell.settings, section, settings, count);
}

void RestoreWindowPlace(HWND window, const wchar_t* section, bool withSize, SIZE minimum) {
    RECT now;
    GetWindowRect(window, &now);
    WindowPlace place{ReadSettingNumber(section, L"X", NOT_ON_FILE),
                      ReadSettingNumber(section, L"Y", NOT_ON_FILE), now.right - now.left,
                      now.bottom - now.top};
    if (place.x == NOT_ON_FILE || place.y == NOT_ON_FILE) {
        return;
    }
    if (withSize) {
        place.width = ReadSettingNumber(section, L"Width", place.width);
        place.height = ReadSettingNumber(section, L"Height", place.height);
    }
    MoveIntoView(window, place, withSize, minimum);
}

void KeepWindowInView(HWND window) {
    RECT now;
    GetWindowRect(window, &now);
    MoveIntoView(window, {now.left, now.top, now.right - now.left, now.bottom - now.top}, false,
                 SIZE{0, 0});
}

void RememberWindowPlace(HWND window, const wchar_t* section, bool withSize) {
    RECT rect;
    if (IsIconic(window) || !GetWindowRect(window, &rect)) {
        return;
    }
    const SettingNumber values[] = {{L"X", static_cast<int>(rect.left)},
                                    {L"Y", static_cast<int>(rect.top)},
                                    {L"Width", static_cast<int>(rect.right - rect.left)},
                                    {L"Height", static_cast<int>(rect.bottom - rect.top)}};
    WriteSettingNumbers(section, values, withSize ? 4 : 2);
}

HFONT CreateFixedPitchFont(HWND dialog) {
    LOGFONTW dialogFont{};
    auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (font == nullptr || GetObjectW(font, sizeof dialogFont, &dialogFont) == 0) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof dialogFont, &dialogFont);
    }
    LOGFONTW fixed{};
    fixed.lfHeight = dialogFont.lfHeight;
    fixed.lfWeight = FW_NORMAL;
    fixed.lfCharSet = dialogFont.lfCharSet;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    // The Japanese face also has fixed-width kana and kanji for the texts beside the digits.
    std::wcscpy(fixed.lfFaceName, UiText(L"Courier New", L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF"));
    return CreateFontIndirectW(&fixed);
}

}  // namespace quarnic
