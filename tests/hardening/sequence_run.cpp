#include "tests/hardening/sequence_run.h"

#include <time.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#define QUARNIC_HAS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUARNIC_HAS_SANITIZER 1
#endif
#endif
#ifdef QUARNIC_HAS_SANITIZER
#include <sanitizer/common_interface_defs.h>
#endif

namespace quarnic {
namespace {

// A sequence that takes this long hangs: even a slow engine finishes 200 keys well before.
constexpr std::chrono::seconds HANG_LIMIT{300};

std::atomic<const char*> currentProgram{nullptr};
std::atomic<std::uint64_t> currentSeed{0};
std::atomic<std::uint64_t> sequencesStarted{0};

void PrintCurrentSequence(const char* what) {
    const char* program = currentProgram.load();
    if (program == nullptr) {
        return;
    }
    // Only async-signal-tolerant calls here: the process may be dying.
    std::fprintf(stderr,
                 "\n%s in the %s key sequence with seed %llu; replay it with "
                 "QUARNIC_HARDEN_SEED=%llu QUARNIC_HARDEN_SEQUENCES=1\n",
                 what, program, static_cast<unsigned long long>(currentSeed.load()),
                 static_cast<unsigned long long>(currentSeed.load()));
}

void WatchForHangs() {
    std::uint64_t seen = sequencesStarted.load();
    for (;;) {
        std::this_thread::sleep_for(HANG_LIMIT);
        std::uint64_t now = sequencesStarted.load();
        if (now == seen && currentProgram.load() != nullptr) {
            PrintCurrentSequence("Hang");
            std::abort();
        }
        seen = now;
    }
}

void StartWatching() {
#ifdef QUARNIC_HAS_SANITIZER
    __sanitizer_set_death_callback([] { PrintCurrentSequence("Died"); });
#endif
    std::thread(WatchForHangs).detach();
}

long ReadLong(const char* name, long fallback) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return fallback;
    }
    return std::strtol(text, nullptr, 10);
}

// One line of figures for the CI log.
std::string DescribeRun(const char* program, const RunSize& size, long keys,
                        std::chrono::steady_clock::duration elapsed, const SlowestKey& slowest) {
    std::ostringstream line;
    line << program << ": " << size.sequences << " sequences from seed " << size.firstSeed << ", "
         << keys << " keys in " << std::chrono::duration<double>(elapsed).count()
         << " s; slowest key " << slowest.Milliseconds() << " ms CPU"
         << " (sequence seed " << slowest.seed << ", key #" << slowest.keyIndex + 1 << "); "
         << slowest.slowKeys << " keys took " << SLOW_KEY.count() << " ms or more";
    return line.str();
}

}  // namespace

std::chrono::nanoseconds ThreadCpuTime() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

RunSize ReadRunSize(std::uint64_t defaultFirstSeed, long defaultSequences) {
    RunSize size{defaultFirstSeed, defaultSequences};
    if (const char* seed = std::getenv("QUARNIC_HARDEN_SEED"); seed != nullptr && *seed != '\0') {
        size.firstSeed = std::strtoull(seed, nullptr, 10);
    }
    size.sequences = ReadLong("QUARNIC_HARDEN_SEQUENCES", defaultSequences);
    return size;
}

void AnnounceSequence(const char* program, std::uint64_t seed) {
    static std::atomic<bool> watching{false};
    if (!watching.exchange(true)) {
        StartWatching();
    }
    currentProgram.store(program);
    currentSeed.store(seed);
    sequencesStarted.fetch_add(1);
}

void EndSequences() {
    currentProgram.store(nullptr);
}

RunOutcome PlaySequences(const char* program, const RunSize& size, const SlowestKey& slowest,
                         const std::function<SequenceOutcome(std::uint64_t seed)>& play) {
    RunOutcome outcome;
    long keys = 0;
    const auto start = std::chrono::steady_clock::now();
    for (long i = 0; i < size.sequences && outcome.failure.empty(); ++i) {
        const std::uint64_t seed = size.firstSeed + static_cast<std::uint64_t>(i);
        AnnounceSequence(program, seed);
        const SequenceOutcome sequence = play(seed);
        keys += sequence.keysPressed;
        if (!sequence.broken.empty()) {
            const std::string seedText = std::to_string(seed);
            outcome.failure = "sequence seed " + seedText +
                              " (replay: QUARNIC_HARDEN_SEED=" + seedText +
                              " QUARNIC_HARDEN_SEQUENCES=1)\nkeys: " + sequence.keys +
                              "\nbroken: " + sequence.broken;
        }
    }
    EndSequences();
    outcome.figures =
        DescribeRun(program, size, keys, std::chrono::steady_clock::now() - start, slowest);
    return outcome;
}

}  // namespace quarnic
