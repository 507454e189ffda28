// "Sa&ve answer...": asks for a file name, checks the disk and the name, and writes the last
// calculation through a temporary file.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string_view>

namespace quarnic {

// Writes the saved answer's text as SaveTextFile does; longestSize is the longest text there
// can be, which the free-space check asks for.
void SaveAnswerText(HWND mainWindow, std::string_view text, std::size_t longestSize);

// The dialog's title and the two failures of writing, English and Japanese.
struct SaveTexts {
    const wchar_t* titleEn;
    const wchar_t* titleJa;
    const wchar_t* notCreatedEn;
    const wchar_t* notCreatedJa;
    const wchar_t* notWrittenEn;
    const wchar_t* notWrittenJa;
};

// Asks for a TXT file in the save dialog, checks it as "Save answer" does (a local disk with
// room for longestSize bytes and a margin, the extension .txt) and writes the text through a
// temporary file that replaces it. Every failure is told in a message box owned by owner.
void SaveTextFile(HWND owner, const SaveTexts& texts, const char* data, std::size_t size,
                  std::size_t longestSize);

}  // namespace quarnic
