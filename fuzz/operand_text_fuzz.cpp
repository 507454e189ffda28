// Any bytes as an operand text: parsing must stay inside the digit string and leave its NUL;
// a text in the plain form must come back from FormatAnswerText in its shortest spelling.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/digit_codec.h"
#include "engine/digit_text.h"

namespace {

using quarnic::DIGIT_PLACES;
using quarnic::INTEGER_PLACES;

[[noreturn]] void Fail(std::string_view text, const char* what) {
    std::fprintf(stderr, "text \"%.*s\": %s\n", static_cast<int>(text.size()), text.data(), what);
    std::abort();
}

bool IsPlainForm(std::string_view text) {
    std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    int points = 0;
    int digits = 0;
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] == '.') {
            ++points;
        } else if (quarnic::IsDigitChar(text[i])) {
            ++digits;
        } else {
            return false;
        }
    }
    return points <= 1 && digits > 0;
}

// The text FormatAnswerText writes for a parsed plain-form text: no leading integer zeros, no
// trailing fraction zeros, at most 900 fraction places, every one of them kept.
std::string ShortestSpelling(std::string_view text) {
    bool negative = text[0] == '-';
    std::string_view body = text.substr(negative ? 1 : 0);
    std::size_t point = body.find('.');
    std::string whole(body.substr(0, point));
    std::string fraction(point == std::string_view::npos ? "" : body.substr(point + 1));
    fraction = fraction.substr(0, DIGIT_PLACES - INTEGER_PLACES);
    whole.erase(0, whole.find_first_not_of('0'));
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (whole.empty() && fraction.empty()) {
        return "0";
    }
    std::string sign = negative ? "-" : "";
    if (whole.empty()) {
        return sign + "0." + fraction;
    }
    return sign + whole + (fraction.empty() ? "" : "." + fraction);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    bool negativeAllowed = (data[0] & 1) != 0;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    static quarnic::EngineRegisters regs;
    int sign = 0;
    int result = quarnic::ParseOperandText(text, negativeAllowed, regs.ResultDigits, sign);
    if (result != 0 && result != -1) {
        Fail(text, "result is neither 0 nor -1");
    }
    if (regs.ResultDigits[DIGIT_PLACES] != '\0') {
        Fail(text, "the digit string lost its NUL");
    }
    if (result != 0 || !IsPlainForm(text)) {
        return 0;
    }
    if (sign != (text[0] == '-' ? -1 : 1) || (text[0] == '-' && !negativeAllowed)) {
        Fail(text, "wrong sign, or a refused \"-\" accepted");
    }
    quarnic::FormatAnswerText(regs, sign, quarnic::TO_RESULT_PLAIN_TEXT);
    if (std::string_view(regs.ResultPlainText.data()) != ShortestSpelling(text)) {
        Fail(text, "does not format back to its shortest spelling");
    }
    return 0;
}
