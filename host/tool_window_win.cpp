#include "host/tool_window_win.h"

#include <climits>
#include <cwchar>

#include "common/window_place.h"
#include "host/dpi_win.h"
#include "host/settings_store_win.h"
#include "host/shell_win.h"

namespace quarnic {
namespace {

constexpr int NOT_ON_FILE = INT_MIN;
constexpr int NUMBER_TEXT_CAPACITY = 16;

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

void MoveIntoView(HWND window, WindowPlace place, bool withSize, SIZE minimum) {
    const WorkAreas screens = VisibleWorkAreas();
    place = BringIntoView(place, screens.areas, screens.count, static_cast<int>(minimum.cx),
                          static_cast<int>(minimum.cy));
    SetWindowPos(window, nullptr, place.x, place.y, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (withSize ? 0 : SWP_NOSIZE));
}

}  // namespace

WorkAreas VisibleWorkAreas() {
    WorkAreas found;
    EnumDisplayMonitors(nullptr, nullptr, CollectWorkArea, reinterpret_cast<LPARAM>(&found));
    return found;
}

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
    int value = defaultValue;
    ParseSettingNumber(text, value);
    return value;
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

void MoveToPlaceInView(HWND window, const RECT& place, SIZE minimum) {
    MoveIntoView(window,
                 {place.left, place.top, place.right - place.left, place.bottom - place.top}, true,
                 minimum);
}

namespace {

// A fixed-pitch font as tall as the dialog's font; the Japanese face also has fixed-width kana
// and kanji for the texts beside the digits.
HFONT CreateFixedPitchFont(const LOGFONTW& dialogFont) {
    LOGFONTW fixed{};
    fixed.lfHeight = dialogFont.lfHeight;
    fixed.lfWeight = FW_NORMAL;
    fixed.lfCharSet = dialogFont.lfCharSet;
    fixed.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
    std::wcscpy(fixed.lfFaceName, UiText(L"Courier New", L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF"));
    return CreateFontIndirectW(&fixed);
}

LOGFONTW FontOfDialog(HWND dialog) {
    LOGFONTW font{};
    auto handle = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    if (handle == nullptr || GetObjectW(handle, sizeof font, &font) == 0) {
        GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    }
    return font;
}

bool LoadDialogTemplate(const wchar_t* name, DialogTemplate& dialog) {
    HRSRC found = FindResourceW(Shell().instance, name, MAKEINTRESOURCEW(5));  // RT_DIALOG
    HGLOBAL loaded = found != nullptr ? LoadResource(Shell().instance, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    return bytes != nullptr && ParseDialogTemplate(static_cast<const unsigned char*>(bytes),
                                                   SizeofResource(Shell().instance, found), dialog);
}

// The template's font at a DPI, made as the dialog manager makes it.
LOGFONTW TemplateFontAt(const DialogTemplate& dialog, int dpi) {
    LOGFONTW font{};
    font.lfHeight = TemplateFontHeight(dialog.pointSize, dpi);
    font.lfWeight = dialog.weight;
    font.lfItalic = dialog.italic ? TRUE : FALSE;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = FF_DONTCARE;
    const std::size_t length =
        dialog.faceName.size() < LF_FACESIZE - 1 ? dialog.faceName.size() : LF_FACESIZE - 1;
    for (std::size_t i = 0; i < length; ++i) {
        font.lfFaceName[i] = static_cast<wchar_t>(dialog.faceName[i]);
    }
    return font;
}

DialogBaseUnits MeasureBaseUnits(HFONT font) {
    WindowDC dc(nullptr, font);
    static const wchar_t ALPHABET[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE alphabet{};
    GetTextExtentPoint32W(dc, ALPHABET, 52, &alphabet);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return BaseUnitsOf(static_cast<int>(alphabet.cx), static_cast<int>(metrics.tmHeight));
}

BOOL CALLBACK SetFontOfChild(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), FALSE);
    return TRUE;
}

}  // namespace

// The template's places at a DPI, measured in its font made for that DPI; returns that font
// (null when the template cannot be read, places_ then unchanged), the caller's to keep or delete.
HFONT DialogAtDpi::PlaceTemplateAt(int dpi, LOGFONTW& font) {
    DialogTemplate form;
    if (!LoadDialogTemplate(templateName_, form)) {
        return nullptr;
    }
    font = TemplateFontAt(form, dpi);
    HFONT made = CreateFontIndirectW(&font);
    places_ = TemplateInPixels(form, MeasureBaseUnits(made));
    return made;
}

void DialogAtDpi::Start(HWND dialog, const wchar_t* templateName) {
    dialog_ = dialog;
    templateName_ = templateName;
    dpi_ = WindowDpi(dialog);
    KeepDialogFromRescaling(dialog);
    fixedFont_ = CreateFixedPitchFont(FontOfDialog(dialog));
    LOGFONTW font{};
    if (HFONT measured = PlaceTemplateAt(dpi_, font)) {
        DeleteObject(measured);
    }
}

void DialogAtDpi::Change(int dpi) {
    LOGFONTW font{};
    HFONT dialogFont = PlaceTemplateAt(dpi, font);
    if (dialogFont == nullptr) {
        return;
    }
    dpi_ = dpi;
    HFONT oldDialogFont = dialogFont_, oldFixedFont = fixedFont_;
    dialogFont_ = dialogFont;
    fixedFont_ = CreateFixedPitchFont(font);
    EnumChildWindows(dialog_, SetFontOfChild, reinterpret_cast<LPARAM>(dialogFont_));
    DeleteObject(oldDialogFont);
    DeleteObject(oldFixedFont);
}

void DialogAtDpi::Release() {
    DeleteObject(dialogFont_);
    DeleteObject(fixedFont_);
    dialogFont_ = fixedFont_ = nullptr;
    dialog_ = nullptr;
}

PixelRect DialogAtDpi::PlaceOf(int id) const {
    for (const KeyPlacement& item : places_.items) {
        if (item.id == id) {
            return item.rect;
        }
    }
    return PixelRect{};
}

namespace {

SIZE FrameOf(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    const SIZE client = ClientSize(window);
    return SIZE{outer.right - outer.left - client.cx, outer.bottom - outer.top - client.cy};
}

}  // namespace

SIZE DialogAtDpi::WindowSizeFor(int clientWidth, int clientHeight) const {
    const SIZE frame = FrameOf(dialog_);
    return SIZE{clientWidth + frame.cx, clientHeight + frame.cy};
}

void SizeClientArea(HWND window, int clientWidth, int clientHeight) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const SIZE client = ClientSize(window);
        if (client.cx == clientWidth && client.cy == clientHeight) {
            return;
        }
        const SIZE frame = FrameOf(window);
        SetWindowPos(window, nullptr, 0, 0, clientWidth + frame.cx, clientHeight + frame.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace quarnic
