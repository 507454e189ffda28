// Which keys and items can be pressed is a function of the state: a table of states reached by
// keys, each with what must be available, and the window showing exactly that.
#include "calc/key_availability.h"

#include <string>
#include <vector>

#include "calc/commands.h"
#include "calc/key_ids.h"
#include "calc/save_text.h"
#include "calc_scenario.h"

namespace quarnic {
namespace {

struct Row {
    const char* keys;
    int digits;            // digit keys available: the checked notation
    bool notationButtons;  // the six notation buttons
    bool steps;            // the step buttons beside "X"
    bool memoryRecall;
    bool saveAnswer;
    bool copy;
    int checked;  // the checked notation button
};

const Row TABLE[] = {
    {"", 10, true, false, false, false, false, IDC_NOTATION_10},
    {"1 2", 10, false, false, false, false, true, IDC_NOTATION_10},
    {"NX", 32, true, true, false, false, false, IDC_NOTATION_X},
    {"NX X- 7", 31, false, false, false, false, true, IDC_NOTATION_X},
    {"N16 F +", 16, true, false, false, false, true, IDC_NOTATION_16},
    {"N16 F + N2", 2, true, false, false, false, true, IDC_NOTATION_2},
    {"N16 F + N2 CE", 16, false, false, false, false, true, IDC_NOTATION_16},
    {"5 Min", 10, false, false, true, false, true, IDC_NOTATION_10},
    {"5 Min AC", 10, true, false, false, false, false, IDC_NOTATION_10},
    {"5 =", 10, true, false, false, true, true, IDC_NOTATION_10},
    {"5 = N2", 2, true, false, false, true, true, IDC_NOTATION_2},
    {"5 = 7", 10, false, false, false, false, true, IDC_NOTATION_10},
    {"1 / 0 =", 10, true, false, false, false, false, IDC_NOTATION_10},
    {"1 / 0 = + 9 SQRT", 10, false, false, false, false, true, IDC_NOTATION_10},
    {"PASTE=vv%20(32)", 32, false, false, false, false, true, IDC_NOTATION_X},
};

class CalculatorAvailability : public CalcScenario {};

// Each row from a fresh calculator, as notations and memory outlive "AC".
TEST(CalculatorAvailabilityTable, FollowsTheStateAndTheWindowShowsIt) {
    for (const Row& row : TABLE) {
        SCOPED_TRACE(row.keys);
        ScriptedCalculator s;
        ASSERT_FALSE(ApplyKeyScript(s, row.keys).has_value());
        auto available = [&](int id) { return CalculatorCommandAvailable(s.calc, id); };
        int digits = 0;
        for (int id = IDC_DIGIT_FIRST; id <= IDC_DIGIT_LAST; ++id) {
            digits += available(id) ? 1 : 0;
        }
        EXPECT_EQ(digits, row.digits);
        EXPECT_EQ(available(IDC_NOTATION_2), row.notationButtons);
        EXPECT_EQ(available(IDC_NOTATION_X), row.notationButtons);
        EXPECT_EQ(available(IDC_STEP_UP), row.steps);
        EXPECT_EQ(available(IDC_STEP_DOWN), row.steps);
        EXPECT_EQ(available(IDC_MEMORY_RECALL), row.memoryRecall);
        EXPECT_EQ(available(IDM_SAVE_ANSWER), row.saveAnswer);
        EXPECT_EQ(available(IDM_COPY), row.copy);
        EXPECT_TRUE(s.view.IsChecked(row.checked));
        for (int id = IDC_COMMAND_FIRST; id <= IDC_COMMAND_LAST; ++id) {
            if (IsCalculatorKeyId(id)) {
                EXPECT_EQ(s.view.IsControlEnabled(id), available(id)) << "key " << id;
            }
        }
        EXPECT_EQ(s.view.IsMenuItemEnabled(IDM_SAVE_ANSWER), row.saveAnswer);
        EXPECT_EQ(s.view.IsMenuItemEnabled(IDM_COPY), row.copy);
    }
}

// A command sent while it is not available (a key of a disabled button, a greyed item) does
// nothing, whoever sends it: the window, the keyboard or a runner.
TEST_F(CalculatorAvailability, TheDispatcherIgnoresWhatCannotBePressed) {
    Press("5 Min AC");
    DispatchCommand(Calc(), IDC_MEMORY_RECALL);
    EXPECT_EQ(Console(), "");
    DispatchCommand(Calc(), IDC_DIGIT_FIRST + 12);  // "C" in notation 10
    EXPECT_EQ(Console(), "");
    DispatchCommand(Calc(), IDM_SAVE_ANSWER);
    EXPECT_EQ(View().SavedText(), "");
    Press("1 + 2 =");
    DispatchCommand(Calc(), IDM_SAVE_ANSWER);
    EXPECT_EQ(View().SavedText(), "1 (10) +\r\n2 (10) =\r\n3 (10)\r\n");
    EXPECT_EQ(View().SavedLongestSize(), static_cast<std::size_t>(SAVED_TEXT_BYTES));
    Press("HISTORY");
    EXPECT_EQ(View().HistoryOpenings(), 1);
}

}  // namespace
}  // namespace quarnic
