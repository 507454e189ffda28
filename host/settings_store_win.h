// The Win32 profile functions behind the settings rules, and the user's roaming application
// data folder.
#pragma once

#include <windows.h>

#include "common/settings_location.h"

namespace quarnic {

class Win32ProfileStore final : public ProfileStore {
  public:
    bool FileExists(const wchar_t* path) const override;
    void ReadValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                   const wchar_t* defaultText, wchar_t* out, int capacity) const override;
    bool CanWrite(const wchar_t* path) override;
    bool WriteValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                    const wchar_t* value) override;
    bool MakeFolder(const wchar_t* path) override;
};

// Forms the per-user settings paths of the running program; leaves them empty when the
// application data folder is unknown.
void FormUserSettingsPlaces(const wchar_t* programFileName, SettingsPlaces& places);

}  // namespace quarnic
