#include "engine/digit_codec.h"

namespace quarnic {

int DigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'V') {
        return c - 'A' + 10;
    }
    return 0;
}

char DigitChar(int value) {
    if (value < 0) {
        return '0';
    }
    if (value < 10) {
        return static_cast<char>('0' + value);
    }
    if (value < 32) {
        return static_cast<char>('A' + value - 10);
    }
    return 'V';
}

bool IsDigitChar(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'V');
}

}  // namespace quarnic
