// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Radix of an odometer; stored as one byte.
enum TBaseType : std::uint8_t { btBinary = 0, btOctal = 1, btDecimal = 2, btHexadecimal = 3 };

// How an odometer shows a step of one; stored as one byte.
enum TAnimationType : std::uint8_t { atNone = 0, atSynchronous = 1, atAsynchronous = 2 };

constexpr std::uint32_t radixOf(TBaseType baseType)
{
    constexpr std::uint32_t radixes[] = {2, 8, 10, 16};
    return radixes[baseType];
}
