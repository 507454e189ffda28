// A full repaint of the calculator's window draws back what the state says is on screen: the
// console, the box of "X" with the selected notation's value (the state has it from the start),
// and the memory mark while memory holds a value.
#include <string>

#include "calc/display_updates.h"
#include "calc/display_updates.h"
#include "calc_scenario.h"

namespace quarnic {
namespace {

class Repaint : public CalcScenario {
  protected:
    // A covered window loses what it showed; WM_PAINT draws it back.
    void UncoverWindow() {
        View().ClearConsole();
        View().ClearOtherNotationBox();
        View().EraseMemoryMark();
        RepaintCalculatorContents(Calc());
    }
};

TEST_F(Repaint, FromTheStartTheBoxOfXShowsItsNotation) {
    Press("NX 5");
    UncoverWindow();
    EXPECT_EQ(View().Console(), "5");
    EXPECT_TRUE(View().OtherBoxFramed());
    EXPECT_EQ(View().OtherBoxLabel(), "32");
}

TEST_F(Repaint, TheBoxOfXShowsTheSteppedNotation) {
    Press("NX X- X- 7");  // "X" from 32 down to 30
    UncoverWindow();
    EXPECT_EQ(View().OtherBoxLabel(), "30");
    EXPECT_EQ(std::string(TextOf(State().OtherNotationLabel)), "30");
    EXPECT_EQ(View().Console(), "7");
}

TEST_F(Repaint, ANotationWithItsOwnButtonLeavesTheBoxFramedAndEmpty) {
    Press("NX N16 F");
    UncoverWindow();
    EXPECT_TRUE(View().OtherBoxFramed());
    EXPECT_EQ(View().OtherBoxLabel(), "");
    EXPECT_EQ(std::string(TextOf(State().OtherNotationLabel)), "");
}

TEST_F(Repaint, TheMemoryMarkComesBackWhileMemoryHoldsAValue) {
    Press("4 Min 5");
    UncoverWindow();
    EXPECT_TRUE(View().MemoryMarkShown());
    EXPECT_EQ(View().Console(), Console());
}

TEST_F(Repaint, AllClearEmptiedTheMemorySoNoMarkIsDrawn) {
    Press("4 Min AC 3");
    UncoverWindow();
    EXPECT_FALSE(View().MemoryMarkShown());
    EXPECT_EQ(View().Console(), "3");
}

}  // namespace
}  // namespace quarnic
