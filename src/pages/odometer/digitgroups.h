// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// A run of odometer digits, counted from 1 at the left, stored as bytes the way the
// odometer's highlight holds them (values wrap modulo 256). A start of 0 lights nothing.
struct DigitRange
{
    quint8 start;
    quint8 end;
};

// The digit position under the pointer, x pixels from the odometer's left edge: each
// wheel is 15 pixels wide and the division truncates toward zero.
int digitUnderPointer(int x);

// The hovered digit itself.
DigitRange singleDigit(int position);

// Hexadecimal digit k stands for binary digits 4k - 3 to 4k.
DigitRange hexDigitOnBinary(int k);

// Octal digit k of octalDigits stands for three binary digits of binaryDigits, counted
// from the right; the leftmost group is cut where the binary digits end.
DigitRange octalDigitOnBinary(int k, int octalDigits, int binaryDigits);
