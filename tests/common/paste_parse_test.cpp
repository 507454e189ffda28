// Clipboard text read as a number: what is taken, and every reason for a refusal.
#include "common/paste_parse.h"

#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "common/paste_messages.h"

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
    EXPECT_EQ(number.IntegerDigits(), "FF");
    EXPECT_EQ(number.FractionDigits(), "8A");
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
    EXPECT_EQ(half.IntegerDigits(), "");
    EXPECT_EQ(half.FractionDigits(), "5");
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
    // An overlong form of "." (C0 AE) is no point, nor is a full-width form cut short.
    const std::string overlongPoint = std::string("1\xC0\xAE") + "5";
    EXPECT_EQ(ParsePastedNumber(overlongPoint, CalculatorRules(10)).offending, "\xC0\xAE");
    EXPECT_EQ(ParsePastedNumber("1\xEF\xBC", CalculatorRules(10)).offending, "\xEF\xBC");
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

struct AcceptedForm {
    const char* text;
    int selected;
    int notation;
    bool negative;
    const char* integer;
    const char* fraction;
};

// What people copy from code, documents, web pages and Japanese input.
constexpr AcceptedForm ACCEPTED_FORMS[] = {
    {"0xFF_FF", 10, 16, false, "FFFF", ""},
    {"-0b1010", 10, 2, true, "1010", ""},
    {"0O777 (8)", 10, 8, false, "777", ""},
    {"0B1", 16, 2, false, "1", ""},  // a programmer's binary 1, not the hex digits 0, B, 1
    {"0B", 16, 16, false, "B", ""},  // a prefix needs digits after it
    {"1_000_000", 10, 10, false, "1000000", ""},
    {"1'048'576", 10, 10, false, "1048576", ""},
    {"-1 048 576", 10, 10, true, "1048576", ""},
    {"1\u00A0000\u2009000\u202F000", 10, 10, false, "1000000000", ""},
    {"0.33333 33333\r\n  33333", 10, 10, false, "", "333333333333333"},
    {"1.5\n5 \t\r 5", 10, 10, false, "1", "555"},
    {"FF\u2081\u2086", 10, 16, false, "FF", ""},
    {"0xff\u2081\u2086", 10, 16, false, "FF", ""},
    {"\u22125", 10, 10, true, "5", ""},
    {"\uFF0D\uFF11\uFF12\uFF13\uFF0E\uFF15", 10, 10, true, "123", "5"},
    {"\uFF10\uFF58\uFF46\uFF26", 10, 16, false, "FF", ""},
};

TEST(PasteParse, ReadsTheFormsPeopleCopy) {
    for (const AcceptedForm& form : ACCEPTED_FORMS) {
        const PastedNumber number = ParsePastedNumber(form.text, CalculatorRules(form.selected));
        ASSERT_TRUE(number.Accepted()) << form.text;
        EXPECT_EQ(number.notation, form.notation) << form.text;
        EXPECT_EQ(number.negative, form.negative) << form.text;
        EXPECT_EQ(number.IntegerDigits(), form.integer) << form.text;
        EXPECT_EQ(number.FractionDigits(), form.fraction) << form.text;
    }
}

struct RefusedForm {
    const char* text;
    PasteRefusal refusal;
    SeparatorPlace place;  // MisplacedSeparator only
};

constexpr SeparatorPlace ANY = SeparatorPlace::InARow;

