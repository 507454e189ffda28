// Seeded random key sequences through the calculator, as a user would press them in the
// window, with every rule of its state checked after every key.
#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <set>
#include <string>
#include <vector>

#include "calc/calc_ids.h"
#include "calc/notation_buttons.h"
#include "engine/fixed_text.h"
#include "tests/hardening/sequence_run.h"
#include "tests/hardening/simulated_users.h"
#include "tests/invariants/calculator_invariants.h"

namespace quarnic {
namespace {

constexpr std::uint64_t FIRST_SEED = 20261207;
constexpr long SEQUENCES_IN_CI = 50000;

struct SequenceResult {
    std::string broken;             // empty when every rule held after every key
    std::vector<std::string> keys;  // the keys pressed, as key-script tokens
    std::string stateBeforeLast;    // the state before the last key pressed
    long keysPressed = 0;
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

    void Before(const ScriptedCalculator& scripted, const CalculatorAction& action) {
        const CalculatorState& s = scripted.calc.state;
        bool computes = s.SecondOperandActive == 1 && !IsEmptyText(s.PendingOperator) &&
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
    void After(const ScriptedCalculator& scripted) {
        if (scripted.calc.sqrt.SqrtRepeatCount > rootsBefore_) {
            truncations.insert(scripted.calc.sqrt.SqrtTruncation);
        }
        errors += scripted.calc.state.ErrorShown > errorBefore_ ? 1 : 0;
    }
    std::string Describe() const {
        std::string ops(operators.begin(), operators.end());
        return "reached: " + std::to_string(notations.count()) + " notations, operators \"" + ops +
               "\", operands up to " + std::to_string(longestOperand) + " characters, " +
               std::to_string(truncations.size()) + " root truncations, " + std::to_string(errors) +
               " error displays";
    }

  private:
    int rootsBefore_ = 0;
    int errorBefore_ = 0;
};

// Plays the sequence of one seed, up to its end or up to the key stopBefore (0-based), which
// is then described but not pressed.
SequenceResult PlaySequence(std::uint64_t seed, SlowestKey& slowest, Reach& reach,
                            int stopBefore = -1) {
    SequenceResult result;
    std::mt19937_64 rng(seed);
    SimulatedCalculatorUser user(rng);
    ScriptedCalculator scripted;
    result.broken = FindCalculatorViolation(scripted.calc, scripted.view);
    int length = ChooseSequenceLength(rng);
    for (int k = 0; k < length && result.broken.empty(); ++k) {
        CalculatorAction action = user.NextAction(scripted);
        if (k == stopBefore) {
            result.stateBeforeLast = DescribeState(scripted);
            result.keys.push_back(CalculatorActionName(action));
            break;
        }
        result.keys.push_back(CalculatorActionName(action));
        reach.Before(scripted, action);
        auto start = ThreadCpuTime();
        PerformCalculatorAction(scripted, action);
        slowest.Offer(ThreadCpuTime() - start, seed, k);
        reach.After(scripted);
        ++result.keysPressed;
        result.broken = FindCalculatorViolation(scripted.calc, scripted.view);
    }
    return result;
}

std::string JoinKeys(const std::vector<std::string>& keys) {
    std::string script;
    for (const std::string& key : keys) {
        script += (script.empty() ? "" : " ") + key;
    }
    return script;
}

TEST(CalculatorKeySequences, NoSequenceBreaksARuleOfTheState) {
    RunSize size = ReadRunSize(FIRST_SEED, SEQUENCES_IN_CI);
    SlowestKey slowest;
    Reach reach;
    long keys = 0;
    auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < size.sequences; ++i) {
        std::uint64_t seed = size.firstSeed + static_cast<std::uint64_t>(i);
        AnnounceSequence("calculator", seed);
        SequenceResult result = PlaySequence(seed, slowest, reach);
        keys += result.keysPressed;
        ASSERT_TRUE(result.broken.empty())
            << "sequence seed " << seed << " (replay: QUARNIC_HARDEN_SEED=" << seed
            << " QUARNIC_HARDEN_SEQUENCES=1)\nkeys: " << JoinKeys(result.keys)
            << "\nbroken: " << result.broken;
    }
    EndSequences();
    std::string figures =
        DescribeRun("calculator", size, keys, std::chrono::steady_clock::now() - start, slowest);
    SlowestKey ignoredKeys;
    Reach ignoredReach;
    SequenceResult slowKey =
        PlaySequence(slowest.seed, ignoredKeys, ignoredReach, slowest.keyIndex);
    std::printf("%s\n  slowest key \"%s\" pressed with %s\n  %s\n", figures.c_str(),
                slowKey.keys.empty() ? "" : slowKey.keys.back().c_str(),
                slowKey.stateBeforeLast.c_str(), reach.Describe().c_str());
    if (size.sequences >= SEQUENCES_IN_CI) {
        EXPECT_EQ(reach.notations.count(), MAX_NOTATION - MIN_NOTATION + 1) << reach.Describe();
        EXPECT_EQ(reach.operators.size(), 4u) << reach.Describe();
        EXPECT_GT(reach.longestOperand, 900u) << reach.Describe();
        EXPECT_EQ(reach.truncations.size(), 3u) << reach.Describe();
        EXPECT_GT(reach.errors, 0) << reach.Describe();
    }
}

}  // namespace
}  // namespace quarnic
