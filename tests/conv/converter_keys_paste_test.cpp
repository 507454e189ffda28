// The converter's keyboard map and its Paste into From.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "conv/converter_availability.h"
#include "conv/converter_commands.h"
#include "conv/keyboard_map.h"
#include "conv/paste.h"
#include "converter_fixture.h"
#include "tests/kit/key_action_available.h"

namespace quarnic {
namespace {

KeyAction Button(int id) {
    return {KeyTarget::Button, id};
}

NamedKeyPress Plain(NamedKey key) {
    return {key, false, false};
}

NamedKeyPress Shifted(NamedKey key) {
    return {key, false, true};
}

TEST(ConverterKeyboardMap, DigitsInEitherCase) {
    EXPECT_EQ(ConverterCharacterKey(U'0'), Button(IDC_CONV_DIGIT_0));
    EXPECT_EQ(ConverterCharacterKey(U'f'), Button(IDC_CONV_DIGIT_F));
    EXPECT_EQ(ConverterCharacterKey(U'V'), Button(IDC_CONV_DIGIT_V));
    EXPECT_EQ(ConverterCharacterKey(U'\uFF11'), Button(IDC_CONV_DIGIT_1));
    EXPECT_EQ(ConverterCharacterKey(U'W'), KeyAction{});
    EXPECT_EQ(ConverterCharacterKey(U'.'), KeyAction{});
    EXPECT_EQ(ConverterCharacterKey(U'+'), KeyAction{});
}

TEST(ConverterKeyboardMap, ClearKeys) {
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::Backspace)), Button(IDC_CONV_CLEAR_ERROR));
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::Escape)), Button(IDC_CONV_ALL_CLEAR));
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::Delete)), KeyAction{});
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::Enter)), KeyAction{});
}

TEST(ConverterKeyboardMap, FunctionKeysForFromAndWithShiftForTo) {
    const std::pair<NamedKey, int> offsets[] = {
        {NamedKey::F8, 0}, {NamedKey::F4, 1}, {NamedKey::F7, 2},       {NamedKey::F6, 3},
        {NamedKey::F5, 4}, {NamedKey::F3, 5}, {NamedKey::PageDown, 6}, {NamedKey::PageUp, 7}};
    for (const auto& [key, offset] : offsets) {
        EXPECT_EQ(ConverterNamedKey(Plain(key)), Button(IDC_CONV_FROM_2 + offset));
        EXPECT_EQ(ConverterNamedKey(Shifted(key)), Button(IDC_CONV_TO_2 + offset));
    }
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::PageUp)), Button(IDC_CONV_FROM_STEP_UP));
    EXPECT_EQ(ConverterNamedKey(Shifted(NamedKey::F5)), Button(IDC_CONV_TO_16));
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::F9)), KeyAction{});
}

TEST(ConverterKeyboardMap, CopyPasteAndAllNotationsWithCtrl) {
    EXPECT_EQ(ConverterNamedKey({NamedKey::LetterC, true, false}),
              (KeyAction{KeyTarget::MenuItem, IDM_CONV_COPY_ANSWER}));
    EXPECT_EQ(ConverterNamedKey({NamedKey::LetterV, true, false}),
              (KeyAction{KeyTarget::MenuItem, IDM_CONV_PASTE}));
    EXPECT_EQ(ConverterNamedKey({NamedKey::LetterL, true, false}),
              (KeyAction{KeyTarget::MenuItem, IDM_CONV_ALL_NOTATIONS}));
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::LetterL)), KeyAction{});
    EXPECT_EQ(ConverterNamedKey({NamedKey::LetterC, true, true}), KeyAction{});
    EXPECT_EQ(ConverterNamedKey({NamedKey::F8, true, false}), KeyAction{});
    EXPECT_EQ(ConverterNamedKey(Plain(NamedKey::LetterV)), KeyAction{});
}

class ConverterKeys : public ConverterTest {
  protected:
    bool Available(const KeyAction& action) const {
        const ConverterAvailability available = AvailabilityOf(converter);
        return KeyActionAvailable(action, [&](int id) { return available.Allows(id); });
    }
};

TEST_F(ConverterKeys, KeysOfDisabledButtonsAndGreyedItemsDoNothing) {
    EXPECT_FALSE(Available(ConverterCharacterKey(U'a')));
    EXPECT_FALSE(Available(ConverterNamedKey(Plain(NamedKey::PageUp))));
    EXPECT_FALSE(Available(ConverterNamedKey({NamedKey::LetterC, true, false})));
    EXPECT_TRUE(Available(ConverterNamedKey({NamedKey::LetterV, true, false})));
    Type("5");
    EXPECT_FALSE(Available(ConverterNamedKey(Plain(NamedKey::F5))));
    EXPECT_TRUE(Available(ConverterNamedKey(Shifted(NamedKey::F5))));
    EXPECT_TRUE(Available(ConverterNamedKey({NamedKey::LetterC, true, false})));
}

using ConverterPaste = ConverterTest;

TEST_F(ConverterPaste, DigitsOfTheFromNotationAreConvertedAtOnce) {
    Press({IDC_CONV_TO_16});
    Paste(" 255\r\n");
    EXPECT_EQ(view.InputConsole(), "255");
    EXPECT_EQ(view.AnswerConsole(), "FF");
    EXPECT_EQ(converter.state.EntryStarted, 1);
    EXPECT_FALSE(view.IsControlEnabled(IDC_CONV_FROM_10));
    Type("0");
    EXPECT_EQ(view.InputConsole(), "2550");
}

