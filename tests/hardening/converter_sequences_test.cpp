// Seeded random key sequences through the converter, as a user would press them in the window,
// with every rule of its state checked after every key and the clipboard after every copy.
#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <vector>

#include "conv/conv_ids.h"
#include "engine/digit_codec.h"
#include "tests/hardening/sequence_run.h"
#include "tests/hardening/simulated_users.h"
#include "tests/invariants/converter_invariants.h"

namespace quarnic {
namespace {

constexpr std::uint64_t FIRST_SEED = 7122026;
constexpr long SEQUENCES_IN_CI = 50000;

struct SequenceResult {
    std::string broken;
    std::string keys;  // the keys pressed, as runner tokens
    long keysPressed = 0;
};

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

std::string CheckAfter(const ScriptedConverter& scripted, int id, bool pressed) {
    std::string broken = FindConverterViolation(scripted.converter, scripted.view);
    if (broken.empty() && pressed && id == IDM_CONV_COPY_ANSWER) {
        broken = FindClipboardViolation(scripted.converter, scripted.view);
    }
    return broken;
}

SequenceResult PlaySequence(std::uint64_t seed, SlowestKey& slowest, Reach& reach) {
    SequenceResult result;
    std::mt19937_64 rng(seed);
    SimulatedConverterUser user(rng);
    // Half of the sequences in Japanese, half (crosswise) without a warning dialog, as when its
    // template is missing and the system error box stands in.
    ScriptedConverter scripted(/*japanese=*/(seed & 1) != 0);
    if ((seed & 2) != 0) {
        scripted.view.FailDialogs();
    }
    result.broken = FindConverterViolation(scripted.converter, scripted.view);
    int length = ChooseSequenceLength(rng);
    for (int k = 0; k < length && result.broken.empty(); ++k) {
        int id = user.NextAction(scripted);
        result.keys += (result.keys.empty() ? "" : " ") + ConverterActionName(id);
        int warningsBefore = scripted.view.Warnings();
        auto start = ThreadCpuTime();
        bool pressed = PerformConverterAction(scripted, id);
        slowest.Offer(ThreadCpuTime() - start, seed, k);
        reach.After(scripted, id, pressed, warningsBefore);
        ++result.keysPressed;
        result.broken = CheckAfter(scripted, id, pressed);
    }
    return result;
}

TEST(ConverterKeySequences, NoSequenceBreaksARuleOfTheState) {
    RunSize size = ReadRunSize(FIRST_SEED, SEQUENCES_IN_CI);
    SlowestKey slowest;
    Reach reach;
    long keys = 0;
    auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < size.sequences; ++i) {
        std::uint64_t seed = size.firstSeed + static_cast<std::uint64_t>(i);
        AnnounceSequence("converter", seed);
        SequenceResult result = PlaySequence(seed, slowest, reach);
        keys += result.keysPressed;
        ASSERT_TRUE(result.broken.empty())
            << "sequence seed " << seed << " (replay: QUARNIC_HARDEN_SEED=" << seed
            << " QUARNIC_HARDEN_SEQUENCES=1)\nkeys: " << result.keys
            << "\nbroken: " << result.broken;
    }
    EndSequences();
    std::string figures =
        DescribeRun("converter", size, keys, std::chrono::steady_clock::now() - start, slowest);
    std::printf("%s\n  %s\n", figures.c_str(), reach.Describe().c_str());
    if (size.sequences >= SEQUENCES_IN_CI) {
        EXPECT_EQ(reach.limitsReached.count(), MAX_NOTATION - MIN_NOTATION + 1) << reach.Describe();
        EXPECT_GT(reach.copies, 0) << reach.Describe();
    }
}

}  // namespace
}  // namespace quarnic
