#include "common/kept_window_place.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <map>
#include <string>

namespace quarnic {
namespace {

constexpr KeptPlaceTexts WELL_FORMED{L"-1500", L"700", L"640", L"480", L"1"};

// A profile file in memory, by section and key.
class OneFileStore final : public ProfileStore {
  public:
    std::map<std::wstring, std::map<std::wstring, std::wstring>> sections;

    bool FileExists(const wchar_t*) const override { return !sections.empty(); }
    void ReadValue(const wchar_t*, const wchar_t* section, const wchar_t* key,
                   const wchar_t* defaultText, wchar_t* out, int capacity) const override {
        std::wstring value = defaultText;
        const auto found = sections.find(section);
        if (found != sections.end() && found->second.count(key) != 0) {
            value = found->second.at(key);
        }
        std::wcscpy(out, value.substr(0, static_cast<std::size_t>(capacity - 1)).c_str());
    }
    bool CanWrite(const wchar_t*) override { return true; }
    bool WriteValue(const wchar_t*, const wchar_t* section, const wchar_t* key,
                    const wchar_t* value) override {
        sections[section][key] = value;
        return true;
    }
    bool MakeFolder(const wchar_t*) override { return true; }
};

SettingsPlaces BesideOnly() {
    SettingsPlaces places;
    std::wcscpy(places.beside.data(), L"C:\\Tools\\KELVARIN.INI");
    return places;
}

void ExpectPlace(const WindowPlace& got, const WindowPlace& expected) {
    EXPECT_EQ(got.x, expected.x);
    EXPECT_EQ(got.y, expected.y);
    EXPECT_EQ(got.width, expected.width);
    EXPECT_EQ(got.height, expected.height);
}

TEST(SettingNumber, OnlyWholeNumbersAsTheProgramWritesThem) {
    int value = 7;
    EXPECT_TRUE(ParseSettingNumber(L"-1500", value));
    EXPECT_EQ(value, -1500);
    EXPECT_TRUE(ParseSettingNumber(L"+12", value));
    EXPECT_EQ(value, 12);
    EXPECT_TRUE(ParseSettingNumber(L"999999999", value));
    EXPECT_EQ(value, 999999999);
    for (const wchar_t* malformed : {L"", L"-", L"+", L" 12", L"12 ", L"12px", L"1.5", L"0x10",
                                     L"--1", L"1e3", L"1000000000", L"99999999999999999999"}) {
        value = 7;
        EXPECT_FALSE(ParseSettingNumber(malformed, value)) << std::wstring(malformed).size();
        EXPECT_EQ(value, 7) << "a refused text leaves the value";
    }
}

TEST(KeptWindowPlace, AWholePlaceIsReadAsWritten) {
    const auto kept = ParseKeptWindowPlace(WELL_FORMED);
    ASSERT_TRUE(kept.has_value());
    ExpectPlace(kept->normal, {-1500, 700, 640, 480});
    EXPECT_TRUE(kept->maximized);
    KeptPlaceTexts normal = WELL_FORMED;
    normal.maximized = L"0";
    EXPECT_FALSE(ParseKeptWindowPlace(normal)->maximized);
}

TEST(KeptWindowPlace, AnyMissingOrMalformedValueMeansNoPlace) {
    for (int field = 0; field < 5; ++field) {
        for (const wchar_t* bad : {L"", L"abc", L"12px", L"1.0", L"2", L"-"}) {
            KeptPlaceTexts texts = WELL_FORMED;
            const wchar_t** fields[] = {&texts.x, &texts.y, &texts.width, &texts.height,
                                        &texts.maximized};
            *fields[field] = bad;
            if (field < 4 && std::wcscmp(bad, L"2") == 0) {
                continue;  // a fine coordinate
            }
            EXPECT_FALSE(ParseKeptWindowPlace(texts).has_value())
                << "field " << field << " value length " << std::wstring(bad).size();
        }
    }
    for (const KeptPlaceTexts& empty : {KeptPlaceTexts{L"10", L"10", L"0", L"300", L"0"},
                                        KeptPlaceTexts{L"10", L"10", L"400", L"-300", L"0"}}) {
        EXPECT_FALSE(ParseKeptWindowPlace(empty).has_value()) << "a window without an area";
    }
}

TEST(WindowSettings, SavedAndReadBackInTheWindowSection) {
    OneFileStore store;
    EXPECT_EQ(SaveWindowSettings(store, BesideOnly(), {{-1500, 700, 640, 480}, true}, true),
              SavedTo::Beside);
    const auto& written = store.sections[WINDOW_SECTION];
    EXPECT_EQ(written.at(L"X"), L"-1500");
    EXPECT_EQ(written.at(L"Maximized"), L"1");
    EXPECT_EQ(written.at(L"AlwaysOnTop"), L"1");
    const WindowSettings read = ReadWindowSettings(store, L"C:\\Tools\\KELVARIN.INI");
    ASSERT_TRUE(read.place.has_value());
    ExpectPlace(read.place->normal, {-1500, 700, 640, 480});
    EXPECT_TRUE(read.place->maximized);
    EXPECT_TRUE(read.alwaysOnTop);
}

TEST(WindowSettings, AFirstStartOrAPartialSectionKeepsNothing) {
    OneFileStore store;
    WindowSettings read = ReadWindowSettings(store, L"C:\\Tools\\KELVARIN.INI");
    EXPECT_FALSE(read.place.has_value());
    EXPECT_FALSE(read.alwaysOnTop);
    // Only the colour and a place without its size: an older file, or one edited by hand.
    store.sections[L"Color"][L"Red"] = L"255";
    store.sections[WINDOW_SECTION] = {{L"X", L"40"}, {L"Y", L"60"}, {L"Maximized", L"0"}};
    read = ReadWindowSettings(store, L"C:\\Tools\\KELVARIN.INI");
    EXPECT_FALSE(read.place.has_value());
    for (const wchar_t* notOn : {L"0", L"", L"yes", L"true", L"2", L"01"}) {
        store.sections[WINDOW_SECTION][L"AlwaysOnTop"] = notOn;
        EXPECT_FALSE(ReadWindowSettings(store, L"x").alwaysOnTop) << std::wstring(notOn).size();
    }
}

// A primary 1280x984 work area (a task bar below) and a second monitor to its left; the layout
// puts a 652x403 window in the middle of the primary screen.
constexpr ScreenRect SCREENS[] = {{0, 0, 1280, 984}, {-1920, 0, 0, 1080}};
constexpr WindowPlace LAYOUT{314, 310, 652, 403};

TEST(WindowStart, WithoutAKeptPlaceTheLayoutDecides) {
    const WindowStart start = ChooseWindowStart(std::nullopt, LAYOUT, SCREENS, 2);
    ExpectPlace(start.place, LAYOUT);
    EXPECT_FALSE(start.maximized);
    // Today's place even off the screen: the layout centres it there as it always did.
    ExpectPlace(ChooseWindowStart(std::nullopt, {-6, -2, 652, 403}, SCREENS, 1).place,
                {-6, -2, 652, 403});
}

TEST(WindowStart, AKeptPlaceInViewComesBackAsItWas) {
    const WindowStart start =
        ChooseWindowStart(KeptWindowPlace{{-1800, 100, 900, 600}, true}, LAYOUT, SCREENS, 2);
    ExpectPlace(start.place, {-1800, 100, 900, 600});
    EXPECT_TRUE(start.maximized);
}

TEST(WindowStart, APlaceOffEveryMonitorIsBroughtIntoView) {
    ExpectPlace(
        ChooseWindowStart(KeptWindowPlace{{5000, -3000, 900, 600}, false}, LAYOUT, SCREENS, 2)
            .place,
        {380, 0, 900, 600});
    // The left monitor is gone: the maximized window comes back onto the primary one.
    const WindowStart start =
        ChooseWindowStart(KeptWindowPlace{{-1800, 100, 900, 600}, true}, LAYOUT, SCREENS, 1);
    ExpectPlace(start.place, {0, 100, 900, 600});
    EXPECT_TRUE(start.maximized);
}

TEST(WindowStart, TheLayoutsSizeIsTheLeastSize) {
    // Saved at a lower DPI, or edited: the window is never smaller than its layout.
    ExpectPlace(
        ChooseWindowStart(KeptWindowPlace{{1200, 900, 300, 200}, false}, LAYOUT, SCREENS, 2).place,
        {628, 581, 652, 403});
    // Larger than the work area: it fills the work area.
    ExpectPlace(
        ChooseWindowStart(KeptWindowPlace{{10, 10, 3000, 2000}, false}, LAYOUT, SCREENS, 1).place,
        {0, 0, 1280, 984});
    // A work area smaller than the layout: the whole layout all the same, from its corner.
    constexpr ScreenRect SMALL[] = {{0, 0, 640, 380}};
    ExpectPlace(
        ChooseWindowStart(KeptWindowPlace{{100, 100, 700, 500}, false}, LAYOUT, SMALL, 1).place,
        {0, 0, 652, 403});
}

}  // namespace
}  // namespace quarnic
