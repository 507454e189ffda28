// What a main window computes when its size changes, from the fonts recorded for the layout
// tests at 96 DPI: the layout for the new client area with every control's place, the carriers
// of the painted texts, the bands and the figures; and the console formed again for the new
// width (the calculator's kept answer of 1 / 7, in its own notation and converted to 16; the
// converter's contents repainted from its state). Each must stay under 1 ms; build with the
// bench preset (see the README).
#include <benchmark/benchmark.h>

#include "calc/calculator_layout.h"
#include "calc/console_refit.h"
#include "conv/conv_ids.h"
#include "conv/converter_commands.h"
#include "conv/converter_layout.h"
#include "conv/converter_repaint.h"
#include "conv/converter_state.h"
#include "tests/common/recorded_fonts.h"
#include "tests/kit/key_script.h"
#include "tests/kit/recording_converter_view.h"

namespace quarnic {
namespace {

const recorded::Font& FontAt96() {
    return recorded::ENGLISH[0];
}

Layout SmallestCalculator() {
    const recorded::Font& font = FontAt96();
    return ComputeLayout(
        recorded::InputsFrom(font, font.calculatorSample,
                             CalculatorSideMargin(font.calculatorSample, font.marginSample), 9));
}

Layout SmallestConverter() {
    const recorded::Font& font = FontAt96();
    return ComputeLayout(recorded::InputsFrom(font, font.converterSample,
                                              ConverterSideMargin(font.converterSample, 0), 10));
}

// Maximized on a 1920 x 1080 screen.
constexpr int MAXIMIZED_WIDTH = 1920;
constexpr int MAXIMIZED_HEIGHT = 1061;

void BM_CalculatorResizeLayout(benchmark::State& state) {
    const Layout smallest = SmallestCalculator();
    for (auto _ : state) {
        const Layout layout = LayoutForClient(smallest, MAXIMIZED_WIDTH, MAXIMIZED_HEIGHT);
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = CalculatorGridStretch(layout);
        benchmark::DoNotOptimize(CalculatorKeyPlacements(g, grid));
        benchmark::DoNotOptimize(CalculatorTextCarriersFor(g, grid));
        benchmark::DoNotOptimize(CalculatorBandsFor(g, MAXIMIZED_WIDTH, MAXIMIZED_HEIGHT, grid));
        benchmark::DoNotOptimize(CalculatorConsole(g, grid));
        benchmark::DoNotOptimize(CalculatorOtherBox(g, grid));
        benchmark::DoNotOptimize(MemoryMarkAt(g, grid));
    }
}
BENCHMARK(BM_CalculatorResizeLayout)->Unit(benchmark::kMicrosecond);

void BM_ConverterResizeLayout(benchmark::State& state) {
    const Layout smallest = SmallestConverter();
    for (auto _ : state) {
        const Layout layout = LayoutForClient(smallest, MAXIMIZED_WIDTH, MAXIMIZED_HEIGHT);
        const KeyGeometry g = layout.Geometry();
        const GridStretch grid = ConverterGridStretch(layout);
        benchmark::DoNotOptimize(ConverterControls(g, grid));
        benchmark::DoNotOptimize(ConverterTextCarriers(g, grid));
        benchmark::DoNotOptimize(ConverterBands(g, MAXIMIZED_WIDTH, MAXIMIZED_HEIGHT, grid));
        for (int offset : {0, AnswerPartOffset(g)}) {
            benchmark::DoNotOptimize(ConverterConsole(g, offset, grid));
            benchmark::DoNotOptimize(ConverterOtherBox(g, offset, grid));
        }
    }
}
BENCHMARK(BM_ConverterResizeLayout)->Unit(benchmark::kMicrosecond);

// The console's width alternates between the smallest and the maximized window's, so every
// iteration forms the answer again for a new width. Argument: the notation on show.
void BM_CalculatorResizeRefit(benchmark::State& state) {
    const Layout smallest = SmallestCalculator();
    const Layout maximized = LayoutForClient(smallest, MAXIMIZED_WIDTH, MAXIMIZED_HEIGHT);
    const int widths[] = {
        ConsoleWidth(CalculatorConsole(smallest.Geometry())),
        ConsoleWidth(CalculatorConsole(maximized.Geometry(), CalculatorGridStretch(maximized)))};
    ScriptedCalculator scripted;
    ApplyKeyScript(scripted, state.range(0) == 16 ? "1 / 7 = N16" : "1 / 7 =");
    int next = 0;
    for (auto _ : state) {
        scripted.view.SetConsoleWidth(widths[next]);
        next = 1 - next;
        RefitShownAnswer(scripted.calc);
    }
}
BENCHMARK(BM_CalculatorResizeRefit)->Arg(10)->Arg(16)->Unit(benchmark::kMicrosecond);

// The converter's consoles show every digit at any width: a resize repaints them as they are.
void BM_ConverterResizeRepaint(benchmark::State& state) {
    RecordingConverterView view;
    Converter converter;
    converter.view = &view;
    SetUpConverterStart(converter);
    for (int id :
         {IDC_CONV_DIGIT_0 + 2, IDC_CONV_DIGIT_0 + 5, IDC_CONV_DIGIT_0 + 5, IDC_CONV_TO_16}) {
        DispatchConverterCommand(converter, id);
    }
    for (auto _ : state) {
        RepaintConverterContents(converter);
    }
}
BENCHMARK(BM_ConverterResizeRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarnic

BENCHMARK_MAIN();
