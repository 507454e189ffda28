// Paste of the longest numbers the calculator takes: 300 integer and 900 fraction digits
// (1200 digits), and the same text refused by the converter's rules. Build with the bench
// preset; see the README for how to run and read it.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/clipboard_commands.h"
#include "common/paste_parse.h"
#include "tests/kit/key_script.h"

namespace quarnic {
namespace {

std::string FullOperandText(char integerDigit, char fractionDigit) {
    return std::string(300, integerDigit) + "." + std::string(900, fractionDigit) + " (16)";
}

void BM_ParsePastedNumber1200Digits(benchmark::State& state) {
    const std::string text = FullOperandText('F', 'a');
    PasteRules rules;
    rules.notation = 16;
    for (auto _ : state) {
        PastedNumber number = ParsePastedNumber(text, rules);
        benchmark::DoNotOptimize(number);
    }
}
BENCHMARK(BM_ParsePastedNumber1200Digits);

// The whole key: parse, operand and console forms, notation buttons, the console repaint.
void BM_CalculatorPaste1200Digits(benchmark::State& state) {
    const std::string text = FullOperandText('7', '3');
    ScriptedCalculator scripted;
    for (auto _ : state) {
        PasteNumber(scripted.calc, text);
        benchmark::DoNotOptimize(scripted.calc.state.ConsoleText);
    }
    if (scripted.view.Messages() != 0) {
        state.SkipWithError("the paste was refused");
    }
}
BENCHMARK(BM_CalculatorPaste1200Digits)->Unit(benchmark::kMicrosecond);

// Copy of the pasted operand back into text.
void BM_CalculatorCopy1200Digits(benchmark::State& state) {
    ScriptedCalculator scripted;
    PasteNumber(scripted.calc, FullOperandText('7', '3'));
    for (auto _ : state) {
        std::string text = CopyText(scripted.calc);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_CalculatorCopy1200Digits)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarnic

BENCHMARK_MAIN();
