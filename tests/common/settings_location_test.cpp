#include "common/settings_location.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <set>
#include <string>

namespace quarnic {
namespace {

using Section = std::map<std::wstring, std::wstring>;

// Profile files in memory, one map of sections each. A path may refuse to open for writing, or
// accept every write and keep none (as a profile cache over a file that cannot change would).
class FakeStore final : public ProfileStore {
  public:
    std::map<std::wstring, std::map<std::wstring, Section>> files;
    std::set<std::wstring> readOnly;
    std::set<std::wstring> dropsWrites;
    std::set<std::wstring> folders;
    bool foldersCanBeMade = true;

    bool FileExists(const wchar_t* path) const override { return files.count(path) != 0; }

    void ReadValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                   const wchar_t* defaultText, wchar_t* out, int capacity) const override {
        std::wstring value = defaultText;
        Section values = Values(path, section);
        if (values.count(key) != 0) {
            value = values.at(key);
        }
        std::wstring kept = value.substr(0, static_cast<std::size_t>(capacity - 1));
        std::wcscpy(out, kept.c_str());
    }

    bool CanWrite(const wchar_t* path) override { return readOnly.count(path) == 0; }

    bool WriteValue(const wchar_t* path, const wchar_t* section, const wchar_t* key,
                    const wchar_t* value) override {
        if (readOnly.count(path) != 0) {
            return false;
        }
        if (dropsWrites.count(path) == 0) {
            files[path][section][key] = value;
        }
        return true;
    }

    bool MakeFolder(const wchar_t* path) override {
        if (foldersCanBeMade) {
            folders.insert(path);
        }
        return folders.count(path) != 0;
    }

