#include "common/dialog_rules.h"

#include <cwchar>

namespace quarnic {
namespace {

int ClampComponent(int value) {
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

}  // namespace

int ScrolledColorValue(int value, int scrollCode, int thumbPosition) {
    switch (scrollCode) {
        case SCROLL_LINE_LEFT:
            return ClampComponent(value - 1);
        case SCROLL_LINE_RIGHT:
            return ClampComponent(value + 1);
        case SCROLL_PAGE_LEFT:
            return ClampComponent(value - COLOR_PAGE_STEP);
        case SCROLL_PAGE_RIGHT:
            return ClampComponent(value + COLOR_PAGE_STEP);
        case SCROLL_THUMB_POSITION:
        case SCROLL_THUMB_TRACK:
            return thumbPosition;
        case SCROLL_LEFT:
            return 0;
        case SCROLL_RIGHT:
            return 255;
        default:
            return value;
    }
}

int PleaseWaitTop(int mainTop, int mainBottom, int noteHeight, int screenHeight) {
    int centre = mainTop + (mainBottom - mainTop) / 2;
    return screenHeight / 2 - 1 > centre ? mainBottom : mainTop - noteHeight;
}

ReadmeTidying ChooseReadmeTidying(bool alternativeExists, bool readmeExists) {
    if (!alternativeExists) {
        return ReadmeTidying::Nothing;
    }
    return readmeExists ? ReadmeTidying::DeleteAlternative : ReadmeTidying::RenameAlternative;
}

bool BuildNotepadCommand(const wchar_t* windowsDirectory, const wchar_t* readmePath, wchar_t* out,
                         std::size_t capacity) {
    static constexpr wchar_t NOTEPAD[] = L"\\NOTEPAD.EXE ";
    std::size_t length =
        std::wcslen(windowsDirectory) + std::wcslen(NOTEPAD) + std::wcslen(readmePath);
    if (capacity == 0) {
        return false;
    }
    out[0] = L'\0';
    if (length + 1 > capacity) {
        return false;
    }
    std::swprintf(out, capacity, L"%ls%ls%ls", windowsDirectory, NOTEPAD, readmePath);
    return true;
}

}  // namespace quarnic
