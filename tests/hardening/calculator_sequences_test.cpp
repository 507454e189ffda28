// Seeded random key sequences through the calculator, as a user would press them in the
// window, with every rule of its state checked after every key.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <optional>
#include <set>
#include <string>

#include "calc/calc_ids.h"
#include "calc/notation_buttons.h"
#include "engine/digit_text.h"
#include "engine/fixed_text.h"
#include "tests/hardening/sequence_run.h"
#include "tests/invariants/key_sequences.h"

namespace quarnic {
namespace {

constexpr std::uint64_t FIRST_SEED = 20261207;
constexpr long SEQUENCES_IN_CI = 50000;

struct SequenceResult : SequenceOutcome {
    std::string lastKey;          // the key described but not pressed
    std::string stateBeforeLast;  // the state before that key
};

// A long operand is shown by its ends and length: enough to recognise it, short enough to read.
std::string Shortened(std::string_view text) {
    constexpr std::size_t SHOWN = 48;
    if (text.size() <= SHOWN) {
        return "\"" + std::string(text) + "\"";
    }
    return "\"" + std::string(text.substr(0, SHOWN / 2)) + "..." +
           std::string(text.substr(text.size() - SHOWN / 2)) + "\" (" +
           std::to_string(text.size()) + " characters)";
}

std::string DescribeState(const ScriptedCalculator& scripted) {
    const CalculatorState& s = scripted.calc.state;
    return "console " + Shortened(TextOf(s.ConsoleText)) + ", first " +
           Shortened(TextOf(s.FirstOperandText)) + " (" + std::to_string(s.FirstNotation) +
           "), operator \"" + std::string(TextOf(s.PendingOperator)) + "\", second " +
           Shortened(TextOf(s.SecondOperandText)) + " (" + std::to_string(s.SecondNotation) +
           "), notation " + std::to_string(ReadNotation(scripted.calc)) + ", truncation " +
           std::to_string(scripted.calc.sqrt.SqrtTruncation);
}

// What the run reached, so that a change to the simulated user cannot quietly stop covering
// long operands, every notation, every operator or every truncation of the root.
struct Reach {
    std::bitset<MAX_NOTATION + 1> notations;  // notations "=" computed in
    std::set<char> operators;                 // operators "=" applied
    std::size_t longestOperand = 0;           // longest first operand an operator key took up
    std::set<int> truncations;                // truncations of the roots taken
    long errors = 0;                          // error displays shown
    long exactAnswers = 0;                    // answers checked on the exact model
    long exactSwitches = 0;
    long exactRoots = 0;
    long clearEntriesAfterOperators = 0;  // "CE" right after an operator key
    long operatorsOnErrors = 0;           // operator keys on the error display
    long tinyAnswers = 0;                 // answers whose first digit lies below place 600
    std::size_t longestPaste = 0;         // longest text pasted

    void Before(const ScriptedCalculator& scripted, const CalculatorAction& action) {
        const CalculatorState& s = scripted.calc.state;
        const bool key = action.kind == CalculatorAction::Kind::Key;
        const std::string_view console = TextOf(s.ConsoleText);
        const bool operatorShown =
            !console.empty() &&
            std::string_view("+-*/").find(console.back()) != std::string_view::npos;
        if (key && action.id == IDC_CLEAR_ENTRY && operatorShown && !s.EntryInProgress) {
            ++clearEntriesAfterOperators;
        }
        if (key && action.id >= IDC_ADD && action.id <= IDC_DIVIDE && s.ErrorShown) {
            ++operatorsOnErrors;
        }
        if (action.kind == CalculatorAction::Kind::Paste) {
            longestPaste = std::max(longestPaste, action.text.size());
        }
        bool computes = s.SecondOperandActive && !IsEmptyText(s.PendingOperator) &&
                        !IsEmptyText(s.FirstOperandText) && !IsEmptyText(s.SecondOperandText);
        if (action.id == IDC_EQUALS && computes) {
            operators.insert(s.PendingOperator[0]);
            notations.set(static_cast<std::size_t>(s.SecondNotation));
        }
        bool isOperator = action.id >= IDC_ADD && action.id <= IDC_DIVIDE;
        if (action.kind == CalculatorAction::Kind::Key && isOperator) {
            longestOperand = std::max(longestOperand, TextOf(s.FirstOperandText).size());
        }
        rootsBefore_ = scripted.calc.sqrt.SqrtRepeatCount;
        errorBefore_ = s.ErrorShown;
    }
    void After(const CalculatorSequence& sequence, const CalculatorAction&) {
        const ScriptedCalculator& scripted = sequence.Scripted();
        if (scripted.calc.sqrt.SqrtRepeatCount > rootsBefore_) {
            truncations.insert(scripted.calc.sqrt.SqrtTruncation);
        }
        errors += scripted.calc.state.ErrorShown > errorBefore_ ? 1 : 0;
        const CalculatorState& s = scripted.calc.state;
        const int first = LeadingZeroCount(scripted.calc.engine.ResultDigits);
        if (s.AnswerShown && first >= 2 * INTEGER_PLACES && first < DIGIT_PLACES) {
            ++tinyAnswers;
        }
    }
    std::string Describe() const {
        std::string ops(operators.begin(), operators.end());
        return "reached: " + std::to_string(notations.count()) + " notations, operators \"" + ops +
               "\", operands up to " + std::to_string(longestOperand) + " characters, " +
               std::to_string(truncations.size()) + " root truncations, " + std::to_string(errors) +
               " error displays; exact to every place: " + std::to_string(exactAnswers) +
               " answers, " + std::to_string(exactSwitches) + " notation switches, " +
               std::to_string(exactRoots) + " roots; " +
               std::to_string(clearEntriesAfterOperators) + " CE after an operator, " +
               std::to_string(operatorsOnErrors) + " operators on the error display, " +
               std::to_string(tinyAnswers) + " answers below the 300th place, pastes up to " +
               std::to_string(longestPaste) + " characters";
    }
    void Count(const ExactAnswers& exact) {
        exactAnswers += exact.equalsChecked;
        exactSwitches += exact.switchesChecked;
        exactRoots += exact.rootsChecked;
    }

