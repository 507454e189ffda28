#include "common/dialog_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace quarnic {
namespace {

TEST(ColorScroll, StepsStopAtBothEnds) {
    EXPECT_EQ(ScrolledColorValue(250, SCROLL_PAGE_RIGHT, 0), 255);
    EXPECT_EQ(ScrolledColorValue(10, SCROLL_PAGE_LEFT, 0), 0);
    EXPECT_EQ(ScrolledColorValue(100, SCROLL_PAGE_RIGHT, 0), 115);
    EXPECT_EQ(ScrolledColorValue(100, SCROLL_PAGE_LEFT, 0), 85);
    EXPECT_EQ(ScrolledColorValue(255, SCROLL_LINE_RIGHT, 0), 255);
    EXPECT_EQ(ScrolledColorValue(0, SCROLL_LINE_LEFT, 0), 0);
    EXPECT_EQ(ScrolledColorValue(7, SCROLL_LINE_RIGHT, 0), 8);
    EXPECT_EQ(ScrolledColorValue(7, SCROLL_LEFT, 99), 0);
    EXPECT_EQ(ScrolledColorValue(7, SCROLL_RIGHT, 99), 255);
}

TEST(ColorScroll, ThumbTakesItsPositionAndOtherCodesChangeNothing) {
    EXPECT_EQ(ScrolledColorValue(7, SCROLL_THUMB_TRACK, 200), 200);
    EXPECT_EQ(ScrolledColorValue(7, SCROLL_THUMB_POSITION, 13), 13);
    EXPECT_EQ(ScrolledColorValue(7, SCROLL_END, 200), 7);
    EXPECT_EQ(ScrolledColorValue(7, 42, 200), 7);
}

TEST(PleaseWaitNote, BelowAWindowInTheUpperHalfElseAbove) {
    // Screen 768 high: the window's centre must lie above row 383 for the note to go below it.
    EXPECT_EQ(PleaseWaitTop(100, 300, 40, 768), 300);
    EXPECT_EQ(PleaseWaitTop(400, 600, 40, 768), 360);
    EXPECT_EQ(PleaseWaitTop(283, 483, 40, 768), 283 - 40);  // centre 383 is not above 768 / 2 - 1
    EXPECT_EQ(PleaseWaitTop(282, 482, 40, 768), 482);       // centre 382
}

TEST(ReadmeTidying, AnOldNameBecomesTheReadmeOrGoes) {
    EXPECT_EQ(ChooseReadmeTidying(false, false), ReadmeTidying::Nothing);
    EXPECT_EQ(ChooseReadmeTidying(false, true), ReadmeTidying::Nothing);
    EXPECT_EQ(ChooseReadmeTidying(true, false), ReadmeTidying::RenameAlternative);
    EXPECT_EQ(ChooseReadmeTidying(true, true), ReadmeTidying::DeleteAlternative);
}

TEST(NotepadCommand, WindowsFolderNotepadAndThePathUnquoted) {
    wchar_t out[64];
    ASSERT_TRUE(BuildNotepadCommand(L"C:\\windows", L"C:\\Tools\\KELVARIN.TXT", out, 64));
    EXPECT_EQ(std::wstring(out), L"C:\\windows\\NOTEPAD.EXE C:\\Tools\\KELVARIN.TXT");
}

TEST(NotepadCommand, ACommandThatDoesNotFitIsNotCut) {
    const std::wstring folder = L"C:\\windows";
    const std::wstring path = L"C:\\Tools\\KELVARIN.TXT";
    const std::size_t exact = folder.size() + 13 + path.size() + 1;
    std::wstring out(exact, L'?');
    EXPECT_TRUE(BuildNotepadCommand(folder.c_str(), path.c_str(), out.data(), exact));
    EXPECT_FALSE(BuildNotepadCommand(folder.c_str(), path.c_str(), out.data(), exact - 1));
    EXPECT_EQ(out[0], L'\0');
}

}  // namespace
}  // namespace quarnic
