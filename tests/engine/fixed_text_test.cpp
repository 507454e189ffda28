// The fixed-buffer text helpers every program text goes through: nothing may pass the last
// byte, and stale bytes of an older, longer text must not survive.
#include "engine/fixed_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/digit_string.h"

namespace quarnic {
namespace {

using Small = std::array<char, 6>;  // five characters and the NUL

TEST(FixedText, SetTextCutsToTheLastByteAndClearsWhatALongerTextLeft) {
    Small text{};
    SetText(text, "abcdefgh");
    EXPECT_EQ(TextOf(text), "abcde");
    EXPECT_EQ(text.back(), '\0');
    SetText(text, "xy");
    EXPECT_EQ(TextOf(text), "xy");
    for (std::size_t i = 2; i < text.size(); ++i) {
        EXPECT_EQ(text[i], '\0') << "byte " << i;
    }
}

TEST(FixedText, AppendCharKeepsRoomForTheNul) {
    Small text{};
    SetText(text, "abcd");
    EXPECT_TRUE(AppendChar(text, 'e'));
    EXPECT_FALSE(AppendChar(text, 'f'));
    EXPECT_EQ(TextOf(text), "abcde");
    EXPECT_EQ(TextLength(text), 5);
}

TEST(FixedText, CutTextKeepsTheFirstCharacters) {
    Small text{};
    SetText(text, "abcde");
    CutText(text, 2);
    EXPECT_EQ(TextOf(text), "ab");
    EXPECT_EQ(text[4], '\0');
    CutText(text, 0);
    EXPECT_TRUE(IsEmptyText(text));
}

TEST(FixedText, WriterContinuesAfterTheTextAndStopsBeforeTheLastByte) {
    Small text{};
    SetText(text, "ab");
    FixedTextWriter out(text);
    out.Put("cd");
    out.Put('e');
    out.Put('f');
    out.PutDecimal(7);
    EXPECT_EQ(TextOf(text), "abcde");
    EXPECT_EQ(out.Length(), 5);
    EXPECT_EQ(text.back(), '\0');
}

TEST(FixedText, WriterPutsEveryIntInDecimal) {
    std::array<char, 40> text{};
    FixedTextWriter out(text);
    out.PutDecimal(INT_MIN);
    out.Put(' ');
    out.PutDecimal(0);
    out.Put(' ');
    out.PutDecimal(-32);
    EXPECT_EQ(TextOf(text), std::to_string(INT_MIN) + " 0 -32");
}

TEST(FixedText, DigitPlacesStopAtTheLastPlace) {
    DigitString digits{};
    digits.fill('0');
    digits[DIGIT_PLACES - 1] = '7';
    digits[DIGIT_PLACES] = '\0';
    EXPECT_EQ(DigitPlaces(digits, DIGIT_PLACES - 2, 5), "07");
    EXPECT_TRUE(DigitPlaces(digits, 10, 0).empty());
    EXPECT_TRUE(DigitPlaces(digits, 10, -3).empty());
    EXPECT_TRUE(DigitPlaces(digits, DIGIT_PLACES, 4).empty());
}

}  // namespace
}  // namespace quarnic
