// The saved answer's text, byte for byte.
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
        result = digits;
        RecordAnswer(last, sign, notation);
    }
    std::string Text() {
        SavedText text;
        const int length = BuildSavedText(last, result, sqrt, text);
        EXPECT_EQ(text[length], '\0');
        return std::string(text.data(), length);
    }

    LastCalculation last;
    SqrtState sqrt;
    DigitString result = Digits("0");
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

TEST_F(SavedTextTest, NothingBelowTheThreeHundredthPlaceIsWritten) {
    // 300 significant fraction places and more beyond them: exactly 300 are written.
    const std::string fraction = std::string(299, '0') + "1" + std::string(600, '7');
    Calculation(Digits("1"), 1, 8, "/", Digits("0", fraction), 1, 8);
    // Only digits beyond the 300th place: the number is written as zero, without its sign.
    Answer(Digits("0", std::string(300, '0') + "5"), -1, 8);
    EXPECT_EQ(Text(), "1 (8) /\r\n0." + std::string(299, '0') + "1 (8) =\r\n0 (8)\r\n");
}

TEST_F(SavedTextTest, InnerZerosStayAndOuterZerosGo) {
    Calculation(Digits("00100", "0100"), 1, 2, "+", Digits("0", "00"), 1, 2);
    Answer(Digits("000", "001"), 1, 2);
    EXPECT_EQ(Text(), "100.01 (2) +\r\n0 (2) =\r\n0.001 (2)\r\n");
}

TEST_F(SavedTextTest, RootsKeepTheAnswerTheyStartedFromAndAddTheLatestRoot) {
    Calculation(Digits("12"), 1, 10, "+", Digits("4"), 1, 10);
    Answer(Digits("1"), -1, 10);  // what ResultDigits holds now no longer counts
    sqrt.SqrtRepeatCount = 3;
    sqrt.PreSqrtAnswer = Digits("16");
    sqrt.PreSqrtNotation = 10;
    sqrt.SqrtEstimate = Digits("1", "41");
    sqrt.SqrtNotation = 16;
    EXPECT_EQ(Text(), "12 (10) +\r\n4 (10) =\r\n16 (10)\r\n3 time(s) SQRT : 1.41 (16)\r\n");
}

TEST_F(SavedTextTest, FreshBuffersReadAsZero) {
    // The registers start as zero bytes, not digit characters.
    LastCalculation fresh;
    DigitString zeroBytes{};
    SavedText text;
    const int length = BuildSavedText(fresh, zeroBytes, sqrt, text);
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
    sqrt.SqrtEstimate = full;
    sqrt.SqrtNotation = 32;
    const std::string number = std::string(300, 'V') + "." + std::string(300, 'V') + " (32)";
    const std::string expected = "-" + number + " /\r\n-" + number + " =\r\n" + number +
                                 "\r\n2147483647 time(s) SQRT : " + number + "\r\n";
    EXPECT_EQ(Text(), expected);
    EXPECT_LT(static_cast<int>(expected.size()), SAVED_TEXT_BYTES);
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

TEST_F(SavedAfterKeys, RepeatedEqualsSavesTheAnswerPlusZero) {
    Press("1 / 8 = =");
    EXPECT_EQ(Saved(), "0.125 (10) +\r\n0 (10) =\r\n0.125 (10)\r\n");
}

}  // namespace
}  // namespace quarnic
