// The colour values read from the settings file: the profile read keeps five characters, the
// C library's decimal conversion reads them, the result is clamped to 0..255. Whatever a user
// or another program wrote into the file, the component stays a byte value.
#include <gtest/gtest.h>

#include <cwchar>
#include <random>
#include <string>

#include "common/settings_parse.h"

namespace quarnic {
namespace {

constexpr unsigned SEED = 4302026;

// What the C library makes of the first five characters, clamped as the program clamps.
int LibraryReading(const std::wstring& value) {
    std::wstring kept = value.substr(0, COLOR_VALUE_CHARS);
    long read = std::wcstol(kept.c_str(), nullptr, 10);
    return read < 0 ? 0 : (read > 255 ? 255 : static_cast<int>(read));
}

TEST(ColorValueReading, AgreesWithTheCLibraryOnRandomValues) {
    // Characters people and editors put in such files, plus lookalikes that are no digits.
    const std::wstring alphabet = L"0123456789        +-\t\r\n\v\fxX.,eE#;=\u00A0\uFF11\u0661";
    std::mt19937 rng(SEED);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 9);
    for (int i = 0; i < 20000; ++i) {
        std::wstring value;
        for (int n = length(rng); n > 0; --n) {
            value += alphabet[pick(rng)];
        }
        int component = ParseColorComponent(value.c_str());
        ASSERT_EQ(component, LibraryReading(value))
            << "seed " << SEED << ", value #" << i << " \""
            << std::string(value.begin(), value.end()) << "\"";
    }
}

TEST(ColorValueReading, OddValuesStayByteValues) {
    EXPECT_EQ(ParseColorComponent(L""), 0);              // an empty value
    EXPECT_EQ(ParseColorComponent(L"red"), 0);           // garbage
    EXPECT_EQ(ParseColorComponent(L"256"), 255);         // out of range
    EXPECT_EQ(ParseColorComponent(L"-1"), 0);            // negative
    EXPECT_EQ(ParseColorComponent(L"-99999"), 0);        // negative, cut to "-9999"
    EXPECT_EQ(ParseColorComponent(L"100000"), 255);      // six digits, cut to "10000"
    EXPECT_EQ(ParseColorComponent(L"000128"), 12);       // six digits, cut to "00012"
    EXPECT_EQ(ParseColorComponent(L"\uFF11\uFF12"), 0);  // full-width digits are no digits
    EXPECT_EQ(ParseColorComponent(L"12\u00003"), 12);    // the value ends at its NUL
}

}  // namespace
}  // namespace quarnic
