// Random digit strings for randomized tests, with lengths spread from one digit to full.
#pragma once

#include <random>
#include <string>

#include "engine/digit_string.h"

namespace quarnic::exact {

class RandomOperands {
  public:
    explicit RandomOperands(uint32_t seed) : rng_(seed) {}

    int Notation() { return Uniform(2, 32); }
    int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

    // A length in 0..maximum, about as often short as long (uniform in its number of bits).
    int SpreadLength(int maximum);

    // `count` random digits below the notation; the first is nonzero when leadingNonzero.
    std::string DigitText(int count, int notation, bool leadingNonzero = false);

    // A digit string with the given numbers of integer and fraction digits, its top integer
    // digit and last fraction digit nonzero so that the lengths are exact.
    DigitString Operand(int integerDigits, int fractionDigits, int notation);

    // Integer and fraction lengths each spread over 0..maximum.
    DigitString SpreadOperand(int notation, int maxInteger = INTEGER_PLACES,
                              int maxFraction = FRACTION_PLACES);

    std::mt19937& Engine() { return rng_; }

  private:
    std::mt19937 rng_;
};

// The seed of a randomized test: QUARNIC_SEED from the environment when set, else `fixed`.
uint32_t TestSeed(uint32_t fixed);

// How many times longer a randomized run should be (QUARNIC_LONG, default 1).
int RunLengthFactor();

}  // namespace quarnic::exact
