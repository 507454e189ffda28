// Where the settings are kept. A per-user file under the roaming application data folder
// wins when it exists; otherwise the file beside the program is read, so portable copies and
// old settings keep working. At exit the colour goes beside the program when that folder takes
// it, else to the per-user file (an installed program's folder is usually read-only). The
// rules work through ProfileStore, so they run without Windows.
#pragma once

#include "common/settings_parse.h"

namespace quarnic {

inline constexpr wchar_t COLOR_SECTION[] = L"Color";
inline constexpr wchar_t USER_SETTINGS_FOLDER[] = L"Quarnic";

struct ColorSetting {
    int red = DEFAULT_RED;
    int green = DEFAULT_GREEN;
    int blue = DEFAULT_BLUE;
};

struct SettingsPlaces {
    PathText beside{};      // the program's own file with the extension "INI"
    PathText userFolder{};  // <application data>\Quarnic; empty when unknown
    PathText userFile{};    // <application data>\Quarnic\<PROGRAM>.INI; empty when unknown
};

// Forms the per-user folder and file from the application data folder and the program's file
// name ("KELVARIN.EXE" gives "KELVARIN.INI"). Fails, forming nothing, on an empty folder, a
// name without a stem or a result that would not fit.
bool FormUserSettingsPaths(const wchar_t* appDataFolder, const wchar_t* programFileName,
                           SettingsPlaces& places);

// The profile operations the rules need.
class ProfileStore {
  public:
    virtual ~ProfileStore() = default;
    virtual bool FileExists(const wchar_t* path) const = 0;
    // The value of the key, or defaultText when the file, the section or the key is missing.
    virtual void ReadValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                           const wchar_t* defaultText, wchar_t* out, int capacity) const = 0;
    // Whether the file can be opened for writing (it may be created empty for the test).
    virtual bool CanWrite(const wchar_t* path) = 0;
    virtual bool WriteValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                            const wchar_t* value) = 0;
    // True when the folder exists afterwards.
    virtual bool MakeFolder(const wchar_t* path) = 0;
};

// The file the colour is read from: the per-user file when it exists, else the one beside the
// program (which may be missing too: then every component keeps its default).
const wchar_t* SettingsFileToRead(const ProfileStore& store, const SettingsPlaces& places);

ColorSetting ReadColorSetting(const ProfileStore& store, const wchar_t* path);

enum class SavedTo { Beside, PerUser, Nowhere };

// A value written must be shorter than this, or it cannot read back as written.
inline constexpr int SETTING_VALUE_CAPACITY = 64;

// One key of a section and the text to write for it.
struct SettingValue {
    const wchar_t* key;
    const wchar_t* value;
};

// Writes the keys of one section beside the program, or else to the per-user file, creating
// its folder; a per-user file that exists already is brought up to date as well, since it is
// read first. A write counts only when the file could be opened for writing, every value was
// accepted and every value reads back as written: the profile functions may report success for
// a file that did not change. Nowhere means the values are lost, which is all a failure costs.
SavedTo SaveSettingValues(ProfileStore& store, const SettingsPlaces& places, const wchar_t* section,
                          const SettingValue* values, int count);

// The colour's three components, saved by the rule above.
SavedTo SaveColorSetting(ProfileStore& store, const SettingsPlaces& places,
                         const ColorSetting& color);

// The places of another file the program keeps by the settings' rule: the settings' folders,
// the file's own name. Fails, forming nothing, when a path would not fit.
bool FormKeptFilePlaces(const SettingsPlaces& settings, const wchar_t* fileName,
                        SettingsPlaces& places);

// Where such a file is used, read and written: the per-user file when it exists (as the
// settings are read), else the one beside the program when its folder takes it, else the
// per-user file, its folder made (as the settings are written). Null when none can be used.
const wchar_t* KeptFileToUse(ProfileStore& store, const SettingsPlaces& places);

}  // namespace quarnic
