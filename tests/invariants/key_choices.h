// Where a simulated user's choices come from: a seeded generator for the random runs, or the
// bytes of a fuzzer's input, so that one sequence generator serves both.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>

namespace quarnic {

class KeyChoices {
  public:
    explicit KeyChoices(std::uint64_t seed) : rng_(seed) {}
    explicit KeyChoices(std::span<const std::uint8_t> bytes) : bytes_(bytes), fromBytes_(true) {}

    // Uniform in 0..n-1 (n >= 1).
    int Below(int n);
    // Uniform in low..high.
    int InRange(int low, int high) { return low + Below(high - low + 1); }
    // An index into weights, each as likely as its weight.
    int Weighted(std::span<const double> weights);
    // A fuzzer's bytes are used up: every further choice is 0, and a sequence should end.
    bool Exhausted() const { return fromBytes_ && next_ >= bytes_.size(); }

  private:
    // The next input byte as a number in 0..1, or 0 once the bytes are used up.
    double NextFraction();

    std::mt19937_64 rng_;
    std::span<const std::uint8_t> bytes_;
    bool fromBytes_ = false;
    std::size_t next_ = 0;
};

}  // namespace quarnic
