// Two digit strings, an operation and a notation (or a pair of them, or a root's truncation) from
// any bytes: the engine's result code and every one of its 1200 places must equal the exact
// reference's.
//
// Input: operation, notation, second notation or truncation, then the two operands separated
// by the byte 0xFF. An operand's first two bytes choose the place of its first digit, every
// further byte a digit (its value modulo the notation).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "engine/add_subtract.h"
#include "engine/conversion.h"
#include "engine/digit_codec.h"
#include "engine/digit_text.h"
#include "engine/exact_root.h"
#include "engine/multiply_divide.h"
#include "tests/reference/reference_engine.h"

namespace {

using quarnic::DIGIT_PLACES;
using quarnic::DigitString;
using quarnic::EngineRegisters;

constexpr std::uint8_t SEPARATOR = 0xFF;

DigitString OperandOf(std::basic_string_view<std::uint8_t> bytes, int notation) {
    DigitString digits;
    quarnic::ClearDigits(digits);
    if (bytes.size() < 2) {
        return digits;
    }
    int place = (bytes[0] * 256 + bytes[1]) % DIGIT_PLACES;
    for (std::size_t i = 2; i < bytes.size() && place < DIGIT_PLACES; ++i, ++place) {
        digits[place] = quarnic::DigitChar(bytes[i] % notation);
    }
    return digits;
}

[[noreturn]] void Fail(const char* what, const DigitString& a, const DigitString& b, int notation) {
    std::fprintf(stderr, "%s in notation %d\na %.*s\nb %.*s\n", what, notation, DIGIT_PLACES,
                 a.data(), DIGIT_PLACES, b.data());
    std::abort();
}

void Compare(const char* what, int code, int expectedCode, const DigitString& got,
             const DigitString& expected, const DigitString& a, const DigitString& b,
             int notation) {
    if (code != expectedCode) {
        Fail(what, a, b, notation);
    }
    if (std::string_view(got.data(), DIGIT_PLACES) !=
        std::string_view(expected.data(), DIGIT_PLACES)) {
        Fail(what, a, b, notation);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) {
        return 0;
    }
    const int operation = data[0] % 6;
    const int notation = quarnic::MIN_NOTATION + data[1] % 31;
    const int other = quarnic::MIN_NOTATION + data[2] % 31;
    const std::basic_string_view<std::uint8_t> rest(data + 3, size - 3);
    const std::size_t split = rest.find(SEPARATOR);
    const DigitString a = OperandOf(rest.substr(0, split), notation);
    const DigitString b = OperandOf(split == std::basic_string_view<std::uint8_t>::npos
                                        ? std::basic_string_view<std::uint8_t>()
                                        : rest.substr(split + 1),
                                    notation);

    static EngineRegisters engine;
    static EngineRegisters model;
    quarnic::ClearDigits(engine.ResultDigits);
    quarnic::ClearDigits(model.ResultDigits);
    switch (operation) {
        case 0:
            Compare("sum", quarnic::AddDigits(engine, a, b, notation),
                    quarnic::reference::AddDigits(model, a, b, notation), engine.ResultDigits,
                    model.ResultDigits, a, b, notation);
            break;
        case 1: {
            const bool ordered = quarnic::CompareDigits(a, b) >= 0;
            quarnic::SubtractDigits(engine, ordered ? a : b, ordered ? b : a, notation);
            quarnic::reference::SubtractDigits(model, ordered ? a : b, ordered ? b : a, notation);
            Compare("difference", 0, 0, engine.ResultDigits, model.ResultDigits, a, b, notation);
            break;
        }
        case 2:
            Compare("product", quarnic::MultiplyDigits(engine, a, b, notation),
                    quarnic::reference::MultiplyDigits(model, a, b, notation), engine.ResultDigits,
                    model.ResultDigits, a, b, notation);
            break;
        case 3:
            Compare("quotient", quarnic::DivideDigits(engine, a, b, notation),
                    quarnic::reference::DivideDigits(model, a, b, notation), engine.ResultDigits,
                    model.ResultDigits, a, b, notation);
            break;
        case 4:
            Compare("conversion", quarnic::ConvertDigits(engine, a, notation, other),
                    quarnic::reference::ConvertDigits(model, a, notation, other),
                    engine.ResultDigits, model.ResultDigits, a, b, notation);
            break;
        default: {
            const int places = 100 * (1 + other % 3);
            DigitString root;
            DigitString expected;
            quarnic::ExactSquareRoot(a, notation, places, root);
            quarnic::reference::SquareRoot(a, notation, places, expected);
            Compare("root", 0, 0, root, expected, a, b, notation);
            break;
        }
    }
    return 0;
}
