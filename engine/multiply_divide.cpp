#include "engine/multiply_divide.h"

#include "engine/digit_text.h"
#include "engine/fixed_natural.h"
#include "engine/packed_places.h"

namespace quarnic {

// Place p weighs notation^(299 - p), so a number whose significant places run from f to l is
// its packed places times notation^(299 - l); the product's units then weigh
// notation^(598 - la - lb), the weight of place la + lb - 299, cut where that is beyond place
// 1199 by UnpackPlaces (ResultDigits left as it was when the product, or its limbs, overflow).
int MultiplyDigits(EngineRegisters& regs, const DigitString& a, const DigitString& b,
                   int notation) {
    const SignificantPlaces pa = FindSignificantPlaces(a);
    const SignificantPlaces pb = FindSignificantPlaces(b);
    if (pa.IsZero() || pb.IsZero()) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    FixedNatural product;
    if (!FixedNatural::Multiply(PackPlaces(a, pa.first, pa.last, notation),
                                PackPlaces(b, pb.first, pb.last, notation), product)) {
        return -1;
    }
    return UnpackPlaces(product, notation, pa.last + pb.last - UNITS_PLACE, regs.ResultDigits);
}

// n / d = N * notation^(ln - 299) / (D * notation^(ld - 299)); cut after 900 fraction places
// that is floor(N * notation^(900 + ld - ln) / D), the power moved to the divisor when it is
// negative.
int DivideDigits(EngineRegisters& regs, const DigitString& n, const DigitString& d, int notation) {
    const SignificantPlaces pd = FindSignificantPlaces(d);
    if (pd.IsZero()) {
        return -1;
    }
    const SignificantPlaces pn = FindSignificantPlaces(n);
    if (pn.IsZero()) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    FixedNatural dividend = PackPlaces(n, pn.first, pn.last, notation);
    FixedNatural divisor = PackPlaces(d, pd.first, pd.last, notation);
    const int scale = FRACTION_PLACES + pd.last - pn.last;
    if (scale >= 0 ? !dividend.MultiplyByPower(notation, scale)
                   : !divisor.MultiplyByPower(notation, -scale)) {
        return -1;
    }
    FixedNatural quotient;
    FixedNatural remainder;
    FixedNatural::DivMod(dividend, divisor, quotient, remainder);
    return UnpackPlaces(quotient, notation, DIGIT_PLACES - 1, regs.ResultDigits);
}

}  // namespace quarnic
