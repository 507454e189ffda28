#include "common/platform_rules.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace quarnic {
namespace {

TEST(PlatformRules, NtVersionTexts) {
    EXPECT_EQ(PlatformCodeFromNtVersion(L"4.0"), PLATFORM_NT4);
    EXPECT_EQ(PlatformCodeFromNtVersion(L"5.0"), PLATFORM_NT5);
    EXPECT_EQ(PlatformCodeFromNtVersion(L"5.1"), PLATFORM_LATER_NT);
    EXPECT_EQ(PlatformCodeFromNtVersion(L"6.1"), PLATFORM_LATER_NT);
    EXPECT_EQ(PlatformCodeFromNtVersion(L""), PLATFORM_LATER_NT);
    // A plain substring test: "4.0" wins wherever it stands.
    EXPECT_EQ(PlatformCodeFromNtVersion(L"5.0 4.0"), PLATFORM_NT4);
    EXPECT_EQ(PlatformCodeFromNtVersion(L"15.05"), PLATFORM_NT5);
}

TEST(PlatformRules, NineXProductNames) {
    EXPECT_EQ(PlatformCodeFromProductName(L"Microsoft Windows ME"), PLATFORM_WINDOWS_ME);
    EXPECT_EQ(PlatformCodeFromProductName(L"Microsoft Windows 98"), PLATFORM_WINDOWS_98);
    EXPECT_EQ(PlatformCodeFromProductName(L"Microsoft Windows 95"), PLATFORM_WINDOWS_95);
    EXPECT_EQ(PlatformCodeFromProductName(L""), PLATFORM_WINDOWS_95);
    EXPECT_EQ(PlatformCodeFromProductName(L"windows me"), PLATFORM_WINDOWS_95);  // case matters
}

TEST(PlatformRules, OnlyCodePage932IsJapanese) {
    EXPECT_TRUE(IsJapaneseCodePage(932));
    EXPECT_FALSE(IsJapaneseCodePage(1252));
    EXPECT_FALSE(IsJapaneseCodePage(936));
    EXPECT_FALSE(IsJapaneseCodePage(65001));
}

}  // namespace
}  // namespace quarnic

namespace quarnic {
namespace {

// A registry as an ordinary user sees it: each value is either readable, its key opens but the
// value is absent, or the key does not open.
class FakeRegistry final : public VersionRegistry {
  public:
    VersionRead nt = VersionRead::KeyMissing;
    const wchar_t* ntText = L"";
    VersionRead nineX = VersionRead::KeyMissing;
    const wchar_t* productName = L"";
    int reads = 0;

    VersionRead Read(VersionValue value, wchar_t* text, int capacity) override {
        ++reads;
        bool isNt = value == VersionValue::NtCurrentVersion;
        VersionRead result = isNt ? nt : nineX;
        if (result == VersionRead::Read) {
            std::wcsncpy(text, isNt ? ntText : productName, static_cast<std::size_t>(capacity - 1));
        }
        return result;
    }
};

TEST(DetectPlatformCode, AReadableNtVersionDecidesAlone) {
    FakeRegistry registry;
    registry.nt = VersionRead::Read;
    registry.ntText = L"6.3";
    registry.nineX = VersionRead::Read;
    registry.productName = L"Microsoft Windows 98";
    EXPECT_EQ(DetectPlatformCode(registry, 0), PLATFORM_LATER_NT);
    EXPECT_EQ(registry.reads, 1);
}

TEST(DetectPlatformCode, WithoutTheNtValueTheNineXNameDecides) {
    FakeRegistry registry;
    registry.nt = VersionRead::ValueMissing;
    registry.nineX = VersionRead::Read;
    registry.productName = L"Microsoft Windows ME";
    EXPECT_EQ(DetectPlatformCode(registry, 0), PLATFORM_WINDOWS_ME);
    // The 9x key opens but has no product name: Windows 95.
    registry.nineX = VersionRead::ValueMissing;
    EXPECT_EQ(DetectPlatformCode(registry, 0), PLATFORM_WINDOWS_95);
}

TEST(DetectPlatformCode, NoKeyAtAllKeepsTheCodeAsItWas) {
    FakeRegistry registry;
    EXPECT_EQ(DetectPlatformCode(registry, 0), PLATFORM_WINDOWS_95);
    EXPECT_EQ(DetectPlatformCode(registry, PLATFORM_NT5), PLATFORM_NT5);
}

}  // namespace
}  // namespace quarnic
