#include "tests/support/random_operands.h"

#include <cstdlib>

#include "tests/support/exact_number.h"

namespace quarnic::exact {

namespace {
constexpr char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUV";
}

int RandomOperands::SpreadLength(int maximum) {
    if (maximum <= 0) {
        return 0;
    }
    int bits = 0;
    while ((1 << bits) <= maximum) {
        ++bits;
    }
    const int top = std::min(maximum, (1 << Uniform(0, bits)) - 1);
    return Uniform(0, top);
}

std::string RandomOperands::DigitText(int count, int notation, bool leadingNonzero) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int low = (i == 0 && leadingNonzero) ? 1 : 0;
        text.push_back(kDigits[Uniform(low, notation - 1)]);
    }
    return text;
}

DigitString RandomOperands::Operand(int integerDigits, int fractionDigits, int notation) {
    std::string integer = DigitText(integerDigits, notation, true);
    std::string fraction = DigitText(fractionDigits, notation);
    if (!fraction.empty()) {
        fraction.back() = kDigits[Uniform(1, notation - 1)];
    }
    return MakeDigits(integer, fraction);
}

DigitString RandomOperands::SpreadOperand(int notation, int maxInteger, int maxFraction) {
    const int integerDigits = SpreadLength(maxInteger);
    const int fractionDigits = SpreadLength(maxFraction);
    return Operand(integerDigits, fractionDigits, notation);
}

uint32_t TestSeed(uint32_t fixed) {
    const char* text = std::getenv("QUARNIC_SEED");
    return text != nullptr ? static_cast<uint32_t>(std::strtoul(text, nullptr, 10)) : fixed;
}

int RunLengthFactor() {
    const char* text = std::getenv("QUARNIC_LONG");
    const int factor = text != nullptr ? std::atoi(text) : 1;
    return factor > 0 ? factor : 1;
}

}  // namespace quarnic::exact
