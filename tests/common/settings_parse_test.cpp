#include "common/settings_parse.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnic {
namespace {

TEST(ColorValue, OrdinaryAndOutOfRangeValuesAreClamped) {
    EXPECT_EQ(ParseColorComponent(L"188"), 188);
    EXPECT_EQ(ParseColorComponent(L"0"), 0);
    EXPECT_EQ(ParseColorComponent(L"255"), 255);
    EXPECT_EQ(ParseColorComponent(L"256"), 255);
    EXPECT_EQ(ParseColorComponent(L"300"), 255);
    EXPECT_EQ(ParseColorComponent(L"-7"), 0);
    EXPECT_EQ(ParseColorComponent(L"-0"), 0);
}

TEST(ColorValue, GarbageReadsAsTheCLibraryWould) {
    EXPECT_EQ(ParseColorComponent(L"abc"), 0);
    EXPECT_EQ(ParseColorComponent(L""), 0);
    EXPECT_EQ(ParseColorComponent(L"12abc"), 12);
    EXPECT_EQ(ParseColorComponent(L"  42"), 42);
    EXPECT_EQ(ParseColorComponent(L"\t+99"), 99);
    EXPECT_EQ(ParseColorComponent(L"+-5"), 0);
    EXPECT_EQ(ParseColorComponent(L"1 2"), 1);
    EXPECT_EQ(ParseColorComponent(L"0x1F"), 0);
}

TEST(ColorValue, OnlyTheFirstFiveCharactersCount) {
    EXPECT_EQ(ParseColorComponent(L"000200"), 20);   // "00020"
    EXPECT_EQ(ParseColorComponent(L"123456"), 255);  // "12345", clamped
    EXPECT_EQ(ParseColorComponent(L"    7"), 7);
    EXPECT_EQ(ParseColorComponent(L"     7"), 0);  // five blanks, the digit is cut off
    EXPECT_EQ(ParseColorComponent(L"-0000100"), 0);
    EXPECT_EQ(ParseColorComponent(L"99999999999999999999"), 255);
}

TEST(ProgramPaths, FormedBesideTheProgramFile) {
    ProgramPaths paths;
    ASSERT_TRUE(
        FormProgramPaths(L"C:\\Tools\\KELVARIN.EXE", L"KELVARIN.TXT", L"README_Q.TXT", paths));
    EXPECT_EQ(std::wstring(paths.directory.data()), L"C:\\Tools\\");
    EXPECT_EQ(std::wstring(paths.settings.data()), L"C:\\Tools\\KELVARIN.INI");
    EXPECT_EQ(std::wstring(paths.readme.data()), L"C:\\Tools\\KELVARIN.TXT");
    EXPECT_EQ(std::wstring(paths.alternativeReadme.data()), L"C:\\Tools\\README_Q.TXT");
}

TEST(ProgramPaths, ARenamedProgramKeepsItsOwnStem) {
    ProgramPaths paths;
    ASSERT_TRUE(FormProgramPaths(L"D:\\a.b\\calc-copy.exe", L"OSTRAMEL.TXT", nullptr, paths));
    EXPECT_EQ(std::wstring(paths.settings.data()), L"D:\\a.b\\calc-copy.INI");
    EXPECT_EQ(paths.alternativeReadme[0], L'\0');
    ASSERT_TRUE(FormProgramPaths(L"D:\\a.b\\noextension", L"X.TXT", nullptr, paths));
    EXPECT_EQ(std::wstring(paths.settings.data()), L"D:\\a.b\\noextension.INI");
}

TEST(ProgramPaths, NothingIsFormedFromAMissingOrOverlongName) {
    ProgramPaths paths;
    ASSERT_TRUE(FormProgramPaths(L"C:\\KELVARIN.EXE", L"KELVARIN.TXT", nullptr, paths));
    EXPECT_FALSE(FormProgramPaths(L"KELVARIN.EXE", L"KELVARIN.TXT", nullptr, paths));
    EXPECT_FALSE(FormProgramPaths(L"C:\\folder\\", L"KELVARIN.TXT", nullptr, paths));
    std::wstring deep = L"C:\\" + std::wstring(PATH_CAPACITY - 10, L'd') + L"\\KELVARIN.EXE";
    EXPECT_FALSE(FormProgramPaths(deep.c_str(), L"KELVARIN.TXT", nullptr, paths));
    // A failed call leaves the earlier paths as they were.
    EXPECT_EQ(std::wstring(paths.settings.data()), L"C:\\KELVARIN.INI");
}

}  // namespace
}  // namespace quarnic
