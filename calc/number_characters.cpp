#include "calc/number_characters.h"

namespace calc {

char ToHomeFormCharacter(char16_t unit) {
    constexpr char16_t kFullWidthDigitZero = u'\uFF10';
    constexpr char16_t kFullWidthDigitNine = u'\uFF19';

    if (unit < 0x80) {
        return static_cast<char>(unit);
    }
    if (unit >= kFullWidthDigitZero && unit <= kFullWidthDigitNine) {
        return static_cast<char>('0' + (unit - kFullWidthDigitZero));
    }
    switch (unit) {
    case u'\uFF0E':
        return '.';
    case u'\uFF0B':
        return '+';
    case u'\uFF0D':
        return '-';
    case u'\u3000':
        return ' ';
    default:
        return kNoNumberCharacter;
    }
}

} // namespace calc
