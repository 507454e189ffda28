// The text of a saved answer: every number with every place the calculator holds, followed by
// its notation in parentheses, every line ending in CR LF. The history keeps the same lines.
#include "calc/save_text.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "calc/calculator_state.h"
#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "engine/digit_text.h"
#include "engine/fixed_text.h"

namespace quarnic {

namespace {

using SavedTextWriter = FixedTextWriter<SAVED_TEXT_BYTES>;

template <class Out>
void EndLine(Out& out) {
    out.Put("\r\n");
}

// A zero-filled buffer holds NUL bytes where digits belong; they are written as "0".
template <class Out>
void PutNumber(Out& out, const DigitString& digits, int sign, int notation) {
    DigitString written = digits;
    std::replace(written.begin(), written.begin() + DIGIT_PLACES, '\0', '0');
    const SignificantDigits parts = SignificantPartsOf(written);
    SpellNumber(out, sign == -1, parts.integer, parts.fraction);
    out.Put(" (");
    out.PutDecimal(notation);
    out.Put(')');
}

template <class Out>
void PutRootLine(Out& out, const SqrtState& sqrt) {
    out.PutDecimal(sqrt.SqrtRepeatCount);
    out.Put(" time(s) SQRT : ");
    PutNumber(out, sqrt.KeptRoot, 1, sqrt.SqrtNotation);
    EndLine(out);
}

template <class Out>
void PutCalculation(Out& out, const LastCalculation& last, const SqrtState& sqrt) {
    PutNumber(out, last.FirstDigits, last.FirstSign, last.FirstNotation);
    out.Put(' ');
    out.Put(TextOf(last.Operator));
    EndLine(out);

    PutNumber(out, last.SecondDigits, last.SecondSign, last.SecondNotation);
    out.Put(" =");
    EndLine(out);

    // After roots the answer they started from is kept; the latest root follows it.
    if (sqrt.SqrtRepeatCount > 0) {
        PutNumber(out, sqrt.PreSqrtAnswer, 1, sqrt.PreSqrtNotation);
        EndLine(out);
        PutRootLine(out, sqrt);
    } else {
        PutNumber(out, last.AnswerDigits, last.AnswerSign, last.AnswerNotation);
        EndLine(out);
    }
}

}  // namespace

int BuildSavedText(const LastCalculation& last, const SqrtState& sqrt, SavedText& text) {
    ClearText(text);
    SavedTextWriter out(text);
    PutCalculation(out, last, sqrt);
    return out.Length();
}

int BuildSavedText(const Calculator& calculator, SavedText& text) {
    return BuildSavedText(calculator.last, calculator.sqrt, text);
}

std::string BuildFullSavedText(const LastCalculation& last, const SqrtState& sqrt) {
    SavedText text{};
    const int length = BuildSavedText(last, sqrt, text);
    return std::string(text.data(), static_cast<std::size_t>(length));
}

std::string BuildFullNumberText(const DigitString& digits, int sign, int notation) {
    std::string text;
    StringTextWriter out(text);
    PutNumber(out, digits, sign, notation);
    return text;
}

std::string BuildFullRootText(const SqrtState& sqrt) {
    std::string text;
    StringTextWriter out(text);
    PutNumber(out, sqrt.PreSqrtOperand, 1, sqrt.PreSqrtOperandNotation);
    EndLine(out);
    PutRootLine(out, sqrt);
    return text;
}

}  // namespace quarnic
