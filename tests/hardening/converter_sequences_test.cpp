// Seeded random key sequences through the converter, as a user would press them in the window,
// with every rule of its state checked after every key and the clipboard after every copy.
#include <gtest/gtest.h>

#include <bitset>
#include <optional>
#include <string>

#include "conv/conv_ids.h"
#include "engine/digit_codec.h"
#include "tests/hardening/sequence_run.h"
#include "tests/invariants/key_sequences.h"

namespace quarnic {
namespace {

constexpr std::uint64_t FIRST_SEED = 7122026;
constexpr long SEQUENCES_IN_CI = 50000;

// What the run reached: the digit limit of every From notation, and copies of the answer.
struct Reach {
    std::bitset<MAX_NOTATION + 1> limitsReached;  // From notations whose limit refused a digit
    long copies = 0;

    void After(const ScriptedConverter& scripted, int id, bool pressed, int warningsBefore) {
        if (scripted.view.Warnings() > warningsBefore) {
            limitsReached.set(static_cast<std::size_t>(scripted.converter.state.FromNotation));
        }
        copies += pressed && id == IDM_CONV_COPY_ANSWER ? 1 : 0;
    }
    std::string Describe() const {
        return "reached: the digit limit of " + std::to_string(limitsReached.count()) +
               " From notations, " + std::to_string(copies) + " copies";
    }
};

SequenceOutcome PlaySequence(std::uint64_t seed, SlowestKey& slowest, Reach& reach) {
    SequenceOutcome result;
    KeyChoices choices(seed);
    ConverterSequence sequence(choices);
    result.broken = sequence.BrokenRule();
    for (int k = 0; result.broken.empty(); ++k) {
        std::optional<int> id = sequence.NextAction();
        if (!id) {
            break;
        }
        int warningsBefore = sequence.Scripted().view.Warnings();
        auto start = ThreadCpuTime();
        sequence.Press(*id);
        slowest.Offer(ThreadCpuTime() - start, seed, k);
        reach.After(sequence.Scripted(), *id, sequence.LastPressed(), warningsBefore);
        ++result.keysPressed;
        result.broken = sequence.BrokenRule();
    }
    result.keys = sequence.KeyScript();
    return result;
}

TEST(ConverterKeySequences, NoSequenceBreaksARuleOfTheState) {
    RunSize size = ReadRunSize(FIRST_SEED, SEQUENCES_IN_CI);
    SlowestKey slowest;
    Reach reach;
    RunOutcome run = PlaySequences("converter", size, slowest, [&](std::uint64_t seed) {
        return PlaySequence(seed, slowest, reach);
    });
    ASSERT_TRUE(run.failure.empty()) << run.failure;
    const std::string& figures = run.figures;
    std::printf("%s\n  %s\n", figures.c_str(), reach.Describe().c_str());
    if (size.sequences >= SEQUENCES_IN_CI) {
        EXPECT_EQ(reach.limitsReached.count(), MAX_NOTATION - MIN_NOTATION + 1) << reach.Describe();
        EXPECT_GT(reach.copies, 0) << reach.Describe();
    }
}

}  // namespace
}  // namespace quarnic
