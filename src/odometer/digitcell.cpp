// SPDX-License-Identifier: GPL-3.0-or-later
#include "odometer/digitcell.h"

#include "odometer/conversions.h"
#include "odometer/imagerows.h"

#include <QImage>

#include <cstdlib>

namespace {

enum class Roll { Standing, Down, Up };

constexpr int blankCell = 16;

Roll rollOf(int f, int t, std::uint32_t value, std::uint32_t limit, bool incrementing,
            TBaseType baseType, bool topToBottom)
{
    const int m = topDigit(baseType);
    const Roll downWhenTopToBottom = topToBottom ? Roll::Down : Roll::Up;
    const Roll upWhenTopToBottom = topToBottom ? Roll::Up : Roll::Down;
    if (f == 0 && !incrementing && (t == m || value == limit))
        return upWhenTopToBottom; // borrow
    if (incrementing && t == 0 && (f == m || value == 0))
        return downWhenTopToBottom; // carry
    if (std::abs(t - f) == 1)
        return f < t ? downWhenTopToBottom : upWhenTopToBottom;
    return Roll::Standing;
}

} // namespace

int digitCell(char character)
{
    const auto index = DigitAlphabet.find(character);
    return index == std::string_view::npos ? blankCell : static_cast<int>(index);
}

int topDigit(TBaseType baseType)
{
    return static_cast<int>(radixOf(baseType)) - 1;
}

void ComposeDigitCell(char fromChar, char toChar, QImage &target, const QImage &strip, int fraction,
                      std::uint32_t value, std::uint32_t limit, bool incrementing,
                      TBaseType baseType, bool topToBottom)
{
    const int h = target.height();
    const int off = h * fraction / 255;
    const int t = digitCell(toChar);
    const int f = digitCell(fromChar);
    // A piece of no rows is a copy of nothing, so the loops of CopyImageRows skip it.
    switch (rollOf(f, t, value, limit, incrementing, baseType, topToBottom)) {
    case Roll::Standing:
        copyImageRows(strip, h * t, h, target, 0, 0);
        break;
    case Roll::Down: // the new digit comes in from the top
        copyImageRows(strip, h * t + h - off, off, target, 0, 0);
        copyImageRows(strip, h * f, h - off, target, 0, off);
        break;
    case Roll::Up: // the new digit comes in from the bottom
        copyImageRows(strip, h * f + off, h - off, target, 0, 0);
        copyImageRows(strip, h * t, off, target, 0, h - off);
        break;
    }
}
