#include "engine/exact_root.h"

#include <algorithm>

#include "engine/digit_text.h"
#include "engine/fixed_natural.h"
#include "engine/packed_places.h"

namespace quarnic {

// Only places 0 .. 299 + 2T of x can matter: the root is floor(sqrt(M)) / n^T with M the
// integer those places form, because flooring x * n^2T before the root changes no digit of
// floor(sqrt(x * n^2T)).
void ExactSquareRoot(const DigitString& x, int notation, int places, DigitString& root) {
    ClearDigits(root);
    places = std::clamp(places, 0, MAX_ROOT_FRACTION_PLACES);
    const int lastKept = UNITS_PLACE + 2 * places;
    const int first = LeadingZeroCount(x);
    if (first > lastKept) {
        return;
    }
    FixedNatural integerRoot;
    FixedNatural::SquareRoot(PackPlaces(x, first, lastKept, notation), integerRoot);
    // At most 150 + 300 digits: it always fits.
    UnpackPlaces(integerRoot, notation, UNITS_PLACE + places, root);
}

}  // namespace quarnic
