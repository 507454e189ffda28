#include "common/settings_parse.h"

#include <cwchar>

namespace quarnic {
namespace {

bool IsCLibrarySpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

int ClampComponent(long value) {
    if (value < 0) {
        return 0;
    }
    if (value > 255) {
        return 255;
    }
    return static_cast<int>(value);
}

bool CopyText(const wchar_t* from, std::size_t count, PathText& to, std::size_t at = 0) {
    if (at + count + 1 > to.size()) {
        return false;
    }
    std::wmemcpy(to.data() + at, from, count);
    to[at + count] = L'\0';
    return true;
}

}  // namespace

int ParseColorComponent(const wchar_t* value) {
    int i = 0;
    auto more = [&] { return i < COLOR_VALUE_CHARS && value[i] != L'\0'; };
    while (more() && IsCLibrarySpace(value[i])) {
        ++i;
    }
    long sign = 1;
    if (more() && (value[i] == L'-' || value[i] == L'+')) {
        sign = value[i] == L'-' ? -1 : 1;
        ++i;
    }
    long magnitude = 0;
    while (more() && value[i] >= L'0' && value[i] <= L'9') {
        magnitude = magnitude * 10 + (value[i] - L'0');
        ++i;
    }
    return ClampComponent(sign * magnitude);
}

bool ParseSettingNumber(const wchar_t* text, int& value) {
    constexpr int MOST_DIGITS = 9;  // within an int whatever they are
    const bool negative = text[0] == L'-';
    const wchar_t* digits = text + (negative || text[0] == L'+' ? 1 : 0);
    int magnitude = 0;
    int count = 0;
    for (; digits[count] >= L'0' && digits[count] <= L'9'; ++count) {
        if (count == MOST_DIGITS) {
            return false;
        }
        magnitude = magnitude * 10 + (digits[count] - L'0');
    }
    if (count == 0 || digits[count] != L'\0') {
        return false;
    }
    value = negative ? -magnitude : magnitude;
    return true;
}

bool FormProgramPaths(const wchar_t* programFile, const wchar_t* readmeName,
                      const wchar_t* alternativeReadmeName, ProgramPaths& out) {
    const wchar_t* lastSlash = std::wcsrchr(programFile, L'\\');
    if (lastSlash == nullptr || lastSlash[1] == L'\0') {
        return false;
    }
    std::size_t directoryLength = static_cast<std::size_t>(lastSlash - programFile) + 1;
    const wchar_t* lastDot = std::wcsrchr(lastSlash, L'.');
    std::size_t stemLength = lastDot != nullptr ? static_cast<std::size_t>(lastDot - programFile)
                                                : std::wcslen(programFile);
    ProgramPaths formed;
    bool fits = CopyText(programFile, directoryLength, formed.directory) &&
                CopyText(programFile, stemLength, formed.settings) &&
                CopyText(L".INI", 4, formed.settings, stemLength) &&
                CopyText(programFile, directoryLength, formed.readme) &&
                CopyText(readmeName, std::wcslen(readmeName), formed.readme, directoryLength);
    if (fits && alternativeReadmeName != nullptr) {
        fits = CopyText(programFile, directoryLength, formed.alternativeReadme) &&
               CopyText(alternativeReadmeName, std::wcslen(alternativeReadmeName),
                        formed.alternativeReadme, directoryLength);
    }
    if (fits) {
        out = formed;
    }
    return fits;
}

}  // namespace quarnic
