#include "engine/digit_codec.h"

namespace quarnic {

bool IsDigitChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'V');
}

}  // namespace quarnic