    Section Values(const std::wstring& path, const std::wstring& section = L"Color") const {
        auto file = files.find(path);
        if (file == files.end() || file->second.count(section) == 0) {
            return {};
        }
        return file->second.at(section);
    }
};

const std::wstring BESIDE = L"C:\\Program Files\\Quarnic\\KELVARIN.INI";
const std::wstring USER_FOLDER = L"C:\\Users\\u\\AppData\\Roaming\\Quarnic";
const std::wstring USER_FILE = USER_FOLDER + L"\\KELVARIN.INI";
const Section SAVED = {{L"Red", L"255"}, {L"Green", L"83"}, {L"Blue", L"15"}};
constexpr ColorSetting COLOR{255, 83, 15};

SettingsPlaces Places() {
    SettingsPlaces places;
    EXPECT_TRUE(FormUserSettingsPaths(L"C:\\Users\\u\\AppData\\Roaming", L"KELVARIN.EXE", places));
    std::wcscpy(places.beside.data(), BESIDE.c_str());
    return places;
}

TEST(UserSettingsPaths, FormedUnderTheApplicationDataFolder) {
    SettingsPlaces places = Places();
    EXPECT_EQ(std::wstring(places.userFolder.data()), USER_FOLDER);
    EXPECT_EQ(std::wstring(places.userFile.data()), USER_FILE);

    SettingsPlaces slash;
    ASSERT_TRUE(FormUserSettingsPaths(L"D:\\", L"OSTRAMEL.EXE", slash));
    EXPECT_EQ(std::wstring(slash.userFolder.data()), L"D:\\Quarnic");
    EXPECT_EQ(std::wstring(slash.userFile.data()), L"D:\\Quarnic\\OSTRAMEL.INI");
}

TEST(UserSettingsPaths, NothingFormedFromAMissingFolderOrAnOverlongPath) {
    SettingsPlaces places;
    EXPECT_FALSE(FormUserSettingsPaths(L"", L"KELVARIN.EXE", places));
    EXPECT_FALSE(FormUserSettingsPaths(L"C:\\x", L".EXE", places));
    // The folder fits, the file name would not: neither is formed.
    std::wstring deep = L"C:\\" + std::wstring(PATH_CAPACITY - 20, L'd');
    EXPECT_FALSE(FormUserSettingsPaths(deep.c_str(), L"KELVARIN.EXE", places));
    EXPECT_EQ(places.userFolder[0], L'\0');
    EXPECT_EQ(places.userFile[0], L'\0');
}

TEST(SettingsReading, ThePerUserFileWinsWhenItExists) {
    FakeStore store;
    SettingsPlaces places = Places();
    store.files[BESIDE][L"Color"] = {{L"Red", L"1"}};
    EXPECT_EQ(std::wstring(SettingsFileToRead(store, places)), BESIDE);
    store.files[USER_FILE][L"Color"] = {{L"Red", L"2"}};
    EXPECT_EQ(std::wstring(SettingsFileToRead(store, places)), USER_FILE);

    SettingsPlaces noUserFolder;
    noUserFolder.beside = places.beside;
    EXPECT_EQ(std::wstring(SettingsFileToRead(store, noUserFolder)), BESIDE);
}

TEST(SettingsReading, MissingKeysKeepTheDefaultsAndValuesAreParsed) {
    FakeStore store;
    store.files[BESIDE][L"Color"] = {{L"Green", L"12"}, {L"Blue", L"000999"}};
    ColorSetting color = ReadColorSetting(store, BESIDE.c_str());
    EXPECT_EQ(color.red, DEFAULT_RED);
    EXPECT_EQ(color.green, 12);
    EXPECT_EQ(color.blue, 99);  // five characters count: "00099"

    ColorSetting none = ReadColorSetting(store, L"C:\\nowhere.INI");
    EXPECT_EQ(none.red, DEFAULT_RED);
    EXPECT_EQ(none.green, DEFAULT_GREEN);
    EXPECT_EQ(none.blue, DEFAULT_BLUE);
}

TEST(SettingsSaving, BesideTheProgramWhenItsFolderTakesTheFile) {
    FakeStore store;
    EXPECT_EQ(SaveColorSetting(store, Places(), COLOR), SavedTo::Beside);
    EXPECT_EQ(store.Values(BESIDE), SAVED);
    EXPECT_FALSE(store.FileExists(USER_FILE.c_str()));  // none is made
    EXPECT_TRUE(store.folders.empty());
}

TEST(SettingsSaving, AnOlderPerUserFileIsKeptUpToDateSoTheNextStartReadsTheNewColour) {
    // The folder beside the program became writable again after a save went per user.
    FakeStore store;
    store.files[USER_FILE][L"Color"] = {{L"Red", L"1"}, {L"Green", L"2"}, {L"Blue", L"3"}};
    const SettingsPlaces places = Places();
    EXPECT_EQ(SaveColorSetting(store, places, COLOR), SavedTo::Beside);
    EXPECT_EQ(store.Values(BESIDE), SAVED);
    const ColorSetting next = ReadColorSetting(store, SettingsFileToRead(store, places));
    EXPECT_EQ(next.red, COLOR.red);
    EXPECT_EQ(next.green, COLOR.green);
    EXPECT_EQ(next.blue, COLOR.blue);
}

TEST(SettingsSaving, PerUserWhenTheFileBesideCannotBeWritten) {
    FakeStore store;
    store.readOnly.insert(BESIDE);
    EXPECT_EQ(SaveColorSetting(store, Places(), COLOR), SavedTo::PerUser);
    EXPECT_EQ(store.folders.count(USER_FOLDER), 1u);
    EXPECT_EQ(store.Values(USER_FILE), SAVED);
    EXPECT_FALSE(store.FileExists(BESIDE.c_str()));
}

TEST(SettingsSaving, AWriteThatReportsSuccessButDoesNotLandIsNoSave) {
    FakeStore store;
    store.dropsWrites.insert(BESIDE);
    EXPECT_EQ(SaveColorSetting(store, Places(), COLOR), SavedTo::PerUser);
    EXPECT_EQ(store.Values(USER_FILE), SAVED);

    // An old file beside keeps old values: they read back, but not as the colour written.
    FakeStore stale;
    stale.files[BESIDE][L"Color"] = {{L"Red", L"255"}, {L"Green", L"83"}, {L"Blue", L"16"}};
    stale.dropsWrites.insert(BESIDE);
    EXPECT_EQ(SaveColorSetting(stale, Places(), COLOR), SavedTo::PerUser);
}

TEST(SettingsSaving, NowhereWhenNeitherPlaceTakesIt) {
    FakeStore noFolder;
    noFolder.readOnly.insert(BESIDE);
    noFolder.foldersCanBeMade = false;
    EXPECT_EQ(SaveColorSetting(noFolder, Places(), COLOR), SavedTo::Nowhere);
    EXPECT_TRUE(noFolder.files.empty());

    FakeStore bothReadOnly;
    bothReadOnly.readOnly = {BESIDE, USER_FILE};
    EXPECT_EQ(SaveColorSetting(bothReadOnly, Places(), COLOR), SavedTo::Nowhere);

    SettingsPlaces noUserFolder;
    noUserFolder.beside = Places().beside;
    FakeStore unknown;
    unknown.readOnly.insert(BESIDE);
    EXPECT_EQ(SaveColorSetting(unknown, noUserFolder, COLOR), SavedTo::Nowhere);
    EXPECT_TRUE(unknown.folders.empty());
}

TEST(SettingsSaving, AnySectionFollowsTheColoursRuleAndLeavesTheOthersAlone) {
    const SettingValue place[] = {{L"X", L"-40"}, {L"Y", L"1200"}};
    FakeStore store;
    store.files[BESIDE][L"Color"] = SAVED;
    EXPECT_EQ(SaveSettingValues(store, Places(), L"History", place, 2), SavedTo::Beside);
    EXPECT_EQ(store.Values(BESIDE, L"History"), (Section{{L"X", L"-40"}, {L"Y", L"1200"}}));
    EXPECT_EQ(store.Values(BESIDE), SAVED);

    FakeStore readOnly;
    readOnly.readOnly.insert(BESIDE);
    EXPECT_EQ(SaveSettingValues(readOnly, Places(), L"History", place, 2), SavedTo::PerUser);
    EXPECT_EQ(readOnly.Values(USER_FILE, L"History").size(), 2u);

    // A value too long to read back whole is no save.
    const std::wstring longText(SETTING_VALUE_CAPACITY, L'7');
    const SettingValue tooLong[] = {{L"X", longText.c_str()}};
    FakeStore truncating;
    truncating.foldersCanBeMade = false;
    EXPECT_EQ(SaveSettingValues(truncating, Places(), L"History", tooLong, 1), SavedTo::Nowhere);
}

}  // namespace
}  // namespace quarnic

