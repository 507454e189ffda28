// The text of a saved answer: every number with at most 300 fraction places, followed by its
// notation in parentheses, every line ending in CR LF.
#include <cstdio>
#include <string_view>

#include "calc/calculator_state.h"
#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "engine/digit_codec.h"

namespace quarnic {

namespace {

// Places past the 300th fraction place are never written.
constexpr int LAST_SAVED_PLACE = INTEGER_PLACES + 300 - 1;

// Appends to the text without ever passing its end; the NUL always follows the last character.
class TextWriter {
  public:
    explicit TextWriter(SavedText& text) : text_(text) { text_.fill('\0'); }

    void Put(char c) {
        if (length_ + 1 < SAVED_TEXT_BYTES) {
            text_[length_++] = c;
        }
    }
    void Put(std::string_view part) {
        for (char c : part) {
            Put(c);
        }
    }
    void PutDecimal(int value) {
        char digits[16];
        std::snprintf(digits, sizeof digits, "%d", value);
        Put(std::string_view(digits));
    }
    void EndLine() { Put("\r\n"); }
    int Length() const { return length_; }

  private:
    SavedText& text_;
    int length_ = 0;
};

// A zero-filled buffer holds NUL bytes where digits belong; they are written as "0".
void PutPlaces(TextWriter& out, const DigitString& digits, int from, int to) {
    for (int place = from; place <= to; ++place) {
        out.Put(DigitChar(DigitValue(digits[place])));
    }
}

void PutNumber(TextWriter& out, const DigitString& digits, int sign, int notation) {
    int first = 0;
    while (first <= LAST_SAVED_PLACE && DigitValue(digits[first]) == 0) {
        ++first;
    }
    int last = LAST_SAVED_PLACE;
    while (last >= first && DigitValue(digits[last]) == 0) {
        --last;
    }
    if (first > LAST_SAVED_PLACE) {
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

std::string_view OperatorOf(const LastCalculation& last) {
    std::string_view op(last.Operator.data(), last.Operator.size());
    return op.substr(0, op.find('\0'));
}

}  // namespace

int BuildSavedText(const LastCalculation& last, const SqrtState& sqrt, SavedText& text) {
    TextWriter out(text);
    PutNumber(out, last.FirstDigits, last.FirstSign, last.FirstNotation);
    out.Put(' ');
    out.Put(OperatorOf(last));
    out.EndLine();

    PutNumber(out, last.SecondDigits, last.SecondSign, last.SecondNotation);
    out.Put(" =");
    out.EndLine();

    // After roots the answer they started from is kept; the latest root follows it.
    if (sqrt.SqrtRepeatCount > 0) {
        PutNumber(out, sqrt.PreSqrtAnswer, 1, sqrt.PreSqrtNotation);
        out.EndLine();
        out.PutDecimal(sqrt.SqrtRepeatCount);
        out.Put(" time(s) SQRT : ");
        PutNumber(out, sqrt.SqrtEstimate, 1, sqrt.SqrtNotation);
    } else {
        PutNumber(out, last.AnswerDigits, last.AnswerSign, last.AnswerNotation);
    }
    out.EndLine();
    return out.Length();
}

int BuildSavedText(const Calculator& calculator, SavedText& text) {
    return BuildSavedText(calculator.last, calculator.sqrt, text);
}

}  // namespace quarnic