  private:
    int rootsBefore_ = 0;
    int errorBefore_ = 0;
};

// Plays the sequence of one seed, up to its end or up to the key stopBefore (0-based), which
// is then described but not pressed.
SequenceResult PlaySequence(std::uint64_t seed, SlowestKey& slowest, Reach& reach,
                            int stopBefore = -1) {
    KeyChoices choices(seed);
    CalculatorSequence sequence(choices);
    SequenceResult result;
    static_cast<SequenceOutcome&>(result) =
        PlayTimedSequence(sequence, seed, slowest, reach, stopBefore);
    reach.Count(sequence.Exact());
    if (stopBefore >= 0) {
        result.stateBeforeLast = DescribeState(sequence.Scripted());
        if (std::optional<CalculatorAction> action = sequence.NextAction()) {
            result.lastKey = CalculatorActionName(*action);
        }
    }
    return result;
}

TEST(CalculatorKeySequences, NoSequenceBreaksARuleOfTheState) {
    RunSize size = ReadRunSize(FIRST_SEED, SEQUENCES_IN_CI);
    SlowestKey slowest;
    Reach reach;
    RunOutcome run = PlaySequences("calculator", size, slowest, [&](std::uint64_t seed) {
        return PlaySequence(seed, slowest, reach);
    });
    ASSERT_TRUE(run.failure.empty()) << run.failure;
    const std::string& figures = run.figures;
    SlowestKey ignoredKeys;
    Reach ignoredReach;
    SequenceResult slowKey =
        PlaySequence(slowest.seed, ignoredKeys, ignoredReach, slowest.keyIndex);
    std::printf("%s\n  slowest key \"%s\" pressed with %s\n  %s\n", figures.c_str(),
                slowKey.lastKey.c_str(), slowKey.stateBeforeLast.c_str(), reach.Describe().c_str());
    if (size.sequences >= SEQUENCES_IN_CI) {
        EXPECT_EQ(reach.notations.count(), MAX_NOTATION - MIN_NOTATION + 1) << reach.Describe();
        EXPECT_EQ(reach.operators.size(), 4u) << reach.Describe();
        EXPECT_GT(reach.longestOperand, 900u) << reach.Describe();
        EXPECT_EQ(reach.truncations.size(), 3u) << reach.Describe();
        EXPECT_GT(reach.errors, 0) << reach.Describe();
        EXPECT_GT(reach.exactSwitches, 0) << reach.Describe();
        EXPECT_GT(reach.exactRoots, 0) << reach.Describe();
        EXPECT_GT(reach.clearEntriesAfterOperators, 0) << reach.Describe();
        EXPECT_GT(reach.operatorsOnErrors, 0) << reach.Describe();
        EXPECT_GT(reach.tinyAnswers, 0) << reach.Describe();
        EXPECT_GT(reach.longestPaste, 1000u) << reach.Describe();
    }
}

}  // namespace
}  // namespace quarnic
