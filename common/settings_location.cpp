#include "common/settings_location.h"

#include <cwchar>
#include <iterator>

namespace quarnic {
namespace {

struct ColorKey {
    const wchar_t* name;
    int ColorSetting::*component;
};

constexpr ColorKey COLOR_KEYS[] = {
    {L"Red", &ColorSetting::red},
    {L"Green", &ColorSetting::green},
    {L"Blue", &ColorSetting::blue},
};

constexpr int VALUE_CAPACITY = 8;

// Appends text at `at`; false (leaving `to` partly written) when it would not fit.
bool Append(PathText& to, std::size_t& at, const wchar_t* text, std::size_t count) {
    if (at + count + 1 > to.size()) {
        return false;
    }
    std::wmemcpy(to.data() + at, text, count);
    at += count;
    to[at] = L'\0';
    return true;
}

void FormatComponent(int value, wchar_t (&text)[VALUE_CAPACITY]) {
    std::swprintf(text, VALUE_CAPACITY, L"%d", value);
}

bool WriteValuesTo(ProfileStore& store, const wchar_t* path, const wchar_t* section,
                   const SettingValue* values, int count) {
    if (path[0] == L'\0' || !store.CanWrite(path)) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (!store.WriteValue(path, section, values[i].key, values[i].value)) {
            return false;
        }
    }
    for (int i = 0; i < count; ++i) {
        wchar_t found[SETTING_VALUE_CAPACITY] = {};
        store.ReadValue(path, section, values[i].key, L"", found, SETTING_VALUE_CAPACITY);
        if (std::wcscmp(values[i].value, found) != 0) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool FormUserSettingsPaths(const wchar_t* appDataFolder, const wchar_t* programFileName,
                           SettingsPlaces& places) {
    std::size_t folderLength = std::wcslen(appDataFolder);
    const wchar_t* dot = std::wcsrchr(programFileName, L'.');
    std::size_t stemLength = dot != nullptr ? static_cast<std::size_t>(dot - programFileName)
                                            : std::wcslen(programFileName);
    if (folderLength == 0 || stemLength == 0) {
        return false;
    }
    bool endsInSlash = appDataFolder[folderLength - 1] == L'\\';
    PathText folder{};
    std::size_t at = 0;
    bool fits = Append(folder, at, appDataFolder, folderLength) &&
                (endsInSlash || Append(folder, at, L"\\", 1)) &&
                Append(folder, at, USER_SETTINGS_FOLDER, std::wcslen(USER_SETTINGS_FOLDER));
    PathText file = folder;
    std::size_t fileAt = at;
    fits = fits && Append(file, fileAt, L"\\", 1) &&
           Append(file, fileAt, programFileName, stemLength) && Append(file, fileAt, L".INI", 4);
    if (fits) {
        places.userFolder = folder;
        places.userFile = file;
    }
    return fits;
}

const wchar_t* SettingsFileToRead(const ProfileStore& store, const SettingsPlaces& places) {
    if (places.userFile[0] != L'\0' && store.FileExists(places.userFile.data())) {
        return places.userFile.data();
    }
    return places.beside.data();
}

ColorSetting ReadColorSetting(const ProfileStore& store, const wchar_t* path) {
    ColorSetting color;
    for (const ColorKey& key : COLOR_KEYS) {
        wchar_t defaultText[VALUE_CAPACITY];
        FormatComponent(color.*key.component, defaultText);
        wchar_t value[VALUE_CAPACITY] = {};
        // One character more than a value may count, so the five-character rule is the parser's.
        store.ReadValue(path, COLOR_SECTION, key.name, defaultText, value, COLOR_VALUE_CHARS + 1);
        color.*key.component = ParseColorComponent(value);
    }
    return color;
}

SavedTo SaveSettingValues(ProfileStore& store, const SettingsPlaces& places, const wchar_t* section,
                          const SettingValue* values, int count) {
    if (WriteValuesTo(store, places.beside.data(), section, values, count)) {
        // A per-user file is read first at the next start: left as it was, it would bring back
        // old values in place of the ones just saved.
        if (places.userFile[0] != L'\0' && store.FileExists(places.userFile.data())) {
            WriteValuesTo(store, places.userFile.data(), section, values, count);
        }
        return SavedTo::Beside;
    }
    if (places.userFolder[0] != L'\0' && store.MakeFolder(places.userFolder.data()) &&
        WriteValuesTo(store, places.userFile.data(), section, values, count)) {
        return SavedTo::PerUser;
    }
    return SavedTo::Nowhere;
}

SavedTo SaveColorSetting(ProfileStore& store, const SettingsPlaces& places,
                         const ColorSetting& color) {
    wchar_t texts[std::size(COLOR_KEYS)][VALUE_CAPACITY];
    SettingValue values[std::size(COLOR_KEYS)];
    for (std::size_t i = 0; i < std::size(COLOR_KEYS); ++i) {
        FormatComponent(color.*COLOR_KEYS[i].component, texts[i]);
        values[i] = SettingValue{COLOR_KEYS[i].name, texts[i]};
    }
    return SaveSettingValues(store, places, COLOR_SECTION, values,
                             static_cast<int>(std::size(COLOR_KEYS)));
}

bool FormKeptFilePlaces(const SettingsPlaces& settings, const wchar_t* fileName,
                        SettingsPlaces& places) {
    const std::size_t nameLength = std::wcslen(fileName);
    const wchar_t* slash = std::wcsrchr(settings.beside.data(), L'\\');
    if (slash == nullptr || nameLength == 0) {
        return false;
    }
    SettingsPlaces formed;
    std::size_t at = 0;
    const std::size_t folderLength = static_cast<std::size_t>(slash - settings.beside.data()) + 1;
    bool fits = Append(formed.beside, at, settings.beside.data(), folderLength) &&
                Append(formed.beside, at, fileName, nameLength);
    if (fits && settings.userFolder[0] != L'\0') {
        formed.userFolder = settings.userFolder;
        std::size_t userAt = std::wcslen(formed.userFolder.data());
        formed.userFile = formed.userFolder;
        fits = Append(formed.userFile, userAt, L"\\", 1) &&
               Append(formed.userFile, userAt, fileName, nameLength);
    }
    if (fits) {
        places = formed;
    }
    return fits;
}

const wchar_t* KeptFileToUse(ProfileStore& store, const SettingsPlaces& places) {
    const wchar_t* read = SettingsFileToRead(store, places);
    if (read == places.userFile.data()) {
        return read;
    }
    if (places.beside[0] != L'\0' && store.CanWrite(places.beside.data())) {
        return places.beside.data();
    }
    if (places.userFolder[0] != L'\0' && store.MakeFolder(places.userFolder.data())) {
        return places.userFile.data();
    }
    return nullptr;
}

}  // namespace quarnic