constexpr RefusedForm REFUSED_FORMS[] = {
    {"1,5", PasteRefusal::Comma, ANY},
    {"1\uFF0C000", PasteRefusal::Comma, ANY},
    {"1__000", PasteRefusal::MisplacedSeparator, SeparatorPlace::InARow},
    {"1 _000", PasteRefusal::MisplacedSeparator, SeparatorPlace::InARow},
    {"1  000", PasteRefusal::MisplacedSeparator, SeparatorPlace::InARow},
    {"1\n\n000", PasteRefusal::MisplacedSeparator, SeparatorPlace::InARow},
    {"1_.5", PasteRefusal::MisplacedSeparator, SeparatorPlace::NextToPoint},
    {"1. 5", PasteRefusal::MisplacedSeparator, SeparatorPlace::NextToPoint},
    {"- 5", PasteRefusal::MisplacedSeparator, SeparatorPlace::NextToSign},
    {"0x_FF", PasteRefusal::MisplacedSeparator, SeparatorPlace::AfterPrefix},
    {"'5", PasteRefusal::MisplacedSeparator, SeparatorPlace::AtStart},
    {"5_", PasteRefusal::MisplacedSeparator, SeparatorPlace::AtEnd},
    {"FF  (16)", PasteRefusal::MisplacedSeparator, SeparatorPlace::AtEnd},
    {"1\t000", PasteRefusal::BlankInside, ANY},
    {"1\u3000000", PasteRefusal::BlankInside, ANY},
    {"0xFF (10)", PasteRefusal::PrefixAgainstSuffix, ANY},
    {"1\u2081", PasteRefusal::BadNotation, ANY},
    {"1\u2081\u2086\u2086", PasteRefusal::BadNotation, ANY},
    {"0B12", PasteRefusal::NotADigit, ANY},
    {"1\u2082 (2)", PasteRefusal::NotADigit, ANY},
    {"\u2212", PasteRefusal::NoNumber, ANY},
    {"1.5_5.5", PasteRefusal::SecondPoint, ANY},
};

TEST(PasteParse, RefusesWithTheReasonAndThePlace) {
    for (const RefusedForm& form : REFUSED_FORMS) {
        const PastedNumber number = ParsePastedNumber(form.text, CalculatorRules(10));
        EXPECT_EQ(number.refusal, form.refusal) << form.text;
        if (form.refusal == PasteRefusal::MisplacedSeparator) {
            EXPECT_EQ(number.separatorPlace, form.place) << form.text;
        }
    }
    // Grouping does not get round the limits.
    std::string grouped = "1";
    for (int i = 0; i < 100; ++i) {
        grouped += "_000";
    }
    EXPECT_EQ(RefusalOf(grouped), PasteRefusal::TooManyDigits);
    EXPECT_TRUE(ParsePastedNumber(grouped.substr(2), CalculatorRules(10)).Accepted());
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
    EXPECT_EQ(ParsePastedNumber("−5", ConverterRules(10)).offending, "−");
    const PastedNumber number = ParsePastedNumber("00ff (16)", ConverterRules(10));
    ASSERT_TRUE(number.Accepted());
    EXPECT_EQ(number.IntegerDigits(), "FF");
    const PastedNumber prefixed = ParsePastedNumber("0x12 34", ConverterRules(10));
    ASSERT_TRUE(prefixed.Accepted());
    EXPECT_EQ(prefixed.notation, 16);
    EXPECT_EQ(prefixed.IntegerDigits(), "1234");
}

TEST(PasteMessages, NameTheReasonInBothLanguages) {
    const PastedNumber letter = ParsePastedNumber("12G", CalculatorRules(16));
    EXPECT_EQ(PasteRefusalMessage(letter, false),
              "\"G\" is not a digit of notation 16.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(letter, true),
              "「G」は16進法で使える数字ではありません.\n貼り付けませんでした.");
    const PastedNumber comma = ParsePastedNumber("1,5", CalculatorRules(10));
    EXPECT_EQ(PasteRefusalMessage(comma, false),
              "\",\" is not read in a number.\nWrite \".\" for a point, or leave the separator "
              "out.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(comma, true),
              "数の中の「,」は読み取れません.\n小数点は「.」で書き、桁区切りの「,」は取り除いて"
              "ください.\n貼り付けませんでした.");
    // The converter reads no point, so its comma is only a separator to leave out.
    const PastedNumber integerComma = ParsePastedNumber("1,5", ConverterRules(10));
    EXPECT_EQ(ParsePastedNumber("1\uFF0C000", ConverterRules(10)).refusal,
              PasteRefusal::CommaInInteger);
    EXPECT_EQ(PasteRefusalMessage(integerComma, false),
              "\",\" is not read in a number.\nRemove the comma.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(integerComma, true),
              "数の中の「,」は読み取れません.\n「,」を取り除いてください.\n貼り付けませんでした.");
    const PastedNumber tooLong = ParsePastedNumber(std::string(301, '1'), CalculatorRules(10));
    EXPECT_EQ(PasteRefusalMessage(tooLong, true),
              "桁数が多すぎます. 整数部は300桁、小数部は900桁までです.\n貼り付けませんでした.");
    const PastedNumber disagreeing = ParsePastedNumber("0b11\u2081\u2086", CalculatorRules(10));
    EXPECT_EQ(PasteRefusalMessage(disagreeing, false),
              "The prefix \"0b\" and the notation \"\u2081\u2086\" name different "
              "notations.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(disagreeing, true),
              "接頭辞「0b」と進法「\u2081\u2086」が食い違っています.\n貼り付けませんでした.");
    EXPECT_EQ(PasteRefusalMessage(ParsePastedNumber("0X_1", CalculatorRules(10)), false),
              "The number has a separator right after \"0X\".\nNothing was pasted.");
    PastedNumber locked = ParsePastedNumber("1 (8)", CalculatorRules(10));
    locked.refusal = PasteRefusal::NotationLocked;
    EXPECT_EQ(PasteRefusalMessage(locked, false),
              "Notation 8 cannot be selected now.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(locked, true),
              "現在は8進法を選択できません.\n貼り付けませんでした.");
}

