// How the registry's version texts classify Windows into PlatformCode, and the language rule.
// Portable so the substring rules can be checked without a registry.
#pragma once

namespace quarnic {

enum PlatformCodeValue {
    PLATFORM_WINDOWS_95 = 0,  // also: not determined
    PLATFORM_WINDOWS_98 = 1,
    PLATFORM_WINDOWS_ME = 2,
    PLATFORM_NT4 = 3,
    PLATFORM_NT5 = 4,
    PLATFORM_LATER_NT = 5,
};

inline constexpr unsigned JAPANESE_CODE_PAGE = 932;

// From the NT "CurrentVersion" text: "4.0" gives NT4, else "5.0" gives NT5, else a later NT.
int PlatformCodeFromNtVersion(const wchar_t* version);
// From the 9x "ProductName" text: "Windows ME", else "Windows 98", else Windows 95.
int PlatformCodeFromProductName(const wchar_t* productName);

bool IsJapaneseCodePage(unsigned codePage);

// The two version values DetectPlatform reads from the registry.
enum class VersionValue { NtCurrentVersion, NineXProductName };
enum class VersionRead { KeyMissing, ValueMissing, Read };

class VersionRegistry {
  public:
    virtual ~VersionRegistry() = default;
    // Reads the value as text into a zeroed buffer of `capacity` characters.
    virtual VersionRead Read(VersionValue value, wchar_t* text, int capacity) = 0;
};

inline constexpr int VERSION_TEXT_CHARS = 129;

// The NT version text decides when it can be read; otherwise the 9x product name, when its
// key opens; otherwise the code stays `current` (0 at start: Windows 95 or unknown).
int DetectPlatformCode(VersionRegistry& registry, int current);

}  // namespace quarnic
