// The text of a saved answer: every number with every place the calculator holds, followed by
// its notation in parentheses, every line ending in CR LF. The history keeps the same lines.
#include "calc/save_text.h"

#include <charconv>
#include <string>
#include <string_view>

#include "calc/calculator_state.h"
#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"

namespace quarnic {

namespace {

constexpr int LAST_HELD_PLACE = DIGIT_PLACES - 1;

using SavedTextWriter = FixedTextWriter<SAVED_TEXT_BYTES>;

// The history's texts have no fixed bound worth a buffer: four numbers of 1202 characters.
class StringWriter {
  public:
    explicit StringWriter(std::string& text) : text_(text) {}
    void Put(char c) { text_ += c; }
    void Put(std::string_view part) { text_ += part; }
    void PutDecimal(int value) {
        char digits[16];
        const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        text_.append(digits, static_cast<std::size_t>(end - digits));
    }

  private:
    std::string& text_;
};

template <class Out>
void EndLine(Out& out) {
    out.Put("\r\n");
}

// A zero-filled buffer holds NUL bytes where digits belong; they are written as "0".
template <class Out>
void PutPlaces(Out& out, const DigitString& digits, int from, int to) {
    for (int place = from; place <= to; ++place) {
        out.Put(DigitChar(DigitValue(digits[place])));
    }
}

template <class Out>
void PutNumber(Out& out, const DigitString& digits, int sign, int notation, int lastPlace) {
    int first = 0;
    while (first <= lastPlace && DigitValue(digits[first]) == 0) {
        ++first;
    }
    int last = lastPlace;
    while (last >= first && DigitValue(digits[last]) == 0) {
        --last;
    }
    if (first > lastPlace) {
        out.Put('0');  // zero has no sign
    } else {
        if (sign == -1) {
            out.Put('-');
        }
        if (first < INTEGER_PLACES) {
            PutPlaces(out, digits, first, UNITS_PLACE);
        } else {
            out.Put('0');
        }
        if (last >= INTEGER_PLACES) {
            out.Put('.');
            PutPlaces(out, digits, INTEGER_PLACES, last);
        }
    }
    out.Put(" (");
    out.PutDecimal(notation);
    out.Put(')');
}

template <class Out>
void PutRootLine(Out& out, const SqrtState& sqrt, int lastPlace) {
    out.PutDecimal(sqrt.SqrtRepeatCount);
    out.Put(" time(s) SQRT : ");
    PutNumber(out, sqrt.KeptRoot, 1, sqrt.SqrtNotation, lastPlace);
    EndLine(out);
}

template <class Out>
void PutCalculation(Out& out, const LastCalculation& last, const SqrtState& sqrt, int lastPlace) {
    PutNumber(out, last.FirstDigits, last.FirstSign, last.FirstNotation, lastPlace);
    out.Put(' ');
    out.Put(TextOf(last.Operator));
    EndLine(out);

    PutNumber(out, last.SecondDigits, last.SecondSign, last.SecondNotation, lastPlace);
    out.Put(" =");
    EndLine(out);

    // After roots the answer they started from is kept; the latest root follows it.
    if (sqrt.SqrtRepeatCount > 0) {
        PutNumber(out, sqrt.PreSqrtAnswer, 1, sqrt.PreSqrtNotation, lastPlace);
        EndLine(out);
        PutRootLine(out, sqrt, lastPlace);
    } else {
        PutNumber(out, last.AnswerDigits, last.AnswerSign, last.AnswerNotation, lastPlace);
        EndLine(out);
    }
}

}  // namespace

int BuildSavedText(const LastCalculation& last, const SqrtState& sqrt, SavedText& text) {
    ClearText(text);
    SavedTextWriter out(text);
    PutCalculation(out, last, sqrt, LAST_HELD_PLACE);
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
    StringWriter out(text);
    PutNumber(out, digits, sign, notation, LAST_HELD_PLACE);
    return text;
}

std::string BuildFullRootText(const SqrtState& sqrt) {
    std::string text;
    StringWriter out(text);
    PutNumber(out, sqrt.PreSqrtOperand, 1, sqrt.PreSqrtOperandNotation, LAST_HELD_PLACE);
    EndLine(out);
    PutRootLine(out, sqrt, LAST_HELD_PLACE);
    return text;
}

}  // namespace quarnic
