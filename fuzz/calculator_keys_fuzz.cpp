// Each input byte is one user action on the calculator's window (a key, or the square-root
// setting dialog with a radio and an ending); the state rules are checked after every one.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/invariants/calculator_actions.h"
#include "tests/invariants/calculator_invariants.h"

namespace {

// Long enough for any sequence a user types, short enough that one input stays quick.
constexpr std::size_t LONGEST_SEQUENCE = 200;

[[noreturn]] void Report(const std::string& keys, const std::string& broken) {
    std::fprintf(stderr, "keys: %s\nbroken: %s\n", keys.c_str(), broken.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quarnic;
    std::span<const CalculatorAction> actions = AllCalculatorActions();
    ScriptedCalculator scripted;
    std::string keys;
    for (std::size_t i = 0; i < size && i < LONGEST_SEQUENCE; ++i) {
        const CalculatorAction& action = actions[data[i] % actions.size()];
        keys += CalculatorActionName(action) + " ";
        PerformCalculatorAction(scripted, action);
        std::string broken = FindCalculatorViolation(scripted.calc, scripted.view);
        if (!broken.empty()) {
            Report(keys, broken);
        }
    }
    return 0;
}