// A notation out of range is named by how it was written; in Japanese the notation itself is a
// 進法 (a number written in one stays a 進数, as in "16進数の1"; a digit is one that a 進法 uses).
TEST(PasteMessages, ABadNotationIsNamedAsItWasWritten) {
    const PastedNumber subscript = ParsePastedNumber("FF\u2083\u2083", CalculatorRules(16));
    const PastedNumber parenthesised = ParsePastedNumber("FF (33)", CalculatorRules(16));
    EXPECT_EQ(PasteRefusalMessage(subscript, false),
              "The notation in subscript must be from 2 to 32.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(subscript, true),
              "下付き数字で示す進法は2から32までです.\n貼り付けませんでした.");
    EXPECT_EQ(PasteRefusalMessage(parenthesised, false),
              "The notation in parentheses must be from 2 to 32.\nNothing was pasted.");
    EXPECT_EQ(PasteRefusalMessage(parenthesised, true),
              "括弧内の進法は2から32までです.\n貼り付けませんでした.");
}

TEST(PasteMessages, EveryRefusalAndSeparatorPlaceHasItsOwnText) {
    const PasteRefusal refusals[] = {
        PasteRefusal::NoNumber,       PasteRefusal::NotADigit,   PasteRefusal::TooManyDigits,
        PasteRefusal::SecondPoint,    PasteRefusal::Comma,       PasteRefusal::CommaInInteger,
        PasteRefusal::BlankInside,    PasteRefusal::BadNotation, PasteRefusal::PrefixAgainstSuffix,
        PasteRefusal::NotationLocked, PasteRefusal::Zero};
    const SeparatorPlace places[] = {SeparatorPlace::InARow,     SeparatorPlace::NextToPoint,
                                     SeparatorPlace::NextToSign, SeparatorPlace::AfterPrefix,
                                     SeparatorPlace::AtStart,    SeparatorPlace::AtEnd};
    for (bool japanese : {false, true}) {
        std::set<std::string> texts;
        PastedNumber number;
        for (PasteRefusal refusal : refusals) {
            number.refusal = refusal;
            texts.insert(PasteRefusalMessage(number, japanese));
        }
        number.refusal = PasteRefusal::MisplacedSeparator;
        for (SeparatorPlace place : places) {
            number.separatorPlace = place;
            texts.insert(PasteRefusalMessage(number, japanese));
        }
        number.refusal = PasteRefusal::BadNotation;
        number.suffix = "\u2083\u2083";
        texts.insert(PasteRefusalMessage(number, japanese));
        EXPECT_EQ(texts.size(), std::size(refusals) + std::size(places) + 1)
            << (japanese ? "Japanese" : "English");
    }
}

TEST(PasteMessages, BusyClipboardSaysWhatDidNotHappen) {
    EXPECT_EQ(ClipboardBusyMessage(ClipboardUse::Copy, false),
              "The clipboard is in use by another program.\nNothing was copied.");
    EXPECT_EQ(ClipboardBusyMessage(ClipboardUse::Paste, false),
              "The clipboard is in use by another program.\nNothing was pasted.");
    // A busy clipboard is a failure (できませんでした), a refused paste a choice (ませんでした).
    EXPECT_EQ(ClipboardBusyMessage(ClipboardUse::Copy, true),
              "クリップボードはほかのプログラムが使用中です.\nコピーできませんでした.");
    EXPECT_EQ(ClipboardBusyMessage(ClipboardUse::Paste, true),
              "クリップボードはほかのプログラムが使用中です.\n貼り付けられませんでした.");
}

}  // namespace
}  // namespace quarnic
