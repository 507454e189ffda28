#include "calc/commands.h"
#include "calc_scenario.h"

namespace quarnic {
namespace {

using Dispatch = CalcScenario;

std::string Snapshot(const Calculator& calc, const RecordingCalculatorView& view) {
    const CalculatorState& s = calc.state;
    std::string snap;
    for (int value : std::initializer_list<int>{
             s.SecondOperandActive, s.EntryInProgress, s.PointEntered, s.FirstNotation,
             s.SecondNotation, s.OtherNotation, s.MemoryHeld, s.ErrorShown, s.AnswerShown,
             s.AnswerNotation, s.SqrtKeyNeedsRedraw, s.MemoryNotation}) {
        snap += std::to_string(value) + ",";
    }
    for (std::string_view text :
         {TextOf(s.FirstOperandText), TextOf(s.SecondOperandText), TextOf(s.ConsoleText),
          TextOf(s.PendingOperator), TextOf(s.OtherNotationLabel), TextOf(s.MemoryText),
          TextOf(s.MemoryConsoleText), TextOf(s.LastAnswerText)}) {
        snap += std::string(text) + "|";
    }
    for (int id : view.EnabledIds(IDC_COMMAND_FIRST, IDC_COMMAND_LAST)) {
        snap += std::to_string(id) + " ";
    }
    return snap + std::to_string(view.ConsoleDraws());
}

TEST_F(Dispatch, IdsThatNameNoKeyChangeNothing) {
    Press("NX 5 + 3 Min");
    const std::string before = Snapshot(Calc(), View());
    for (int id :
         {IDM_ABOUT, IDI_CALC_ABOUT, IDM_CONSOLE_COLOR, IDC_CALC_RED_VALUE, IDC_CALC_BLUE_SCROLL,
          IDM_SAVE_ANSWER, IDM_SQRT_SETTING, IDC_COMMAND_FIRST - 1, 0, -1, 1000}) {
        DispatchCommand(Calc(), id);
        EXPECT_EQ(Snapshot(Calc(), View()), before) << "id " << id;
    }
}

// The shell keeps "Always on top"; the calculator's dispatcher takes the item as its own and only
// hands it on, in the middle of a calculation as anywhere else.
TEST_F(Dispatch, AlwaysOnTopIsHandedToTheViewAndChangesNothingElse) {
    EXPECT_TRUE(IsCalculatorMenuCommand(IDM_ALWAYS_ON_TOP));
    Press("NX 5 + 3 Min");
    const std::string before = Snapshot(Calc(), View());
    DispatchCommand(Calc(), IDM_ALWAYS_ON_TOP);
    EXPECT_TRUE(View().AlwaysOnTop());
    EXPECT_EQ(Snapshot(Calc(), View()), before);
    DispatchCommand(Calc(), IDM_ALWAYS_ON_TOP);
    EXPECT_FALSE(View().AlwaysOnTop());
}

TEST_F(Dispatch, SquareRootKeyIsRedrawnOnceByTheNextCommand) {
    Press("SQRT");
    EXPECT_EQ(State().SqrtKeyNeedsRedraw, 1);
    EXPECT_EQ(View().SqrtKeyRedraws(), 0);
    Press("5");
    EXPECT_EQ(View().SqrtKeyRedraws(), 1);
    EXPECT_EQ(State().SqrtKeyNeedsRedraw, 0);
    Press("6 SQRT SQRT");
    EXPECT_EQ(View().SqrtKeyRedraws(), 1) << "the root's own key does not redraw";
    Press("AC");
    EXPECT_EQ(View().SqrtKeyRedraws(), 2);
}

TEST_F(Dispatch, RootsInARowAreCountedUntilAnotherKeyEndsTheRun) {
    Press("4 SQRT SQRT +/- +/-");
    EXPECT_EQ(Calc().sqrt.SqrtRepeatCount, 2) << "the sign key leaves the count";
    for (const char* keys : {"+", "MR", "CE", "1", "AC", "="}) {
        Press("AC 5 Min 4 SQRT");
        ASSERT_EQ(Calc().sqrt.SqrtRepeatCount, 1);
        Press(keys);
        EXPECT_EQ(Calc().sqrt.SqrtRepeatCount, 0) << keys;
    }
}

TEST_F(Dispatch, KeyTokensMapToTheirIds) {
    EXPECT_EQ(KeyIdOfToken("0"), IDC_DIGIT_0);
    EXPECT_EQ(KeyIdOfToken("V"), IDC_DIGIT_V);
    EXPECT_EQ(KeyIdOfToken("+/-"), IDC_SIGN);
    EXPECT_EQ(KeyIdOfToken("X-"), IDC_STEP_DOWN);
    EXPECT_EQ(KeyIdOfToken("MR"), IDC_MEMORY_RECALL);
    for (const char* unknown : {"a", "W", "N3", "SQRT400", "", "10", "min"}) {
        EXPECT_FALSE(IsKnownKeyToken(unknown)) << unknown;
    }
    EXPECT_TRUE(IsKnownKeyToken("SQRT300"));
}

TEST_F(Dispatch, UnknownTokenStopsTheScriptAndIsNamed) {
    ScriptedCalculator s;
    std::optional<std::string_view> unknown = ApplyKeyScript(s, " 1\t2 BAD 3");
    ASSERT_TRUE(unknown.has_value());
    EXPECT_EQ(*unknown, "BAD");
    EXPECT_EQ(TextOf(s.calc.state.FirstOperandText), "12");
}

}  // namespace
}  // namespace quarnic
