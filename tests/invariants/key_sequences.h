// One random key sequence through each program: the simulated user's actions, pressed the way
// the window passes them on, and every rule of the state checked after each one. The random runs
// draw the choices from a seed, the fuzzers from their input.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tests/invariants/exact_answers.h"
#include "tests/invariants/key_choices.h"
#include "tests/invariants/simulated_users.h"

namespace quarnic {

class CalculatorSequence {
  public:
    explicit CalculatorSequence(KeyChoices& choices);
    CalculatorSequence(const CalculatorSequence&) = delete;
    CalculatorSequence& operator=(const CalculatorSequence&) = delete;

    // The user's next action, or nothing once the sequence has reached its length or the
    // choices are used up.
    std::optional<CalculatorAction> NextAction();
    // Presses it (a disabled key is not pressed) and notes its token.
    void Press(const CalculatorAction& action);
    // The first rule the state breaks now, or an empty text. The answer that "=", a notation
    // switch or the square root just showed must also be the exact value.
    std::string BrokenRule() const;

    const ScriptedCalculator& Scripted() const { return scripted_; }
    const ExactAnswers& Exact() const { return exact_; }
    // The tokens of the actions pressed so far, space-separated: a key script to replay.
    std::string KeyScript() const;

  private:
    KeyChoices& choices_;
    SimulatedCalculatorUser user_;
    ScriptedCalculator scripted_;
    // The exact answer is worked out when the rules are checked, not while the key is timed.
    mutable ExactAnswers exact_;
    mutable bool answerToCheck_ = false;
    mutable std::string inexactAnswer_;
    bool lastPressed_ = false;
    int length_;
    int chosen_ = 0;
    std::vector<std::string> keys_;
};

class ConverterSequence {
  public:
    // The choices also decide the language and whether the warning dialog can appear (else the
    // system error box stands in, as when its template is missing).
    explicit ConverterSequence(KeyChoices& choices);
    ConverterSequence(const ConverterSequence&) = delete;
    ConverterSequence& operator=(const ConverterSequence&) = delete;

    std::optional<int> NextAction();
    void Press(int id);
    // The first broken rule; right after a copy, the clipboard's too.
    std::string BrokenRule() const;

    const ScriptedConverter& Scripted() const { return *scripted_; }
    // Whether the last action was carried out (not a disabled key or a greyed copy).
    bool LastPressed() const { return lastPressed_; }
    std::string KeyScript() const;

  private:
    KeyChoices& choices_;
    SimulatedConverterUser user_;
    std::optional<ScriptedConverter> scripted_;
    int length_ = 0;
    int chosen_ = 0;
    int lastId_ = 0;
    bool lastPressed_ = false;
    std::vector<std::string> keys_;
};

// Presses every action of the sequence, up to the first that breaks a rule. Returns the keys and
// the broken rule for a person to read, or an empty text.
template <typename Sequence>
std::string PlayToTheEnd(Sequence& sequence) {
    while (auto action = sequence.NextAction()) {
        sequence.Press(*action);
        const std::string broken = sequence.BrokenRule();
        if (!broken.empty()) {
            return "keys: " + sequence.KeyScript() + "\nbroken: " + broken;
        }
    }
    return {};
}

}  // namespace quarnic
