#include "shell/platform_rules.h"

#include <gtest/gtest.h>

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
