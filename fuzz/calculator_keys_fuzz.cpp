// Key sequences through the calculator as the random runs play them (keys and the square-root
// setting dialog), chosen by the input's bytes instead of a seed.
#include "fuzz/key_sequence_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quarnic::FuzzKeySequence<quarnic::CalculatorSequence>(data, size);
}
