// A key of the converter while its "All notations" window is open: the typed number converted
// into all 31 notations and the list's lines formed and sent, on the recording view. The
// longest number there is, 64 binary digits, makes every conversion as long as it gets. Build
// with the bench preset; see the README for how to run and read it.
#include <benchmark/benchmark.h>

#include "conv/all_notations.h"
#include "conv/conv_ids.h"
#include "conv/converter_commands.h"
#include "conv/converter_state.h"
#include "tests/kit/recording_converter_view.h"

namespace quarnic {
namespace {

struct OpenWindow {
    OpenWindow() {
        converter.view = &view;
        SetUpConverterStart(converter);
        DispatchConverterCommand(converter, IDC_CONV_FROM_2);
        for (int i = 0; i < MAX_TYPED_DIGITS - 1; ++i) {
            DispatchConverterCommand(converter, IDC_CONV_DIGIT_1);
        }
        DispatchConverterCommand(converter, IDM_CONV_ALL_NOTATIONS);
    }

    RecordingConverterView view;
    Converter converter;
};

// The 64th digit, then "Clear Error" back to 63: two keys, each of which changes every line.
void BM_AllNotationsTwoKeysAt64BinaryDigits(benchmark::State& state) {
    OpenWindow window;
    for (auto _ : state) {
        DispatchConverterCommand(window.converter, IDC_CONV_DIGIT_1);
        DispatchConverterCommand(window.converter, IDC_CONV_CLEAR_ERROR);
    }
    if (window.view.AllNotationsLines()[0].find("1111 1111") == std::string::npos) {
        state.SkipWithError("the lines do not show the typed number");
    }
}
BENCHMARK(BM_AllNotationsTwoKeysAt64BinaryDigits)->Unit(benchmark::kMicrosecond);

// A To key: one conversion for the answer console, the two marked lines sent again.
void BM_AllNotationsToKey(benchmark::State& state) {
    OpenWindow window;
    for (auto _ : state) {
        DispatchConverterCommand(window.converter, IDC_CONV_TO_16);
        DispatchConverterCommand(window.converter, IDC_CONV_TO_2);
    }
}
BENCHMARK(BM_AllNotationsToKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quarnic

BENCHMARK_MAIN();
