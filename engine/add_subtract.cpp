#include "engine/add_subtract.h"

#include "engine/digit_codec.h"

namespace quarnic {

int AddDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b, int notation) {
    int carry = 0;
    for (int p = DIGIT_PLACES - 1; p >= 0; --p) {
        const int sum = DigitValue(a[p]) + DigitValue(b[p]) + carry;
        regs.ResultDigits[p] = DigitChar(sum % notation);
        carry = sum / notation;
    }
    regs.ResultDigits[DIGIT_PLACES] = '\0';
    // A carry out of the top place means the sum needs a 301st integer digit.
    return carry == 0 ? 0 : -1;
}

void SubtractDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                    int notation) {
    int borrow = 0;
    for (int p = DIGIT_PLACES - 1; p >= 0; --p) {
        const int difference = DigitValue(a[p]) - DigitValue(b[p]) - borrow;
        borrow = difference < 0 ? 1 : 0;
        regs.ResultDigits[p] = DigitChar(difference + borrow * notation);
    }
    regs.ResultDigits[DIGIT_PLACES] = '\0';
}

int CompareDigits(const DigitString& a, const DigitString& b) {
    for (int p = 0; p < DIGIT_PLACES; ++p) {
        const int da = DigitValue(a[p]);
        const int db = DigitValue(b[p]);
        if (da != db) {
            return da > db ? 1 : -1;
        }
    }
    return 0;
}

namespace {

// |minuend - subtrahend| into ResultDigits; the answer sign is +1 unless the subtrahend is the
// larger, when it is -1. Equal magnitudes give +1.
int SubtractOrdered(EngineRegisters& regs, const DigitString& minuend,
                    const DigitString& subtrahend, int notation) {
    if (CompareDigits(minuend, subtrahend) != -1) {
        SubtractDigits(regs, minuend, subtrahend, notation);
        return 1;
    }
    SubtractDigits(regs, subtrahend, minuend, notation);
    return -1;
}

}  // namespace

int AddOrSubtractSigned(EngineRegisters& regs, char op, const DigitString& a, int firstSign,
                        const DigitString& b, int secondSign, int notation, int& answerSign) {
    // Subtracting flips the second sign; then equal signs add and unequal signs subtract.
    const int second = op == '-' ? -secondSign : secondSign;
    if (firstSign == second) {
        answerSign = firstSign;
        return AddDigits(regs, a, b, notation);
    }
    answerSign = firstSign == 1 ? SubtractOrdered(regs, a, b, notation)
                                : SubtractOrdered(regs, b, a, notation);
    return 0;
}

}  // namespace quarnic
