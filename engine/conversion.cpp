#include "engine/conversion.h"

#include "engine/digit_text.h"
#include "engine/fixed_natural.h"
#include "engine/packed_places.h"

namespace quarnic {

// With significant places f..l, s is S * from^(299 - l): an integer when l <= 299, else S over
// from^(l - 299), so its 900 places in `to` are floor(S * to^900 / from^(l - 299)).
int ConvertDigits(EngineRegisters& regs, const DigitString& s, int from, int to) {
    const SignificantPlaces places = FindSignificantPlaces(s);
    if (places.IsZero()) {
        ClearDigits(regs.ResultDigits);
        return 0;
    }
    FixedNatural value = PackPlaces(s, places.first, places.last, from);
    const int fractionDigits = places.last - UNITS_PLACE;
    // s is packed: ResultDigits may be written now, and is left as it was on failure.
    if (fractionDigits <= 0) {
        return value.MultiplyByPower(from, -fractionDigits)
                   ? UnpackPlaces(value, to, UNITS_PLACE, regs.ResultDigits)
                   : -1;
    }
    FixedNatural divisor(1);
    if (!value.MultiplyByPower(to, FRACTION_PLACES) ||
        !divisor.MultiplyByPower(from, fractionDigits)) {
        return -1;
    }
    FixedNatural cut;
    FixedNatural dropped;
    FixedNatural::DivMod(value, divisor, cut, dropped);
    return cut.IsZero() ? -1 : UnpackPlaces(cut, to, DIGIT_PLACES - 1, regs.ResultDigits);
}

}  // namespace quarnic
