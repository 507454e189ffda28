// Scenario fixture: a fresh calculator driven by key-script tokens, through the same path as
// the key-script runner.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>

#include "calc/calc_ids.h"
#include "engine/fixed_text.h"
#include "tests/kit/key_script.h"

namespace quarnic {

class CalcScenario : public ::testing::Test {
  protected:
    // Applies the tokens; every command repaints what it changed, so the console on screen
    // must show ConsoleText afterwards.
    void Press(std::string_view script) {
        std::optional<std::string_view> unknown = ApplyKeyScript(s_, script);
        ASSERT_FALSE(unknown.has_value()) << "unknown token " << *unknown;
        EXPECT_EQ(s_.view.Console(), Console()) << "after: " << script;
    }

    // The same key n times.
    void PressRepeatedly(std::string_view token, int n) {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(ApplyKeyToken(s_, token));
        }
    }

    const CalculatorState& State() const { return s_.calc.state; }
    Calculator& Calc() { return s_.calc; }
    RecordingCalculatorView& View() { return s_.view; }
    CalculationHistory& History() { return s_.history; }

    std::string Console() const { return std::string(TextOf(State().ConsoleText)); }
    std::string First() const { return std::string(TextOf(State().FirstOperandText)); }
    std::string Second() const { return std::string(TextOf(State().SecondOperandText)); }
    std::string Operator() const { return std::string(TextOf(State().PendingOperator)); }
    std::string Memory() const { return std::string(TextOf(State().MemoryText)); }

    bool Enabled(int id) const { return s_.view.IsControlEnabled(id); }
    bool Checked(int id) const { return s_.view.IsChecked(id); }
    bool SaveEnabled() const { return s_.view.IsMenuItemEnabled(IDM_SAVE_ANSWER); }

    // How many of the 32 digit keys can be pressed (they always form a run from "0").
    int EnabledDigitKeys() const {
        return static_cast<int>(s_.view.EnabledIds(IDC_DIGIT_FIRST, IDC_DIGIT_LAST).size());
    }
    bool NotationButtonsEnabled() const {
        for (int id = IDC_NOTATION_FIRST; id <= IDC_NOTATION_LAST; ++id) {
            if (!Enabled(id)) {
                return false;
            }
        }
        return true;
    }
    int EnabledStepButtons() const { return Enabled(IDC_STEP_DOWN) + Enabled(IDC_STEP_UP); }

  private:
    ScriptedCalculator s_;
};

}  // namespace quarnic
