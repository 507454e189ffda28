// The text of a saved answer: every number with at most 300 fraction places, followed by its
// notation in parentheses, every line ending in CR LF.
#include <string_view>

#include "calc/calculator_state.h"
#include "calc/last_calculation.h"
#include "calc/square_root.h"
#include "engine/digit_codec.h"
#include "engine/fixed_text.h"

namespace quarnic {

namespace {

// Places past the 300th fraction place are never written.
constexpr int LAST_SAVED_PLACE = INTEGER_PLACES + 300 - 1;

using SavedTextWriter = FixedTextWriter<SAVED_TEXT_BYTES>;

void EndLine(SavedTextWriter& out) {
    out.Put("\r\n");
}

// A zero-filled buffer holds NUL bytes where digits belong; they are written as "0".
void PutPlaces(SavedTextWriter& out, const DigitString& digits, int from, int to) {
    for (int place = from; place <= to; ++place) {
        out.Put(DigitChar(DigitValue(digits[place])));
    }
}

void PutNumber(SavedTextWriter& out, const DigitString& digits, int sign, int notation) {
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

}  // namespace

int BuildSavedText(const LastCalculation& last, const SqrtState& sqrt, SavedText& text) {
    ClearText(text);
    SavedTextWriter out(text);
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
        out.PutDecimal(sqrt.SqrtRepeatCount);
        out.Put(" time(s) SQRT : ");
        PutNumber(out, sqrt.SqrtEstimate, 1, sqrt.SqrtNotation);
    } else {
        PutNumber(out, last.AnswerDigits, last.AnswerSign, last.AnswerNotation);
    }
    EndLine(out);
    return out.Length();
}

int BuildSavedText(const Calculator& calculator, SavedText& text) {
    return BuildSavedText(calculator.last, calculator.sqrt, text);
}

}  // namespace quarnic
