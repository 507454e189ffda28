// The first input byte chooses the language and whether the warning dialog can appear (else
// the system error box stands in), each further byte one user action on the
// converter's window (a key or "Co&py answer"); the state rules are checked after every one,
// and the clipboard after every copy.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "conv/conv_ids.h"
#include "tests/invariants/converter_actions.h"
#include "tests/invariants/converter_invariants.h"

namespace {

constexpr std::size_t LONGEST_SEQUENCE = 400;

[[noreturn]] void Report(const std::string& keys, const std::string& broken) {
    std::fprintf(stderr, "keys: %s\nbroken: %s\n", keys.c_str(), broken.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarnic;
    if (size == 0) {
        return 0;
    }
    std::span<const int> actions = AllConverterActions();
    ScriptedConverter scripted(/*japanese=*/(data[0] & 1) != 0);
    if ((data[0] & 2) != 0) {
        scripted.view.FailDialogs();
    }
    std::string keys;
    for (std::size_t i = 1; i < size && i <= LONGEST_SEQUENCE; ++i) {
        int id = actions[data[i] % actions.size()];
        keys += ConverterActionName(id) + " ";
        bool pressed = PerformConverterAction(scripted, id);
        std::string broken = FindConverterViolation(scripted.converter, scripted.view);
        if (broken.empty() && pressed && id == IDM_CONV_COPY_ANSWER) {
            broken = FindClipboardViolation(scripted.converter, scripted.view);
        }
        if (!broken.empty()) {
            Report(keys, broken);
        }
    }
    return 0;
}
