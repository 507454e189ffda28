// The portable half of the settings file and the program's own paths: how a colour value read
// from the profile file becomes a component, and how the settings and readme paths are formed
// from the program's file. The Win32 side only reads and writes the profile.
#pragma once

#include <array>

namespace quarnic {

inline constexpr int DEFAULT_RED = 188;
inline constexpr int DEFAULT_GREEN = 83;
inline constexpr int DEFAULT_BLUE = 45;

// The profile read keeps at most this many characters of a value.
inline constexpr int COLOR_VALUE_CHARS = 5;

// A colour component from a profile value: only its first five characters count; leading
// white space, an optional sign and decimal digits are read as the C library does (anything
// else ends the number, no digits gives 0); the result is clamped to 0..255.
int ParseColorComponent(const wchar_t* value);

// A whole number as the programs write their settings: an optional sign and at most nine
// decimal digits, nothing before or after. False for any other text, which leaves value as it
// was: a value the program did not write is no value at all.
bool ParseSettingNumber(const wchar_t* text, int& value);

inline constexpr int PATH_CAPACITY = 520;
using PathText = std::array<wchar_t, PATH_CAPACITY>;

struct ProgramPaths {
    PathText directory{};  // ends in a backslash
    PathText settings{};   // the program's file with the extension "INI"
    PathText readme{};
    PathText alternativeReadme{};  // empty when the program has none
};

// Forms every path from the full path of the program's file. Fails (and forms nothing) when
// that path has no folder or a result would not fit: no path is ever built from a missing or
// truncated name.
bool FormProgramPaths(const wchar_t* programFile, const wchar_t* readmeName,
                      const wchar_t* alternativeReadmeName, ProgramPaths& out);

}  // namespace quarnic
