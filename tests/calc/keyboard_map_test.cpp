// The calculator's keyboard: key in, command out, and keys whose button is disabled ignored.
#include "calc/keyboard_map.h"

#include <gtest/gtest.h>

#include "calc/calc_ids.h"
#include "calc/key_availability.h"
#include "calc_scenario.h"
#include "tests/kit/key_action_available.h"

namespace quarnic {
namespace {

KeyAction Button(int id) {
    return {KeyTarget::Button, id};
}

KeyAction MenuItem(int id) {
    return {KeyTarget::MenuItem, id};
}

NamedKeyPress Plain(NamedKey key) {
    return {key, false, false};
}

NamedKeyPress WithCtrl(NamedKey key) {
    return {key, true, false};
}

TEST(CalculatorKeyboardMap, DigitsInEitherCaseAndFullWidth) {
    EXPECT_EQ(CalculatorCharacterKey(U'0'), Button(IDC_DIGIT_0));
    EXPECT_EQ(CalculatorCharacterKey(U'9'), Button(IDC_DIGIT_9));
    EXPECT_EQ(CalculatorCharacterKey(U'A'), Button(IDC_DIGIT_A));
    EXPECT_EQ(CalculatorCharacterKey(U'v'), Button(IDC_DIGIT_V));
    EXPECT_EQ(CalculatorCharacterKey(U'\uFF17'), Button(IDC_DIGIT_7));  // full-width 7
    EXPECT_EQ(CalculatorCharacterKey(U'\uFF46'), Button(IDC_DIGIT_F));  // full-width f
    EXPECT_EQ(CalculatorCharacterKey(U'W'), KeyAction{});
    EXPECT_EQ(CalculatorCharacterKey(U'z'), KeyAction{});
}

TEST(CalculatorKeyboardMap, PointOperatorsEqualsAndRoot) {
    EXPECT_EQ(CalculatorCharacterKey(U'.'), Button(IDC_POINT));
    EXPECT_EQ(CalculatorCharacterKey(U','), Button(IDC_POINT));
    EXPECT_EQ(CalculatorCharacterKey(U'+'), Button(IDC_ADD));
    EXPECT_EQ(CalculatorCharacterKey(U'-'), Button(IDC_SUBTRACT));
    EXPECT_EQ(CalculatorCharacterKey(U'*'), Button(IDC_MULTIPLY));
    EXPECT_EQ(CalculatorCharacterKey(U'/'), Button(IDC_DIVIDE));
    EXPECT_EQ(CalculatorCharacterKey(U'='), Button(IDC_EQUALS));
    EXPECT_EQ(CalculatorCharacterKey(U'@'), Button(IDC_SQRT));
    EXPECT_EQ(CalculatorCharacterKey(U' '), KeyAction{});
    EXPECT_EQ(CalculatorCharacterKey(U'\r'), KeyAction{});
}

TEST(CalculatorKeyboardMap, NamedKeys) {
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::Enter)), Button(IDC_EQUALS));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::Escape)), Button(IDC_ALL_CLEAR));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::Delete)), Button(IDC_CLEAR_ENTRY));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::Backspace)),
              (KeyAction{KeyTarget::Command, IDK_BACKSPACE}));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::F9)), Button(IDC_SIGN));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::PageUp)), Button(IDC_STEP_UP));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::PageDown)), Button(IDC_STEP_DOWN));
}

TEST(CalculatorKeyboardMap, FunctionKeysSelectNotations) {
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::F8)), Button(IDC_NOTATION_2));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::F4)), Button(IDC_NOTATION_4));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::F7)), Button(IDC_NOTATION_8));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::F6)), Button(IDC_NOTATION_10));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::F5)), Button(IDC_NOTATION_16));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::F3)), Button(IDC_NOTATION_X));
}

TEST(CalculatorKeyboardMap, ControlKeysMemoryAndMenuItems) {
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::LetterM)), Button(IDC_MEMORY_IN));
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::LetterR)), Button(IDC_MEMORY_RECALL));
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::LetterS)), MenuItem(IDM_SAVE_ANSWER));
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::LetterC)), MenuItem(IDM_COPY));
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::LetterH)), MenuItem(IDM_HISTORY));
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::LetterH)), KeyAction{});
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::Insert)), MenuItem(IDM_COPY));
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::LetterV)), MenuItem(IDM_PASTE));
    EXPECT_EQ(CalculatorNamedKey({NamedKey::Insert, false, true}), MenuItem(IDM_PASTE));
}

TEST(CalculatorKeyboardMap, OtherModifierCombinationsMeanNothing) {
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::LetterC)), KeyAction{});
    EXPECT_EQ(CalculatorNamedKey(Plain(NamedKey::Insert)), KeyAction{});
    EXPECT_EQ(CalculatorNamedKey(WithCtrl(NamedKey::Enter)), KeyAction{});
    EXPECT_EQ(CalculatorNamedKey({NamedKey::F8, false, true}), KeyAction{});
    EXPECT_EQ(CalculatorNamedKey({NamedKey::LetterV, true, true}), KeyAction{});
}

class CalculatorKeyAvailability : public CalcScenario {
  protected:
    bool Available(const KeyAction& action) {
        return KeyActionAvailable(
            action, [this](int id) { return CalculatorCommandAvailable(Calc(), id); });
    }
};

TEST_F(CalculatorKeyAvailability, KeysOfDisabledButtonsAndGreyedItemsDoNothing) {
    // Notation 10 at start: "A" is disabled, "MR" too, and nothing can be saved or copied.
    EXPECT_FALSE(Available(CalculatorCharacterKey(U'a')));
    EXPECT_TRUE(Available(CalculatorCharacterKey(U'9')));
    EXPECT_FALSE(Available(CalculatorNamedKey(WithCtrl(NamedKey::LetterR))));
    EXPECT_FALSE(Available(CalculatorNamedKey(WithCtrl(NamedKey::LetterS))));
    EXPECT_FALSE(Available(CalculatorNamedKey(WithCtrl(NamedKey::LetterC))));
    EXPECT_TRUE(Available(CalculatorNamedKey(WithCtrl(NamedKey::LetterV))));
    EXPECT_TRUE(Available(CalculatorNamedKey(Plain(NamedKey::Backspace))));
    EXPECT_FALSE(Available(KeyAction{}));
    Press("N16 1 Min =");
    EXPECT_TRUE(Available(CalculatorCharacterKey(U'a')));
    EXPECT_TRUE(Available(CalculatorNamedKey(WithCtrl(NamedKey::LetterR))));
    EXPECT_TRUE(Available(CalculatorNamedKey(WithCtrl(NamedKey::LetterS))));
    EXPECT_TRUE(Available(CalculatorNamedKey(WithCtrl(NamedKey::LetterC))));
}

}  // namespace
}  // namespace quarnic
