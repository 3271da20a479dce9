// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "odometer/radixtypes.h"

#include <QRgb>

#include <cstdint>

class QImage;

// The colour of a highlighted wheel's glyph.
inline constexpr QRgb highlightGreen = qRgb(0, 255, 0);

// Cell of the digit strip that shows the character: its index in DigitAlphabet, or 16, the
// blank cell, for any other character.
int digitCell(char character);

// The digit of the base that carries on a step up: 1, 7, 9 or 15.
int topDigit(TBaseType baseType);

// Fills the whole target (one wheel) from the strip with the wheel's picture at the given
// point of its roll from fromChar to toChar, fraction 0 showing fromChar and 255 toChar.
// A carry or borrow keeps rolling in the direction of the step; a neighbouring digit rolls
// towards itself; any other wheel stands on toChar. Target and strip share one 32-bit format.
void ComposeDigitCell(char fromChar, char toChar, QImage &target, const QImage &strip, int fraction,
                      std::uint32_t value, std::uint32_t limit, bool incrementing,
                      TBaseType baseType, bool topToBottom);
