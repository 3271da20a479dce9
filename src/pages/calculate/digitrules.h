// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// How a digit of the board is written and read. A board character is a blank ' ' or one
// of "0"-"9" and "A"-"F".

// The character for value in radix: a blank for radix 0, a letter for 10-15 in radix 16,
// otherwise '0' + value.
char digitCharacter(unsigned value, unsigned radix);

// The value of a board character: a blank reads as 0, letters from 'A' on as 10 up.
unsigned digitValue(char character);

// The digit a typed key stands for in radix 8, 10 or 16, or nothing. In radix 16 the
// letters a-f count as A-F.
std::optional<unsigned> keyDigit(char16_t key, unsigned radix);
