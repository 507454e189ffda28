// The engine's slowest operations, the engine and the exact reference side by side.
// Build with the bench preset; see the README for how to run and read it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "engine/engine.h"
#include "engine/exact_root.h"
#include "tests/reference/reference_engine.h"

namespace quarnic {
namespace {

// Random digits below the notation: integerDigits above the point (the first nonzero) and
// fractionDigits below it (the last nonzero); the same operands on every run.
DigitString Operand(int integerDigits, int fractionDigits, int notation, uint32_t seed) {
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> digit(0, notation - 1);
    std::uniform_int_distribution<int> nonzero(1, notation - 1);
    DigitString d;
    d.fill('0');
    d[DIGIT_PLACES] = '\0';
    for (int p = INTEGER_PLACES - integerDigits; p < INTEGER_PLACES + fractionDigits; ++p) {
        d[p] = DigitChar(digit(rng));
    }
    if (integerDigits > 0) {
        d[INTEGER_PLACES - integerDigits] = DigitChar(nonzero(rng));
    }
    if (fractionDigits > 0) {
        d[INTEGER_PLACES + fractionDigits - 1] = DigitChar(nonzero(rng));
    }
    return d;
}

// "/" of a full dividend by a divisor with 300 significant digits (100 above the point).
template <int (*Divide)(EngineRegisters&, const DigitString&, const DigitString&, int)>
void DivideFull(benchmark::State& state) {
    const int notation = static_cast<int>(state.range(0));
    const DigitString n = Operand(300, 900, notation, 1);
    const DigitString d = Operand(100, 200, notation, 2);
    EngineRegisters regs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Divide(regs, n, d, notation));
    }
}

// "*" of two operands with 150 integer and 450 fraction places.
template <int (*Multiply)(EngineRegisters&, const DigitString&, const DigitString&, int)>
void MultiplyHalf(benchmark::State& state) {
    const int notation = static_cast<int>(state.range(0));
    const DigitString a = Operand(150, 450, notation, 3);
    const DigitString b = Operand(150, 450, notation, 4);
    EngineRegisters regs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Multiply(regs, a, b, notation));
    }
}

// "+" of two full operands (a carry through every place).
void AddFull(benchmark::State& state) {
    const int notation = static_cast<int>(state.range(0));
    const DigitString a = Operand(299, 900, notation, 5);
    const DigitString b = Operand(299, 900, notation, 6);
    EngineRegisters regs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(AddDigits(regs, a, b, notation));
    }
}

// Converting a full answer: 900 fraction digits and as many integer digits as fit the target.
template <int (*Convert)(EngineRegisters&, const DigitString&, int, int)>
void ConvertAnswer(benchmark::State& state) {
    const int from = static_cast<int>(state.range(0));
    const int to = static_cast<int>(state.range(1));
    const int integerDigits = std::min(299, static_cast<int>(299 * std::log(to) / std::log(from)));
    const DigitString answer = Operand(integerDigits, 900, from, 7);
    EngineRegisters regs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Convert(regs, answer, from, to));
    }
}

// The square root of a full operand cut after 300 fraction places.
void SquareRootFull(benchmark::State& state) {
    const int notation = static_cast<int>(state.range(0));
    const DigitString x = Operand(300, 900, notation, 8);
    DigitString root;
    for (auto _ : state) {
        ExactSquareRoot(x, notation, 300, root);
        benchmark::DoNotOptimize(root);
    }
}

void Notations(benchmark::internal::Benchmark* b) {
    b->Arg(2)->Arg(10)->Arg(32)->Unit(benchmark::kMillisecond);
}

// "*" and "/" in every kind of notation: the powers of two pack by shifts, the others by
// multiplying; 31 has the most limbs of them, 3 and 7 the most digits to a limb.
void AllKindsOfNotation(benchmark::internal::Benchmark* b) {
    for (int notation : {2, 3, 4, 7, 8, 10, 16, 31, 32}) {
        b->Arg(notation);
    }
    b->Unit(benchmark::kMicrosecond);
}

void ConversionPairs(benchmark::internal::Benchmark* b) {
    b->Args({10, 2})->Args({2, 32})->Args({32, 3})->Unit(benchmark::kMillisecond);
}

BENCHMARK(DivideFull<DivideDigits>)->Name("Divide/engine")->Apply(AllKindsOfNotation);
BENCHMARK(DivideFull<reference::DivideDigits>)->Name("Divide/reference")->Apply(Notations);
BENCHMARK(MultiplyHalf<MultiplyDigits>)->Name("Multiply/engine")->Apply(AllKindsOfNotation);
BENCHMARK(MultiplyHalf<reference::MultiplyDigits>)->Name("Multiply/reference")->Apply(Notations);
BENCHMARK(AddFull)->Name("Add/engine")->Apply(Notations);
BENCHMARK(ConvertAnswer<ConvertDigits>)->Name("Convert/engine")->Apply(ConversionPairs);
BENCHMARK(ConvertAnswer<reference::ConvertDigits>)
    ->Name("Convert/reference")
    ->Apply(ConversionPairs);
BENCHMARK(SquareRootFull)->Name("SquareRoot300/engine")->Apply(Notations);

}  // namespace
}  // namespace quarnic

BENCHMARK_MAIN();
