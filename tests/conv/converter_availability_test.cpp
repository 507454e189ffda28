// The converter's availability as a table: states, and the keys, items and checks they allow.
#include "conv/converter_availability.h"

#include <gtest/gtest.h>

namespace quarnic {
namespace {

struct Row {
    const char* what;
    ConverterState state;
    bool allNotationsOpen;
    // Expected:
    int digitKeys;  // digit keys 0 .. digitKeys - 1 enabled, the rest disabled
    bool fromPane;
    bool fromSteps;
    bool toSteps;
    bool copy;
    int fromChecked;
    int toChecked;
};

ConverterState State(int fromSelection, int toSelection, bool entry, bool error = false) {
    ConverterState state;
    state.FromSelection = fromSelection;
    state.ToSelection = toSelection;
    state.FromNotation = fromSelection;
    state.EntryStarted = entry;
    state.ErrorShown = error;
    return state;
}

const Row ROWS[] = {
    {"start", State(10, 10, false), false, 10, true, false, false, false, IDC_CONV_FROM_10,
     IDC_CONV_TO_10},
    {"typed in 16, To behind X", State(16, 7, true), false, 16, false, false, true, true,
     IDC_CONV_FROM_16, IDC_CONV_TO_X},
    {"X on From, nothing typed", State(5, 2, false), false, 5, true, true, false, false,
     IDC_CONV_FROM_X, IDC_CONV_TO_2},
    {"X on From, typed: the steps go with the pane", State(5, 2, true), false, 5, false, false,
     false, true, IDC_CONV_FROM_X, IDC_CONV_TO_2},
    {"error on show", State(10, 16, true, true), false, 10, false, false, false, false,
     IDC_CONV_FROM_10, IDC_CONV_TO_16},
    {"notation 32, window open", State(32, 32, true), true, 32, false, false, true, true,
     IDC_CONV_FROM_X, IDC_CONV_TO_X},
    {"notation 2", State(2, 4, false), false, 2, true, false, false, false, IDC_CONV_FROM_2,
     IDC_CONV_TO_4},
};

TEST(ConverterAvailability, FollowsFromTheStateAlone) {
    for (const Row& row : ROWS) {
        SCOPED_TRACE(row.what);
        Converter converter;  // no view: availability needs none
        converter.state = row.state;
        converter.allNotations.open = row.allNotationsOpen;
        const ConverterAvailability a = AvailabilityOf(converter);
        for (int value = 0; value < IDC_CONV_DIGIT_COUNT; ++value) {
            EXPECT_EQ(a.Key(IDC_CONV_DIGIT_0 + value), value < row.digitKeys) << value;
        }
        EXPECT_TRUE(a.Key(IDC_CONV_ALL_CLEAR));
        EXPECT_TRUE(a.Key(IDC_CONV_CLEAR_ERROR));
        for (int id = IDC_CONV_FROM_2; id <= IDC_CONV_FROM_X; ++id) {
            EXPECT_EQ(a.Key(id), row.fromPane) << id;
            EXPECT_TRUE(a.Key(id - IDC_CONV_FROM_2 + IDC_CONV_TO_2)) << id;
        }
        EXPECT_EQ(a.Key(IDC_CONV_FROM_STEP_DOWN), row.fromSteps);
        EXPECT_EQ(a.Key(IDC_CONV_FROM_STEP_UP), row.fromSteps);
        EXPECT_EQ(a.Key(IDC_CONV_TO_STEP_DOWN), row.toSteps);
        EXPECT_EQ(a.Key(IDC_CONV_TO_STEP_UP), row.toSteps);
        EXPECT_EQ(a.Allows(IDM_CONV_COPY_ANSWER), row.copy);
        EXPECT_EQ(a.Allows(IDC_CONV_ALL_NOTATIONS_LIST), row.allNotationsOpen);
        EXPECT_EQ(a.Allows(IDC_CONV_ALL_NOTATIONS_COPY), row.allNotationsOpen);
        EXPECT_EQ(a.fromChecked, row.fromChecked);
        EXPECT_EQ(a.toChecked, row.toChecked);
    }
}

TEST(ConverterAvailability, OtherMenuItemsAreAlwaysThereAndForeignIdsNever) {
    const ConverterAvailability a = AvailabilityOf(Converter{});
    for (int id :
         {IDM_CONV_PASTE, IDM_CONV_ALL_NOTATIONS, IDM_CONV_ABOUT, IDM_CONV_CONSOLE_COLOR}) {
        EXPECT_TRUE(a.Allows(id)) << id;
    }
    for (int id : {0, IDC_CONV_FIRST - 1, IDI_CONV_ABOUT, IDC_CONV_WARN_TEXT, 0xF060}) {
        EXPECT_FALSE(a.Allows(id)) << id;
    }
}

}  // namespace
}  // namespace quarnic