namespace quarnic {
namespace {

const std::wstring HISTORY_BESIDE = L"C:\\Program Files\\Quarnic\\KELVARIN-HISTORY.TXT";
const std::wstring HISTORY_USER = USER_FOLDER + L"\\KELVARIN-HISTORY.TXT";

TEST(KeptFiles, PerUserWhenThereElseBesideWhenWritableElsePerUser) {
    SettingsPlaces places;
    ASSERT_TRUE(FormKeptFilePlaces(Places(), L"KELVARIN-HISTORY.TXT", places));
    EXPECT_EQ(std::wstring(places.beside.data()), HISTORY_BESIDE);
    EXPECT_EQ(std::wstring(places.userFile.data()), HISTORY_USER);

    FakeStore store;
    EXPECT_EQ(std::wstring(KeptFileToUse(store, places)), HISTORY_BESIDE);
    store.readOnly.insert(HISTORY_BESIDE);
    EXPECT_EQ(std::wstring(KeptFileToUse(store, places)), HISTORY_USER);
    EXPECT_EQ(store.folders.count(USER_FOLDER), 1u);
    store.readOnly.clear();
    store.files[HISTORY_USER];  // a per-user file wins even where the folder beside is writable
    EXPECT_EQ(std::wstring(KeptFileToUse(store, places)), HISTORY_USER);

    FakeStore nowhere;
    nowhere.readOnly.insert(HISTORY_BESIDE);
    nowhere.foldersCanBeMade = false;
    EXPECT_EQ(KeptFileToUse(nowhere, places), nullptr);
}

}  // namespace
}  // namespace quarnic
