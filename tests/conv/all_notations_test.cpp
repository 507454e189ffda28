// The "All notations" window's list: the typed number in every notation against the exact
// model, the grouping, the From and To marks, and choosing and copying a line.
#include "conv/all_notations.h"

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "conv/converter_commands.h"
#include "conv/integer_conversion.h"
#include "tests/conv/converter_fixture.h"
#include "tests/support/exact_number.h"
#include "tests/support/random_operands.h"

namespace quarnic {
namespace {

// A line split into its columns: notation, digits without the group spaces, groups, marks, and
// where the digit column ends.
struct ReadLine {
    std::string notation;
    std::string digits;
    std::vector<std::string> groups;
    std::string marks;
    std::size_t digitsEnd = 0;
};

// The marks are the line's end: "  From", "  To", both, or none.
std::string MarksOf(const std::string& line) {
    for (const char* marks :
         {"  From  To", "  From", "  To", "  変換元  変換先", "  変換元", "  変換先"}) {
        const std::string end = marks;
        if (line.size() >= end.size() &&
            line.compare(line.size() - end.size(), end.size(), end) == 0) {
            return end;
        }
    }
    return "";
}

ReadLine Read(const std::string& line) {
    ReadLine read;
    read.notation = line.substr(0, 2);
    read.marks = MarksOf(line);
    read.digitsEnd = line.size() - read.marks.size();
    std::string group;
    for (char c : line.substr(4, read.digitsEnd - 4) + " ") {
        if (c != ' ') {
            group += c;
            read.digits += c;
        } else if (!group.empty()) {
            read.groups.push_back(group);
            group.clear();
        }
    }
    return read;
}

std::string NotationColumn(int notation) {
    return notation < 10 ? " " + std::to_string(notation) : std::to_string(notation);
}

class AllNotationsTest : public ConverterTest {
  protected:
    void Open() { DispatchConverterCommand(converter, IDM_CONV_ALL_NOTATIONS); }
    ReadLine LineOf(int notation) const {
        return Read(view.AllNotationsLines().at(static_cast<std::size_t>(notation - 2)));
    }
    // Enter and Ctrl+C on a line of the window.
    void Choose(int notation) {
        DispatchConverterCommand(converter, IDC_CONV_ALL_NOTATIONS_LIST, notation);
    }
    void CopyLine(int notation) {
        DispatchConverterCommand(converter, IDC_CONV_ALL_NOTATIONS_COPY, notation);
    }

