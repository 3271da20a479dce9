// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "odometer/radixtypes.h"

#include <cstdint>
#include <string>
#include <string_view>

// Digit characters in value order; index 16 stands for the blank cell of the digit strip.
// NOLINTNEXTLINE(readability-identifier-naming): the name every page knows it by
inline constexpr std::string_view DigitAlphabet = "0123456789ABCDEF";

// All arithmetic here is unsigned 32-bit and wraps; no character is validated.
std::uint32_t RadixToInt(std::string_view text, std::uint8_t radix);
std::string IntToBin(std::uint32_t value, int digitCount);
std::string IntToOct(std::uint32_t value);
std::uint32_t OctToInt(std::string_view text);
std::string ValueToDigits(TBaseType baseType, std::uint32_t value, std::uint8_t digitCount);
