// A full repaint of the calculator's window draws back what the state says is on screen: the
// console, the box of "X" with the selected notation's value once the buttons can be read, and
// the memory mark while memory holds a value.
#include <string>

#include "calc/display_updates.h"
#include "calc_scenario.h"

namespace quarnic {
namespace {

class Repaint : public CalcScenario {
  protected:
    // What a covered window has lost before WM_PAINT.
    void LoseScreen() {
        View().ClearConsole();
        View().ClearOtherNotationBox();
        View().EraseMemoryMark();
    }
};

TEST_F(Repaint, BeforeTheWindowIsReadyTheBoxOfXStaysEmpty) {
    Press("NX 5");
    LoseScreen();
    RepaintCalculatorContents(Calc());
    EXPECT_EQ(View().Console(), "5");
    EXPECT_TRUE(View().OtherBoxFramed());
    EXPECT_EQ(View().OtherBoxLabel(), "");
}

TEST_F(Repaint, OnceReadyTheBoxOfXShowsTheSelectedNotation) {
    Press("NX X- X- 7");
    Calc().state.ReadyFlag = 1;
    LoseScreen();
    RepaintCalculatorContents(Calc());
    const std::string expected = std::to_string(State().OtherNotation);
    EXPECT_EQ(View().OtherBoxLabel(), expected);
    EXPECT_EQ(std::string(TextOf(State().OtherNotationLabel)), expected);
    EXPECT_EQ(View().Console(), "7");
}

TEST_F(Repaint, ANotationWithItsOwnButtonLeavesTheBoxFramedAndEmpty) {
    Press("NX N16 F");
    Calc().state.ReadyFlag = 1;
    LoseScreen();
    RepaintCalculatorContents(Calc());
    EXPECT_TRUE(View().OtherBoxFramed());
    EXPECT_EQ(View().OtherBoxLabel(), "");
    EXPECT_EQ(std::string(TextOf(State().OtherNotationLabel)), "");
}

TEST_F(Repaint, TheMemoryMarkComesBackWhileMemoryHoldsAValue) {
    Press("4 Min 5");
    LoseScreen();
    RepaintCalculatorContents(Calc());
    EXPECT_TRUE(View().MemoryMarkShown());
    EXPECT_EQ(View().Console(), Console());
}

TEST_F(Repaint, AllClearEmptiedTheMemorySoNoMarkIsDrawn) {
    Press("4 Min AC 3");
    LoseScreen();
    RepaintCalculatorContents(Calc());
    EXPECT_FALSE(View().MemoryMarkShown());
    EXPECT_EQ(View().Console(), "3");
}

}  // namespace
}  // namespace quarnic