    // Every line shows the value exactly, right-aligned in groups of four from the right.
    void ExpectLinesShow(const exact::Natural& value, const std::string& what) {
        ASSERT_EQ(view.AllNotationsLines().size(), 31u);
        for (int notation = 2; notation <= 32; ++notation) {
            const ReadLine line = LineOf(notation);
            const std::string exactDigits = value.ToDigits(notation);
            ASSERT_EQ(line.notation, NotationColumn(notation)) << what;
            ASSERT_EQ(line.digits, exactDigits) << what << " in notation " << notation;
            for (std::size_t g = 1; g < line.groups.size(); ++g) {
                ASSERT_EQ(line.groups[g].size(), 4u) << what << " in notation " << notation;
            }
            ASSERT_EQ(line.groups[0].size(), (exactDigits.size() + 3) % 4 + 1) << what;
            ASSERT_EQ(TypedNumberIn(converter, notation).data(), exactDigits) << what;
            ASSERT_EQ(line.digitsEnd, LineOf(2).digitsEnd)
                << what << ": the digit column of notation " << notation << " ends elsewhere";
        }
    }
};

TEST(GroupDigits, GroupsOfFourCountedFromTheRight) {
    EXPECT_EQ(std::string(GroupDigits("").data()), "");
    EXPECT_EQ(std::string(GroupDigits("7").data()), "7");
    EXPECT_EQ(std::string(GroupDigits("FFFF").data()), "FFFF");
    EXPECT_EQ(std::string(GroupDigits("7FFFF").data()), "7 FFFF");
    EXPECT_EQ(std::string(GroupDigits("11111111").data()), "1111 1111");
    const std::string longest(64, '1');
    const std::string grouped = GroupDigits(longest).data();
    EXPECT_EQ(grouped.size(), static_cast<std::size_t>(GROUPED_DIGITS_WIDTH));
    EXPECT_EQ(grouped.substr(0, 10), "1111 1111 ");
}

TEST_F(AllNotationsTest, NumbersJustBelowTwoToThe64MatchTheExactModelInEveryNotation) {
    const std::uint32_t seed = exact::TestSeed(18);
    std::mt19937_64 random(seed);
    Open();
    // Only 2, 4 and 16 reach 2^64 - 1 within their digit limits; the others reach their own
    // top, the largest n^k below 2^64.
    for (int round = 0; round < 60; ++round) {
        const int from = round % 3 == 0 ? 2 : round % 3 == 1 ? 4 : 16;
        const std::uint64_t value = UINT64_MAX - (random() >> (random() % 64));
        const exact::Natural exactValue(value);
        Paste(exactValue.ToDigits(from) + " (" + std::to_string(from) + ")");
        ExpectLinesShow(exactValue, "seed " + std::to_string(seed) + ", " + std::to_string(value) +
                                        " typed in " + std::to_string(from));
    }
    for (int from = 3; from <= 32; ++from) {
        const int limit = MaxDigits(from);
        const exact::Natural top = exact::Natural::Power(from, limit) - exact::Natural(1);
        Paste(top.ToDigits(from) + " (" + std::to_string(from) + ")");
        ExpectLinesShow(top, "the top of notation " + std::to_string(from));
    }
}

TEST_F(AllNotationsTest, NoLineIsLongerThanTheWidestTheWindowMakesRoomFor) {
    Press({IDC_CONV_FROM_2, IDC_CONV_TO_2});
    Open();
    Type(std::string(64, '1'));
    const std::string line = view.AllNotationsLines()[0];
    EXPECT_EQ(Read(line).marks, "  From  To");
    EXPECT_EQ(line.size(), std::string(WidestAllNotationsLine(false).data()).size());
    converter.JapaneseUi = true;
    RefreshAllNotations(converter);
    EXPECT_EQ(view.AllNotationsLines()[0].size(),
              std::string(WidestAllNotationsLine(true).data()).size())
        << "the widest line is 64 binary digits with both marks";
}

TEST_F(AllNotationsTest, WithNothingTypedTheLinesHoldNoDigitsOnlyTheMarks) {
    Open();
    EXPECT_TRUE(view.AllNotationsShown());
    for (int notation = 2; notation <= 32; ++notation) {
        const ReadLine line = LineOf(notation);
        EXPECT_EQ(line.notation, NotationColumn(notation));
        EXPECT_EQ(line.digits, "") << notation;
        EXPECT_EQ(line.marks, notation == 10 ? "  From  To" : "") << notation;
        EXPECT_EQ(view.AllNotationsLines()[notation - 2].size(), 4u + line.marks.size())
            << "an empty digit column";
        EXPECT_STREQ(TypedNumberIn(converter, notation).data(), "");
    }
    Type("255");
    Press({IDC_CONV_ALL_CLEAR});
    EXPECT_EQ(LineOf(2).digits, "") << "All Clear empties every line";
}

TEST_F(AllNotationsTest, EveryKeyThatChangesTheNumberUpdatesEveryLine) {
    Open();
    Type("255");
    EXPECT_EQ(LineOf(2).groups, (std::vector<std::string>{"1111", "1111"}));
    EXPECT_EQ(LineOf(32).digits, "7V");
    Press({IDC_CONV_CLEAR_ERROR});
    EXPECT_EQ(LineOf(16).digits, "19");
    Paste("ff (16)");
    EXPECT_EQ(LineOf(10).digits, "255");
    EXPECT_EQ(LineOf(16).marks, "  From");
    Press({IDC_CONV_ALL_CLEAR, IDC_CONV_FROM_X});
    EXPECT_EQ(LineOf(32).marks, "  From") << "a From key with nothing typed moves the mark";
    Press({IDC_CONV_FROM_STEP_UP});
    EXPECT_EQ(LineOf(3).marks, "  From");
    EXPECT_EQ(LineOf(32).marks, "");
}

TEST_F(AllNotationsTest, TheTwentiethDigitWarnsAndChangesNoLine) {
    Open();
    Type(std::string(19, '9'));
    const std::vector<std::string> before = view.AllNotationsLines();
    const int setsBefore = view.AllNotationsLineSets();
    Type("9");
    EXPECT_EQ(view.Warnings(), 1);
    EXPECT_EQ(view.AllNotationsLines(), before);
    EXPECT_EQ(view.AllNotationsLineSets(), setsBefore) << "unchanged lines are not sent again";
}

TEST_F(AllNotationsTest, AToKeyMovesTheToMarkAndSendsOnlyTheTwoLines) {
    Type("255");
    Open();
    const int setsBefore = view.AllNotationsLineSets();
    Press({IDC_CONV_TO_16});
    EXPECT_EQ(view.AllNotationsLineSets(), setsBefore + 2);
    EXPECT_EQ(LineOf(16).marks, "  To");
    EXPECT_EQ(LineOf(10).marks, "  From");
    Press({IDC_CONV_TO_X, IDC_CONV_TO_STEP_DOWN});
    EXPECT_EQ(LineOf(31).marks, "  To");
    EXPECT_EQ(LineOf(16).marks, "");
}

TEST_F(AllNotationsTest, TheMarksSpeakJapaneseWithTheJapaneseTexts) {
    converter.JapaneseUi = true;
    Press({IDC_CONV_FROM_16, IDC_CONV_TO_2});
    Open();
    EXPECT_EQ(LineOf(16).marks, "  変換元");
    EXPECT_EQ(LineOf(2).marks, "  変換先");
}

TEST_F(AllNotationsTest, ChoosingALineMakesItsNotationTheToNotationAsItsButtonWould) {
    Type("255");
    Open();
    Choose(16);
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_16));
    EXPECT_EQ(converter.state.ToNotation, 16);
    EXPECT_EQ(view.AnswerConsole(), "FF");
    EXPECT_EQ(LineOf(16).marks, "  To");
    Choose(7);
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_X)) << "7 lives behind X, stepped to it";
    EXPECT_EQ(converter.state.ToOtherNotation, 7);
    EXPECT_EQ(view.ToBox(), "7");
    EXPECT_TRUE(view.IsControlEnabled(IDC_CONV_TO_STEP_UP));
    EXPECT_EQ(view.AnswerConsole(), "513");
    Press({IDC_CONV_TO_STEP_UP});
    EXPECT_EQ(converter.state.ToOtherNotation, 9) << "X steps on from the chosen value";
}

