// Clipboard text read as a number: what is taken, and every reason for a refusal.
#include "shell/paste_parse.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "shell/paste_messages.h"

namespace quarnic {
namespace {

PasteRules CalculatorRules(int notation) {
    PasteRules rules;
    rules.notation = notation;
    return rules;
}

PasteRules ConverterRules(int notation) {
    PasteRules rules;
    rules.notation = notation;
    rules.signAndPoint = false;
    rules.integerDigitLimit = 64;
    return rules;
}

PasteRefusal RefusalOf(const std::string& text, const PasteRules& rules = CalculatorRules(10)) {
    return ParsePastedNumber(text, rules).refusal;
}

TEST(PasteParse, TakesSignDigitsPointAndSuffixAroundWhiteSpace) {
    const PastedNumber number = ParsePastedNumber(" \t-00ff.8a00 (16)\r\n", CalculatorRules(10));
    ASSERT_TRUE(number.Accepted());
    EXPECT_TRUE(number.negative);
    EXPECT_TRUE(number.hasSuffix);
    EXPECT_EQ(number.notation, 16);
    EXPECT_EQ(number.integerDigits, "ff");
    EXPECT_EQ(number.fractionDigits, "8a");
}

TEST(PasteParse, WithoutSuffixTheSelectedNotationDecides) {
    const PastedNumber number = ParsePastedNumber("V.V", CalculatorRules(32));
    ASSERT_TRUE(number.Accepted());
    EXPECT_FALSE(number.hasSuffix);
    EXPECT_EQ(number.notation, 32);
    EXPECT_EQ(RefusalOf("V.V", CalculatorRules(31)), PasteRefusal::NotADigit);
}

TEST(PasteParse, ZeroAndBarePointForms) {
    EXPECT_TRUE(ParsePastedNumber("0", CalculatorRules(10)).IsZero());
    EXPECT_TRUE(ParsePastedNumber("-0.000", CalculatorRules(10)).IsZero());
    const PastedNumber half = ParsePastedNumber(".5", CalculatorRules(10));
    ASSERT_TRUE(half.Accepted());
    EXPECT_EQ(half.integerDigits, "");
    EXPECT_EQ(half.fractionDigits, "5");
    EXPECT_TRUE(ParsePastedNumber("7.", CalculatorRules(10)).Accepted());
}

TEST(PasteParse, EmptyTextAndTextWithoutDigitsHoldNoNumber) {
    for (const char* text : {"", "   ", "\r\n", "-", ".", "-.", "- (16)"}) {
        EXPECT_EQ(RefusalOf(text), PasteRefusal::NoNumber) << '"' << text << '"';
    }
}

TEST(PasteParse, ACharacterOutsideTheNotationIsNamed) {
    const PastedNumber letter = ParsePastedNumber("12G4", CalculatorRules(16));
    EXPECT_EQ(letter.refusal, PasteRefusal::NotADigit);
    EXPECT_EQ(letter.offending, "G");
    const PastedNumber plus = ParsePastedNumber("+5", CalculatorRules(10));
    EXPECT_EQ(plus.offending, "+");
    const PastedNumber minusInside = ParsePastedNumber("5-3", CalculatorRules(10));
    EXPECT_EQ(minusInside.offending, "-");
    // The whole UTF-8 character, not one of its bytes.
    const PastedNumber yen = ParsePastedNumber("12\xC2\xA5", CalculatorRules(10));
    EXPECT_EQ(yen.offending, "\xC2\xA5");
    const PastedNumber kanji = ParsePastedNumber("\xE4\xB8\x80", CalculatorRules(10));
    EXPECT_EQ(kanji.offending, "\xE4\xB8\x80");
}

TEST(PasteParse, TheSuffixDecidesWhichCharactersAreDigits) {
    EXPECT_EQ(RefusalOf("102 (2)"), PasteRefusal::NotADigit);
    EXPECT_TRUE(ParsePastedNumber("VV (32)", CalculatorRules(10)).Accepted());
}

TEST(PasteParse, DigitLimitsLeaveOutLeadingAndTrailingZeros) {
    const std::string integer300(300, '9');
    const std::string fraction900(900, '1');
    EXPECT_TRUE(ParsePastedNumber(integer300 + "." + fraction900, CalculatorRules(10)).Accepted());
    EXPECT_TRUE(
        ParsePastedNumber("000" + integer300 + "." + fraction900 + "000", CalculatorRules(10))
            .Accepted());
    EXPECT_EQ(RefusalOf("1" + integer300), PasteRefusal::TooManyDigits);
    EXPECT_EQ(RefusalOf("0." + fraction900 + "1"), PasteRefusal::TooManyDigits);
}

TEST(PasteParse, ASecondPointIsRefused) {
    EXPECT_EQ(RefusalOf("1.2.3"), PasteRefusal::SecondPoint);
    EXPECT_EQ(RefusalOf("1.000.000"), PasteRefusal::SecondPoint);
}

TEST(PasteParse, SpacesAndSeparatorsInsideAreRefused) {
    for (const char* text : {"1 000", "1,000", "1_000", "1'000", "12\t3",
                             "1\xC2\xA0"
                             "000",
                             "1\xE3\x80\x80"
                             "2",
                             "FF  (16)"}) {
        EXPECT_EQ(RefusalOf(text, CalculatorRules(16)), PasteRefusal::SpaceInside) << text;
    }
}

TEST(PasteParse, ASuffixMustNameANotationFrom2To32) {
    for (const char* text : {"1 (1)", "1 (33)", "1 (0)", "1 (016)", "1 ()", "1 (x)", "1 (-2)",
                             "1 (3709551615999999999999)"}) {
        EXPECT_EQ(RefusalOf(text), PasteRefusal::BadNotation) << text;
    }
    // Without its blank the parenthesis is just a stray character.
    const PastedNumber glued = ParsePastedNumber("FF(16)", CalculatorRules(16));
    EXPECT_EQ(glued.refusal, PasteRefusal::NotADigit);
    EXPECT_EQ(glued.offending, "(");
}

TEST(PasteParse, TheConverterTakesWholePositiveNumbersOnly) {
    EXPECT_EQ(ParsePastedNumber("-5", ConverterRules(10)).offending, "-");
    EXPECT_EQ(ParsePastedNumber("1.5", ConverterRules(10)).offending, ".");
    const PastedNumber number = ParsePastedNumber("00ff (16)", ConverterRules(10));
    ASSERT_TRUE(number.Accepted());
    EXPECT_EQ(number.integerDigits, "ff");
}

TEST(PasteMessages, NameTheReasonInBothLanguages) {
    const PastedNumber letter = ParsePastedNumber("12G", CalculatorRules(16));
    EXPECT_EQ(PasteRefusalMessage(letter, false),
              "\"G\" is not a digit of notation 16.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(letter, true),
              "「G」は16進数の数字ではありません.\n貼り付けませんでした.");
    PastedNumber locked = ParsePastedNumber("1 (8)", CalculatorRules(10));
    locked.refusal = PasteRefusal::NotationLocked;
    EXPECT_EQ(PasteRefusalMessage(locked, false),
              "Notation 8 cannot be selected now.\nNothing was pasted.");
}

TEST(PasteMessages, EveryRefusalHasItsOwnText) {
    const PasteRefusal refusals[] = {PasteRefusal::NoNumber,       PasteRefusal::NotADigit,
                                     PasteRefusal::TooManyDigits,  PasteRefusal::SecondPoint,
                                     PasteRefusal::SpaceInside,    PasteRefusal::BadNotation,
                                     PasteRefusal::NotationLocked, PasteRefusal::Zero};
    for (bool japanese : {false, true}) {
        std::set<std::string> texts;
        for (PasteRefusal refusal : refusals) {
            PastedNumber number;
            number.refusal = refusal;
            texts.insert(PasteRefusalMessage(number, japanese));
        }
        EXPECT_EQ(texts.size(), std::size(refusals)) << (japanese ? "Japanese" : "English");
    }
}

TEST(PasteMessages, BusyClipboardSaysWhatDidNotHappen) {
    EXPECT_EQ(ClipboardBusyMessage(ClipboardUse::Copy, false),
              "The clipboard is in use by another program.\nNothing was copied.");
    EXPECT_EQ(ClipboardBusyMessage(ClipboardUse::Paste, false),
              "The clipboard is in use by another program.\nNothing was pasted.");
    EXPECT_NE(ClipboardBusyMessage(ClipboardUse::Copy, true),
              ClipboardBusyMessage(ClipboardUse::Paste, true));
}

}  // namespace
}  // namespace quarnic
