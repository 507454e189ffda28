// Random users of the two programs, biased toward how people use them: digits come in runs,
// operators and "=" follow numbers, notation steps come in bursts so every notation is reached,
// and now and then any key at all is pressed, enabled or not.
#pragma once

#include <string>

#include "tests/invariants/calculator_actions.h"
#include "tests/invariants/converter_actions.h"
#include "tests/invariants/key_choices.h"

namespace quarnic {

// How many keys a sequence has: mostly short sessions, some up to 200 keys.
int ChooseSequenceLength(KeyChoices& choices);

class SimulatedCalculatorUser {
  public:
    explicit SimulatedCalculatorUser(KeyChoices& choices) : choices_(choices) {}
    CalculatorAction NextAction(const ScriptedCalculator& scripted);

  private:
    CalculatorAction ChooseFresh(const ScriptedCalculator& scripted);
    // A number to paste in the checked notation: short, tiny (its first digit far below the
    // point) or long (up to every place), now and then negative.
    CalculatorAction ChoosePaste(int notation);
    std::string RandomDigits(int count, int notation);
    int RunLength();
    // A run of presses of one step key, some of them after the key that chose now.
    void PlanStepBurst();

    KeyChoices& choices_;
    CalculatorAction repeated_{};
    int repeatsLeft_ = 0;
    bool digitRun_ = false;
    std::string pasteText_;
};

// The keys of one of the converter's notation panes.
struct PaneKeys {
    int first;  // the "2" button; "X" is first + 5
    int stepDown;
    int stepUp;
};

class SimulatedConverterUser {
  public:
    explicit SimulatedConverterUser(KeyChoices& choices) : choices_(choices) {}
    int NextAction(const ScriptedConverter& scripted);

  private:
    int ChooseFresh(const ScriptedConverter& scripted);
    void PlanStepBurst(const PaneKeys& pane);
    int ChooseButtonOf(const PaneKeys& pane);

    KeyChoices& choices_;
    int repeated_ = 0;
    int repeatsLeft_ = 0;
    bool digitRun_ = false;
};

}  // namespace quarnic
