// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <array>

// Where the Odometer page puts its odometers and its decimal entry box, and how many
// digits each odometer has, in the one-byte or the two-byte layout. The right ends line
// up: binary and octal end at 300 (420), decimal, hexadecimal and the box at 299 or 300
// (419).
struct OdometerLayout
{
    int boardPicture; // item of the picture container: the short or the long board
    int od1Left;
    int od2Left;
    int od3Left;
    int decenterLeft;
    int decenterWidth;
    int od4Left;
    std::array<quint8, 4> digitCounts; // binary, octal, decimal, hexadecimal
    quint32 largestValue;              // 255 or 65535, the top of the width
    int decenterMaxLength;             // decimal digits of largestValue
};

// 1 gives the one-byte layout, any other value the two-byte layout.
OdometerLayout layoutForWidth(quint8 Bytes);
