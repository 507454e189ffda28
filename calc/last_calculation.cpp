#include "calc/last_calculation.h"

namespace quarnic {

void RecordFirstOperand(LastCalculation& last, const DigitString& digits, int sign, int notation) {
    last.Recorded = true;
    last.FirstDigits = digits;
    last.FirstSign = sign;
    last.FirstNotation = notation;
}

void RecordSecondOperand(LastCalculation& last, const DigitString& digits, int sign, int notation,
                         const char* pendingOperator) {
    last.SecondDigits = digits;
    last.SecondSign = sign;
    last.SecondNotation = notation;
    // At most two characters, so the text always ends in its NUL.
    last.Operator.fill('\0');
    for (int i = 0; pendingOperator != nullptr && i < 2 && pendingOperator[i] != '\0'; ++i) {
        last.Operator[i] = pendingOperator[i];
    }
}

void RecordAnswer(LastCalculation& last, const DigitString& answerDigits, int sign, int notation) {
    last.AnswerDigits = answerDigits;
    last.AnswerSign = sign;
    last.AnswerNotation = notation;
}

}  // namespace quarnic
