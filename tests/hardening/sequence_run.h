// The frame of a seeded random key-sequence run: how many sequences and from which seed
// (QUARNIC_HARDEN_SEQUENCES, QUARNIC_HARDEN_SEED), the slowest single key, and a last word
// naming the sequence when the process dies inside one (sanitizer report or a hang).
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

namespace quarnic {

struct RunSize {
    std::uint64_t firstSeed;
    long sequences;
};

// The run's size from the environment, else the defaults. A sequence's seed is firstSeed plus
// its index, so QUARNIC_HARDEN_SEED=<seed> QUARNIC_HARDEN_SEQUENCES=1 replays one sequence.
RunSize ReadRunSize(std::uint64_t defaultFirstSeed, long defaultSequences);

// Names the sequence now running, for the report printed if the process dies or hangs in it.
// Starts the hang watchdog on first use.
void AnnounceSequence(const char* program, std::uint64_t seed);

// No sequence runs any more: neither a death nor a long pause is blamed on one.
void EndSequences();

// CPU time of the calling thread: what a key costs, whatever else the machine is running.
std::chrono::nanoseconds ThreadCpuTime();

// A key that takes this long makes the window feel stuck.
inline constexpr std::chrono::milliseconds SLOW_KEY{100};

// The slowest key seen: how long it took and where it was pressed; and how many were slow.
struct SlowestKey {
    std::chrono::nanoseconds duration{0};
    std::uint64_t seed = 0;
    int keyIndex = -1;
    long slowKeys = 0;

    void Offer(std::chrono::nanoseconds taken, std::uint64_t sequenceSeed, int index) {
        if (taken >= SLOW_KEY) {
            ++slowKeys;
        }
        if (taken > duration) {
            duration = taken;
            seed = sequenceSeed;
            keyIndex = index;
        }
    }
    double Milliseconds() const {
        return std::chrono::duration<double, std::milli>(duration).count();
    }
};

// What one sequence left: the first broken rule (empty when none), its keys as a key script,
// and how many keys it pressed.
struct SequenceOutcome {
    std::string broken;
    std::string keys;
    long keysPressed = 0;
};

// Plays a sequence with every key's CPU time offered to `slowest`, up to its end, its first
// broken rule, or key number stopBefore (0-based), which is then left to be chosen and not
// pressed. `watch` sees each key: Before(scripted program, action) ahead of the press and
// After(sequence, action) once it is done.
template <typename Sequence, typename Watch>
SequenceOutcome PlayTimedSequence(Sequence& sequence, std::uint64_t seed, SlowestKey& slowest,
                                  Watch& watch, int stopBefore = -1) {
    SequenceOutcome result;
    result.broken = sequence.BrokenRule();
    for (int k = 0; result.broken.empty() && k != stopBefore; ++k) {
        const auto action = sequence.NextAction();
        if (!action) {
            break;
        }
        watch.Before(sequence.Scripted(), *action);
        const auto start = ThreadCpuTime();
        sequence.Press(*action);
        slowest.Offer(ThreadCpuTime() - start, seed, k);
        watch.After(sequence, *action);
        ++result.keysPressed;
        result.broken = sequence.BrokenRule();
    }
    result.keys = sequence.KeyScript();
    return result;
}

// The run's figures line for the CI log, and the report of the sequence that broke a rule
// (empty when none did).
struct RunOutcome {
    std::string figures;
    std::string failure;
};

// Plays the run's sequences seed after seed, each announced, up to the first that breaks a rule.
// `play` offers its keys' times to `slowest`, which the figures then report.
RunOutcome PlaySequences(const char* program, const RunSize& size, const SlowestKey& slowest,
                         const std::function<SequenceOutcome(std::uint64_t seed)>& play);

}  // namespace quarnic