TEST_F(ConverterPaste, ASuffixSelectsTheFromNotationAndReplacesTheTypedNumber) {
    Type("123");
    Paste("ff (16)");
    EXPECT_EQ(view.InputConsole(), "FF");
    EXPECT_EQ(view.AnswerConsole(), "255");
    EXPECT_TRUE(view.IsChecked(IDC_CONV_FROM_16));
    EXPECT_FALSE(view.IsChecked(IDC_CONV_FROM_10));
    EXPECT_EQ(converter.state.FromNotation, 16);
    EXPECT_EQ(converter.state.MaxDigits, 16);
    EXPECT_TRUE(view.IsControlEnabled(IDC_CONV_DIGIT_F));
    Paste("JJ (20)");
    EXPECT_TRUE(view.IsChecked(IDC_CONV_FROM_X));
    EXPECT_EQ(converter.state.FromOtherNotation, 20);
    EXPECT_EQ(view.FromBox(), "20");
    EXPECT_EQ(view.AnswerConsole(), "399");
}

TEST_F(ConverterPaste, PrefixesGroupsAndFullWidthDigitsAreRead) {
    Press({IDC_CONV_TO_10});
    Paste("0xFF_FF");
    EXPECT_TRUE(view.IsChecked(IDC_CONV_FROM_16));
    EXPECT_EQ(view.InputConsole(), "FFFF");
    EXPECT_EQ(view.AnswerConsole(), "65535");
    Paste("\uFF11 048\r\n576 (10)");
    EXPECT_EQ(view.InputConsole(), "1048576");
    // 65 binary digits, grouped: the digit-limit warning of notation 2, as when typing them.
    std::string bits = "0b1";
    for (int i = 0; i < 16; ++i) {
        bits += "_0000";
    }
    Paste(bits);
    EXPECT_EQ(view.LastWarning(), "Maximum number of digits is 64 for 2 notation number.");
    EXPECT_EQ(view.InputConsole(), "1048576");
}

TEST_F(ConverterPaste, MoreDigitsThanTheLimitWarnAsTypingDoesAndChangeNothing) {
    Type("12");
    Paste(std::string(20, '9'));
    EXPECT_EQ(view.Warnings(), 1);
    EXPECT_EQ(view.LastWarning(), "Maximum number of digits is 19 for 10 notation number.");
    EXPECT_EQ(view.InputConsole(), "12");
    Paste(std::string(17, '1') + " (16)");
    EXPECT_EQ(view.LastWarning(), "Maximum number of digits is 16 for 16 notation number.");
    EXPECT_TRUE(view.IsChecked(IDC_CONV_FROM_10));
    // Leading zeros are no digits of the number.
    Paste("000" + std::string(19, '9'));
    EXPECT_EQ(view.InputConsole(), std::string(19, '9'));
}

// 2^64 - 1 or 2^64 in a notation, spelled by plain 64-bit division (2^64 by 2^64 - 1 plus one
// in the last place, carried).
__extension__ typedef unsigned __int128 Wide;

std::string Spelled(Wide value, int notation) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEFGHIJKLMNOPQRSTUV"[value % notation]);
        value /= static_cast<unsigned>(notation);
    } while (value != 0);
    return digits;
}

// The "All notations" window lists 2^64 - 1 in every notation, with more digits than typing
// allows in most of them; every line pastes back, and one more is refused with the warning.
TEST_F(ConverterPaste, EveryNumberBelowTwoToThe64PastesWhateverItsDigits) {
    const Wide largest = ~std::uint64_t{0};
    for (int notation = 2; notation <= 32; ++notation) {
        SCOPED_TRACE(notation);
        const std::string suffix = " (" + std::to_string(notation) + ")";
        Press({IDC_CONV_ALL_CLEAR});
        const int warnings = view.Warnings();
        Paste(Spelled(largest, notation) + suffix);
        EXPECT_EQ(view.InputConsole(), Spelled(largest, notation));
        EXPECT_EQ(view.Warnings(), warnings);
        Paste(Spelled(largest + 1, notation) + suffix);
        EXPECT_EQ(view.Warnings(), warnings + 1) << "2^64 is beyond the converter";
        EXPECT_EQ(view.InputConsole(), Spelled(largest, notation));
    }
}

TEST_F(ConverterPaste, OtherTextIsRefusedWithAMessage) {
    Type("42");
    for (const char* text : {"", "-5", "1.5", "12,34", "12__34", "0", "G (16)", "0x1 (8)",
                             "11111111111111111111G", "1 (99)"}) {
        const int before = view.Messages();
        Paste(text);
        EXPECT_EQ(view.Messages(), before + 1) << text;
        EXPECT_EQ(view.InputConsole(), "42") << text;
        EXPECT_TRUE(view.IsChecked(IDC_CONV_FROM_10)) << text;
    }
    EXPECT_EQ(view.LastMessage(),
              "The notation in parentheses must be from 2 to 32.\nNothing was pasted.");
}

TEST_F(ConverterPaste, ABusyClipboardReplacesTheQuietGiveUp) {
    Type("255");
    view.SetClipboardBusy(true);
    Press({IDM_CONV_COPY_ANSWER});
    EXPECT_FALSE(view.HasClipboard());
    EXPECT_EQ(view.LastMessage(),
              "The clipboard is in use by another program.\nNothing was copied.");
    converter.JapaneseUi = true;
    DispatchConverterCommand(converter, IDM_CONV_PASTE);
    EXPECT_EQ(view.LastMessage(),
              "クリップボードはほかのプログラムが使用中です.\n貼り付けられませんでした.");
    EXPECT_EQ(view.InputConsole(), "255");
}

TEST_F(ConverterPaste, PasteItemReadsTheClipboard) {
    view.SetClipboardText("777 (8)");
    DispatchConverterCommand(converter, IDM_CONV_PASTE);
    EXPECT_EQ(view.AnswerConsole(), "511");
}

}  // namespace
}  // namespace quarnic
