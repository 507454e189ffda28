// The history's costs: "=" with its entry appended to a real file, the start with a full file
// (500 entries of numbers with 300 + 900 digits, read and checked), and the text the window
// builds to fill its list and show one entry in full. Build with the bench preset; see the
// README for how to run and read it.
#include <benchmark/benchmark.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "calc/history_commands.h"
#include "history/history.h"
#include "history/history_entry.h"
#include "history/history_file.h"
#include "tests/kit/file_history_files.h"
#include "tests/kit/key_script.h"

namespace quarnic {
namespace {

std::filesystem::path BenchFile(const char* name) {
    return std::filesystem::temp_directory_path() / name;
}

std::string FullNumber(char integerDigit, char fractionDigit) {
    return std::string(300, integerDigit) + "." + std::string(900, fractionDigit) + " (10)";
}

// The longest calculation entries there are: three numbers of 300 + 900 digits.
std::deque<std::string> FullEntries() {
    std::deque<std::string> entries;
    for (int i = 0; i < HISTORY_LIMIT; ++i) {
        const char digit = static_cast<char>('1' + i % 9);
        entries.push_back(FullNumber(digit, '3') + " *\r\n" + FullNumber('2', digit) + " =\r\n" +
                          FullNumber('9', '7') + "\r\n");
    }
    return entries;
}

void BM_EqualsAppendedToFile(benchmark::State& state) {
    const std::filesystem::path path = BenchFile("quarnic-bench-append.txt");
    std::filesystem::remove(path);
    ScriptedCalculator scripted;
    FileHistoryFiles files(path);
    HistoryFileKeeper keeper(scripted.history, files);
    keeper.Load();
    ApplyKeyScript(scripted, "1 2 3 . 4 5 6 * 7 8 . 9 =");
    int added = 0;
    for (auto _ : state) {
        // Below the limit, so each "=" appends and nothing is trimmed.
        if (++added == HISTORY_LIMIT - 1) {
            state.PauseTiming();
            scripted.history.Clear();
            added = 0;
            state.ResumeTiming();
        }
        ApplyKeyScript(scripted, "+ 3 =");
    }
    if (keeper.WriteFailed() || scripted.history.Count() == 0) {
        state.SkipWithError("the history file was not written");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_EqualsAppendedToFile)->Unit(benchmark::kMicrosecond);

void BM_StartWithFullFile(benchmark::State& state) {
    const std::filesystem::path path = BenchFile("quarnic-bench-full.txt");
    {
        const std::string text = HistoryFileText(FullEntries());
        std::ofstream(path, std::ios::binary).write(text.data(), static_cast<long>(text.size()));
    }
    for (auto _ : state) {
        CalculationHistory history;
        FileHistoryFiles files(path);
        HistoryFileKeeper keeper(history, files);
        keeper.Load();
        if (history.Count() != HISTORY_LIMIT || !keeper.SetAsideFileName().empty()) {
            state.SkipWithError("the full file did not load");
            break;
        }
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_StartWithFullFile)->Unit(benchmark::kMillisecond);

// What the window does to fill its list with 500 entries and show the newest in full: the
// one-line forms, the grouped form and the number in its own notation (the Win32 list calls
// are not measured here).
void BM_FillListAndShowOneInFull(benchmark::State& state) {
    ScriptedCalculator scripted;
    scripted.history.Load(FullEntries());
    std::vector<EntryLine> lines;
    for (auto _ : state) {
        std::size_t characters = 0;
        for (int i = 0; i < scripted.history.Count(); ++i) {
            characters += ListLineOf(scripted.history.Text(i)).size();
        }
        ParseEntryText(scripted.history.Text(0), lines);
        std::string full = GroupedForm(lines);
        std::string number;
        EntryNumberIn(scripted.calc, scripted.history.Text(0), 10, number);
        benchmark::DoNotOptimize(characters);
        benchmark::DoNotOptimize(full);
        benchmark::DoNotOptimize(number);
    }
}
BENCHMARK(BM_FillListAndShowOneInFull)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quarnic

BENCHMARK_MAIN();
