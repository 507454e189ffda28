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

    void Before(const ScriptedConverter& scripted, int) {
        warningsBefore_ = scripted.view.Warnings();
    }
    void After(const ConverterSequence& sequence, int id) {
        const ScriptedConverter& scripted = sequence.Scripted();
        if (scripted.view.Warnings() > warningsBefore_) {
            limitsReached.set(static_cast<std::size_t>(scripted.converter.state.FromNotation));
        }
        copies += sequence.LastPressed() && id == IDM_CONV_COPY_ANSWER ? 1 : 0;
    }
    std::string Describe() const {
        return "reached: the digit limit of " + std::to_string(limitsReached.count()) +
               " From notations, " + std::to_string(copies) + " copies";
    }

  private:
    int warningsBefore_ = 0;
};

SequenceOutcome PlaySequence(std::uint64_t seed, SlowestKey& slowest, Reach& reach) {
    KeyChoices choices(seed);
    ConverterSequence sequence(choices);
    return PlayTimedSequence(sequence, seed, slowest, reach);
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
