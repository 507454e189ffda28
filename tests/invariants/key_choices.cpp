#include "tests/invariants/key_choices.h"

#include <algorithm>
#include <numeric>

namespace quarnic {

double KeyChoices::NextFraction() {
    if (next_ >= bytes_.size()) {
        return 0;
    }
    return bytes_[next_++] / 256.0;
}

int KeyChoices::Below(int n) {
    if (!fromBytes_) {
        return std::uniform_int_distribution<int>(0, n - 1)(rng_);
    }
    return std::min(static_cast<int>(NextFraction() * n), n - 1);
}

int KeyChoices::Weighted(std::span<const double> weights) {
    if (!fromBytes_) {
        return std::discrete_distribution<int>(weights.begin(), weights.end())(rng_);
    }
    double left = NextFraction() * std::accumulate(weights.begin(), weights.end(), 0.0);
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (left < weights[i]) {
            return static_cast<int>(i);
        }
        left -= weights[i];
    }
    return static_cast<int>(weights.size()) - 1;
}

}  // namespace quarnic
