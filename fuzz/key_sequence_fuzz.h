// What both key-sequence fuzz targets do with an input: its bytes make the simulated user's
// choices, the sequence is played with the state rules checked after every action, and a broken
// rule aborts with the keys that led to it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>

#include "tests/invariants/key_sequences.h"

namespace quarnic {

template <typename Sequence>
int FuzzKeySequence(const std::uint8_t* data, std::size_t size) {
    KeyChoices choices(std::span<const std::uint8_t>(data, size));
    Sequence sequence(choices);
    const std::string report = PlayToTheEnd(sequence);
    if (!report.empty()) {
        std::fprintf(stderr, "%s\n", report.c_str());
        std::abort();
    }
    return 0;
}

}  // namespace quarnic
