// Key sequences through the converter as the random runs play them (the language, the warning
// dialog or the system error box in its place, keys and "Co&py answer", the clipboard checked
// after every copy), chosen by the input's bytes instead of a seed.
#include "fuzz/key_sequence_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return quarnic::FuzzKeySequence<quarnic::ConverterSequence>(data, size);
}
