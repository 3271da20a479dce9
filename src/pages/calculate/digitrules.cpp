// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/calculate/digitrules.h"

char digitCharacter(unsigned value, unsigned radix)
{
    if (radix == 0)
        return ' ';
    if (radix == 16 && value > 9)
        return char('A' + (value - 10));
    return char('0' + value);
}

unsigned digitValue(char character)
{
    if (character == ' ')
        return 0;
    if (character >= 'A')
        return unsigned(character - 55);
    return unsigned(character - 48);
}

std::optional<unsigned> keyDigit(char16_t key, unsigned radix)
{
    if (key >= u'0' && key <= u'9') {
        const unsigned value = key - u'0';
        if (radix == 8 && value > 7)
            return std::nullopt;
        return value;
    }
    if (radix == 16) {
        if (key >= u'A' && key <= u'F')
            return 10u + (key - u'A');
        if (key >= u'a' && key <= u'f')
            return 10u + (key - u'a');
    }
    return std::nullopt;
}
