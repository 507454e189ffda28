// Small decisions of the shell's dialogs and helpers, apart from the window calls that carry
// them out: the colour dialog's scroll steps, where the please-wait note goes, what the readme
// tidying does, and the command line that opens the readme.
#pragma once

#include <cstddef>

namespace quarnic {

// Scroll-bar notification codes, with the platform's values.
enum ScrollCode {
    SCROLL_LINE_LEFT = 0,
    SCROLL_LINE_RIGHT = 1,
    SCROLL_PAGE_LEFT = 2,
    SCROLL_PAGE_RIGHT = 3,
    SCROLL_THUMB_POSITION = 4,
    SCROLL_THUMB_TRACK = 5,
    SCROLL_LEFT = 6,
    SCROLL_RIGHT = 7,
    SCROLL_END = 8,
};

inline constexpr int COLOR_PAGE_STEP = 15;

// A colour component after one scroll notification; thumbPosition counts only for the thumb
// codes, and unknown codes change nothing.
int ScrolledColorValue(int value, int scrollCode, int thumbPosition);

// The please-wait note goes just below the main window while the window's centre lies in the
// upper half of the screen, else just above it. Returns the note's top.
int PleaseWaitTop(int mainTop, int mainBottom, int noteHeight, int screenHeight);

enum class ReadmeTidying { Nothing, RenameAlternative, DeleteAlternative };
ReadmeTidying ChooseReadmeTidying(bool alternativeExists, bool readmeExists);

// windowsDirectory + "\NOTEPAD.EXE " + readmePath into out (capacity in characters, the NUL
// included). False, with out empty, when it would not fit.
bool BuildNotepadCommand(const wchar_t* windowsDirectory, const wchar_t* readmePath, wchar_t* out,
                         std::size_t capacity);

}  // namespace quarnic
