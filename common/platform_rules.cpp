#include "common/platform_rules.h"

#include <cwchar>

namespace quarnic {

int PlatformCodeFromNtVersion(const wchar_t* version) {
    if (std::wcsstr(version, L"4.0") != nullptr) {
        return PLATFORM_NT4;
    }
    if (std::wcsstr(version, L"5.0") != nullptr) {
        return PLATFORM_NT5;
    }
    return PLATFORM_LATER_NT;
}

int PlatformCodeFromProductName(const wchar_t* productName) {
    if (std::wcsstr(productName, L"Windows ME") != nullptr) {
        return PLATFORM_WINDOWS_ME;
    }
    if (std::wcsstr(productName, L"Windows 98") != nullptr) {
        return PLATFORM_WINDOWS_98;
    }
    return PLATFORM_WINDOWS_95;
}

bool IsJapaneseCodePage(unsigned codePage) {
    return codePage == JAPANESE_CODE_PAGE;
}

int DetectPlatformCode(VersionRegistry& registry, int current) {
    wchar_t text[VERSION_TEXT_CHARS] = {};
    if (registry.Read(VersionValue::NtCurrentVersion, text, VERSION_TEXT_CHARS) ==
        VersionRead::Read) {
        return PlatformCodeFromNtVersion(text);
    }
    wchar_t product[VERSION_TEXT_CHARS] = {};
    if (registry.Read(VersionValue::NineXProductName, product, VERSION_TEXT_CHARS) ==
        VersionRead::KeyMissing) {
        return current;
    }
    return PlatformCodeFromProductName(product);
}

}  // namespace quarnic