TEST_F(AllNotationsTest, ChoosingALineWithNothingTypedOnlyMovesTheCheck) {
    Open();
    Choose(8);
    EXPECT_TRUE(view.IsChecked(IDC_CONV_TO_8));
    EXPECT_EQ(converter.state.ToNotation, 10);
    EXPECT_EQ(view.AnswerConsole(), "");
}

TEST_F(AllNotationsTest, CopyGivesPlainDigitsAndTheNotationWhichPasteReadsBack) {
    Type("255");
    Open();
    CopyLine(16);
    EXPECT_EQ(view.Clipboard(), "FF (16)");
    CopyLine(2);
    EXPECT_EQ(view.Clipboard(), "11111111 (2)") << "no group spaces";
    Press({IDC_CONV_ALL_CLEAR});
    DispatchConverterCommand(converter, IDM_CONV_PASTE);
    EXPECT_EQ(Input(), "11111111");
    EXPECT_EQ(Answer(), "255");
}

TEST_F(AllNotationsTest, CopyWithNothingTypedLeavesTheClipboardAlone) {
    Open();
    CopyLine(16);
    EXPECT_FALSE(view.HasClipboard());
}

TEST_F(AllNotationsTest, OpeningAgainBringsItToTheFrontAndReopeningFillsItAgain) {
    Type("255");
    Open();
    EXPECT_EQ(view.AllNotationsLineSets(), 31);
    Open();
    EXPECT_EQ(view.AllNotationsFronts(), 2);
    EXPECT_EQ(view.AllNotationsLineSets(), 31) << "open already: nothing to send";
    view.CloseAllNotationsWindow();
    CloseAllNotations(converter);
    Type("0");
    EXPECT_EQ(view.AllNotationsLineSets(), 31) << "a closed window is not written to";
    Open();
    EXPECT_EQ(view.AllNotationsLineSets(), 62);
    EXPECT_EQ(LineOf(10).digits, "2550");
}

}  // namespace
}  // namespace quarnic
