// The saved answer's text, byte for byte.
#include "calc/save_text.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "tests/calc/calc_scenario.h"

namespace quarnic {
namespace {

// A digit string from its integer and fraction digits, as the parser would lay them out.
DigitString Digits(const std::string& integerPart, const std::string& fraction = "") {
    DigitString s;
    s.fill('0');
    s[DIGIT_PLACES] = '\0';
    for (size_t i = 0; i < integerPart.size(); ++i) {
        s[INTEGER_PLACES - integerPart.size() + i] = integerPart[i];
    }
    for (size_t i = 0; i < fraction.size(); ++i) {
        s[INTEGER_PLACES + i] = fraction[i];
    }
    return s;
}

class SavedTextTest : public ::testing::Test {
  protected:
    void Calculation(const DigitString& first, int firstSign, int firstNotation, const char* op,
                     const DigitString& second, int secondSign, int secondNotation) {
        RecordFirstOperand(last, first, firstSign, firstNotation);
        RecordSecondOperand(last, second, secondSign, secondNotation, op);
    }
    void Answer(const DigitString& digits, int sign, int notation) {
        RecordAnswer(last, digits, sign, notation);
    }
    std::string Text() {
        SavedText text;
        const int length = BuildSavedText(last, sqrt, text);
        EXPECT_EQ(text[length], '\0');
        return std::string(text.data(), length);
    }

