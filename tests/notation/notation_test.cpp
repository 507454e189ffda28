#include "common/notation.h"

#include <gtest/gtest.h>

#include "calc/calc_ids.h"
#include "tests/kit/recording_control_view.h"

namespace quarnic {
namespace {

TEST(OtherNotationCycle, StepsUpThroughEveryNotationWithoutAButtonAndWraps) {
    const int expected[] = {3,  5,  6,  7,  9,  11, 12, 13, 14, 15, 17, 18, 19,
                            20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};
    int n = 32;
    for (int want : expected) {
        n = NextOtherNotation(n);
        EXPECT_EQ(n, want);
    }
    EXPECT_EQ(NextOtherNotation(15), 17);
    EXPECT_EQ(PreviousOtherNotation(17), 15);
}

TEST(OtherNotationCycle, PreviousUndoesNextForEveryMember) {
    int n = 3;
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(PreviousOtherNotation(NextOtherNotation(n)), n);
        EXPECT_FALSE(HasOwnButton(n)) << n;
        n = NextOtherNotation(n);
    }
    EXPECT_EQ(n, 3) << "26 steps come back round";
    EXPECT_EQ(PreviousOtherNotation(3), 32);
}

TEST(DigitKeys, ADigitIsPressableBelowItsNotation) {
    EXPECT_TRUE(DigitKeyEnabled(12, 13));
    EXPECT_FALSE(DigitKeyEnabled(13, 13));
    EXPECT_TRUE(DigitKeyEnabled(1, 2));
    EXPECT_FALSE(DigitKeyEnabled(2, 2));
    EXPECT_TRUE(DigitKeyEnabled(31, 32));
}

TEST(NotationButtons, FixedNotationsMapToTheirButtonsAndTheRestToX) {
    EXPECT_EQ(NotationButtonIndex(2), 0);
    EXPECT_EQ(NotationButtonIndex(16), 4);
    EXPECT_EQ(NotationButtonIndex(32), 5);
    EXPECT_EQ(NotationButtonIndex(3), 5);
}

}  // namespace
}  // namespace quarnic
