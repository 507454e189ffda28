// What a window computes when it reaches a monitor of another DPI, from what was measured there:
// the layout values, every control's place, the carriers of the painted texts and the bands
// painted in the console colour, for each main window; and a tool window's template placed in
// pixels and the All notations list fitted. The fonts are those recorded for the layout tests.
// A change must stay well under 50 ms; build with the bench preset (see the README).
#include <benchmark/benchmark.h>

#include "calc/calculator_layout.h"
#include "common/dialog_template.h"
#include "conv/all_notations.h"
#include "conv/converter_layout.h"
#include "tests/common/recorded_fonts.h"

namespace quarnic {
namespace {

using recorded::ENGLISH;

// 96 -> 144 -> 192 -> 96: the changes of the end-to-end test.
constexpr int STEPS[] = {2, 4, 0};

void BM_CalculatorDpiChanges(benchmark::State& state) {
    for (auto _ : state) {
        for (int step : STEPS) {
            const recorded::Font& font = ENGLISH[static_cast<std::size_t>(step)];
            const double margin = CalculatorSideMargin(font.calculatorSample, font.marginSample);
            const Layout layout = LayoutAfterDpiChange(
                recorded::InputsFrom(font, font.calculatorSample, margin, 9), 100, 100);
            const KeyGeometry g = layout.Geometry();
            benchmark::DoNotOptimize(CalculatorKeyPlacements(g));
            benchmark::DoNotOptimize(CalculatorTextCarriersFor(g));
            benchmark::DoNotOptimize(
                CalculatorBandsFor(g, layout.WindowWidth, layout.WindowHeight));
            benchmark::DoNotOptimize(RadicalSignPoints(layout.KeyWidth, layout.KeyHeight));
        }
    }
}
BENCHMARK(BM_CalculatorDpiChanges)->Unit(benchmark::kMicrosecond);

void BM_ConverterDpiChanges(benchmark::State& state) {
    for (auto _ : state) {
        for (int step : STEPS) {
            const recorded::Font& font = ENGLISH[static_cast<std::size_t>(step)];
            const Layout layout = LayoutAfterDpiChange(
                recorded::InputsFrom(font, font.converterSample,
                                     ConverterSideMargin(font.converterSample, 0), 10),
                100, 100);
            const KeyGeometry g = layout.Geometry();
            benchmark::DoNotOptimize(ConverterControls(g));
            benchmark::DoNotOptimize(ConverterTextCarriers(g));
            benchmark::DoNotOptimize(ConverterBands(g, layout.WindowWidth, layout.WindowHeight));
        }
    }
}
BENCHMARK(BM_ConverterDpiChanges)->Unit(benchmark::kMicrosecond);

// The history window's template: 13 items in dialog units, placed at three DPIs.
void BM_ToolWindowTemplateDpiChanges(benchmark::State& state) {
    DialogTemplate dialog;
    dialog.cx = 320;
    dialog.cy = 236;
    for (int id = 0; id < 13; ++id) {
        dialog.items.push_back({230 + id, 7 + id, 5 + 16 * id, 48, 14});
    }
    const DialogBaseUnits units[] = {BaseUnitsOf(312, 13), BaseUnitsOf(468, 19),
                                     BaseUnitsOf(624, 25)};
    const AllNotationsPlaces list{{11, 11, 600, 417}, {11, 437, 75, 21}, 621, 468};
    for (auto _ : state) {
        for (const DialogBaseUnits& at : units) {
            benchmark::DoNotOptimize(TemplateInPixels(dialog, at));
            benchmark::DoNotOptimize(FitAllNotationsList(list, 4, 4, 900, at.y));
        }
    }
}
BENCHMARK(BM_ToolWindowTemplateDpiChanges)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarnic

BENCHMARK_MAIN();