    LastCalculation last;
    SqrtState sqrt;
};

TEST_F(SavedTextTest, ThreeLinesOfASimpleSum) {
    Calculation(Digits("12"), 1, 10, "+", Digits("3"), 1, 10);
    Answer(Digits("15"), 1, 10);
    EXPECT_EQ(Text(), "12 (10) +\r\n3 (10) =\r\n15 (10)\r\n");
    EXPECT_EQ(last.Recorded, 1);
}

TEST_F(SavedTextTest, SignsFractionsAndLetters) {
    Calculation(Digits("0", "5"), -1, 10, "*", Digits("1A", "V08"), -1, 32);
    Answer(Digits("0", "5"), -1, 10);
    EXPECT_EQ(Text(), "-0.5 (10) *\r\n-1A.V08 (32) =\r\n-0.5 (10)\r\n");
}

TEST_F(SavedTextTest, ZeroIsWrittenWithoutSign) {
    Calculation(Digits("7"), -1, 10, "-", Digits("7"), -1, 10);
    Answer(Digits("0"), -1, 10);
    EXPECT_EQ(Text(), "-7 (10) -\r\n-7 (10) =\r\n0 (10)\r\n");
}

TEST_F(SavedTextTest, EveryPlaceDownToTheNinehundredthIsWritten) {
    const std::string fraction = std::string(299, '0') + "1" + std::string(600, '7');
    Calculation(Digits("1"), 1, 8, "/", Digits("0", fraction), 1, 8);
    // A number whose only digit lies on the 900th place is written with its sign.
    Answer(Digits("0", std::string(899, '0') + "5"), -1, 8);
    EXPECT_EQ(Text(),
              "1 (8) /\r\n0." + fraction + " (8) =\r\n-0." + std::string(899, '0') + "5 (8)\r\n");
}

TEST_F(SavedTextTest, InnerZerosStayAndOuterZerosGo) {
    Calculation(Digits("00100", "0100"), 1, 2, "+", Digits("0", "00"), 1, 2);
    Answer(Digits("000", "001"), 1, 2);
    EXPECT_EQ(Text(), "100.01 (2) +\r\n0 (2) =\r\n0.001 (2)\r\n");
}

TEST_F(SavedTextTest, RootsKeepTheAnswerTheyStartedFromAndAddTheLatestRoot) {
    Calculation(Digits("12"), 1, 10, "+", Digits("4"), 1, 10);
    Answer(Digits("1"), -1, 10);  // the roots started from another answer
    sqrt.SqrtRepeatCount = 3;
    sqrt.PreSqrtAnswer = Digits("16");
    sqrt.PreSqrtNotation = 10;
    sqrt.KeptRoot = Digits("1", "41");
    sqrt.SqrtNotation = 16;
    EXPECT_EQ(Text(), "12 (10) +\r\n4 (10) =\r\n16 (10)\r\n3 time(s) SQRT : 1.41 (16)\r\n");
}

TEST_F(SavedTextTest, FreshBuffersReadAsZero) {
    // The records start as zero bytes, not digit characters.
    LastCalculation fresh;
    SavedText text;
    const int length = BuildSavedText(fresh, sqrt, text);
    EXPECT_EQ(std::string(text.data(), length), "0 (10) \r\n0 (10) =\r\n0 (10)\r\n");
}

TEST_F(SavedTextTest, OperatorTextIsCutToTwoCharacters) {
    Calculation(Digits("1"), 1, 10, "+-*", Digits("2"), 1, 10);
    Answer(Digits("3"), 1, 10);
    EXPECT_EQ(Text(), "1 (10) +-\r\n2 (10) =\r\n3 (10)\r\n");
}

TEST_F(SavedTextTest, LongestTextFitsTheBuffer) {
    const DigitString full = Digits(std::string(300, 'V'), std::string(900, 'V'));
    Calculation(full, -1, 32, "/", full, -1, 32);
    Answer(full, -1, 32);
    sqrt.SqrtRepeatCount = 2147483647;
    sqrt.PreSqrtAnswer = full;
    sqrt.PreSqrtNotation = 32;
    sqrt.KeptRoot = full;
    sqrt.SqrtNotation = 32;
    const std::string number = std::string(300, 'V') + "." + std::string(900, 'V') + " (32)";
    const std::string expected = "-" + number + " /\r\n-" + number + " =\r\n" + number +
                                 "\r\n2147483647 time(s) SQRT : " + number + "\r\n";
    EXPECT_EQ(Text(), expected);
    EXPECT_EQ(static_cast<int>(expected.size()), SAVED_TEXT_BYTES - 1)
        << "the longest text fills the buffer the free-space check asks for";
}

// What "=" and a notation switch record, through the keys.
class SavedAfterKeys : public CalcScenario {
  protected:
    std::string Saved() {
        SavedText text;
        return std::string(text.data(), BuildSavedText(Calc(), text));
    }
};

TEST_F(SavedAfterKeys, FirstOperandIsSavedAsTypedBeforeItsConversion) {
    Press("2 + N16 A =");
    EXPECT_EQ(Saved(), "2 (10) +\r\nA (16) =\r\nC (16)\r\n");
}

TEST_F(SavedAfterKeys, ConvertedAnswerIsSavedInItsNewNotation) {
    Press("7 - 9 = N2");
    EXPECT_EQ(Saved(), "7 (10) -\r\n9 (10) =\r\n-10 (2)\r\n");
}

// A root publishes through the engine's result register; once the run of roots is over (an
// operator, a new second operand) the saved answer must still be the answer, in its notation.
TEST_F(SavedAfterKeys, TheAnswerLineStaysTheAnswerAfterARunOfRoots) {
    Press("5 7 = SQRT +");
    EXPECT_EQ(Saved(), "57 (10) +\r\n0 (10) =\r\n57 (10)\r\n");
    Press("AC 5 7 = + 2 SQRT 3");
    EXPECT_EQ(Saved(), "57 (10) +\r\n0 (10) =\r\n57 (10)\r\n");
    Press("AC 5 7 = + NX H SQRT 1");  // the root's digits are notation 32's
    EXPECT_EQ(Saved(), "57 (10) +\r\n0 (10) =\r\n57 (10)\r\n");
}

TEST_F(SavedAfterKeys, ALaterRunOfRootsStartsFromTheAnswerToo) {
    Press("1 6 = SQRT + SQRT");
    EXPECT_EQ(Saved(), "16 (10) +\r\n0 (10) =\r\n16 (10)\r\n1 time(s) SQRT : 2 (10)\r\n");
}

// An overflowing product leaves partial digits in the result register; the line of the answer
// keeps the last answer shown.
TEST_F(SavedAfterKeys, AFailedProductLeavesTheLastAnswer) {
    Press("9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 9 * = * = * =");
    const std::string answer = First();
    ASSERT_EQ(answer.size(), 192u);
    Press("* =");
    ASSERT_TRUE(State().ErrorShown);
    const std::string line = answer + " (10)";
    EXPECT_EQ(Saved(), line + " *\r\n" + line + " =\r\n" + line + "\r\n");
}

TEST_F(SavedAfterKeys, RepeatedEqualsSavesTheAnswerPlusZero) {
    Press("1 / 8 = =");
    EXPECT_EQ(Saved(), "0.125 (10) +\r\n0 (10) =\r\n0.125 (10)\r\n");
}

}  // namespace
}  // namespace quarnic
