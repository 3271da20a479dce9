// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/conversions.h"

#include <algorithm>

namespace {

std::string shortestDigits(std::uint32_t value, std::uint32_t radix)
{
    std::string text;
    do {
        text.insert(text.begin(), DigitAlphabet[value % radix]);
        value /= radix;
    } while (value != 0);
    return text;
}

} // namespace

std::uint32_t RadixToInt(std::string_view text, std::uint8_t radix)
{
    std::uint32_t result = 0;
    std::uint32_t weight = 1;
    for (std::size_t place = text.size(); place-- > 0;) {
        auto c = static_cast<unsigned char>(text[place]);
        if (c >= 'a' && c <= 'z')
            c = static_cast<unsigned char>(c - 'a' + 'A');
        const std::uint32_t digit = c <= 64 ? c - 48u : c - 55u;
        result += digit * weight;
        weight *= radix;
    }
    return result;
}

std::string IntToBin(std::uint32_t value, int digitCount)
{
    const int count = std::min(digitCount, 32);
    std::string text;
    for (int k = count; k >= 1; --k)
        text += ((value >> (k - 1)) & 1u) ? '1' : '0';
    return text;
}

std::string IntToOct(std::uint32_t value)
{
    return shortestDigits(value, 8);
}

std::uint32_t OctToInt(std::string_view text)
{
    std::uint32_t sum = 0;
    std::uint32_t weight = 1;
    for (std::size_t place = text.size(); place-- > 0;) {
        sum += (static_cast<unsigned char>(text[place]) - 48u) * weight;
        weight *= 8;
    }
    return sum;
}

std::string ValueToDigits(TBaseType baseType, std::uint32_t value, std::uint8_t digitCount)
{
    std::string text;
    switch (baseType) {
    case btBinary:
        return IntToBin(value, digitCount);
    case btOctal:
        text = IntToOct(value);
        break;
    case btDecimal:
        text = shortestDigits(value, 10);
        break;
    case btHexadecimal:
        text = shortestDigits(value, 16);
        break;
    }
    if (text.size() < digitCount)
        text.insert(0, digitCount - text.size(), '0');
    return text;
}
