// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QString>

// What a row of odometer wheels at rest shows, read from a picture of it.
struct WheelRow
{
    QString digits;  // '?' where a wheel matches no cell of the strip, ' ' for the blank cell
    QList<bool> lit; // drawn in the green of the highlight
};

// Cuts wheelCount wheels of 15 x 20 layout pixels, side by side from topLeft, out of the
// picture and matches each, pixel by pixel, against the cells of the digit strip DIGITS,
// plain and with their glyphs green. A picture whose device pixel ratio is 2 or 3 has that
// many device pixels to a layout pixel each way; its wheels are matched against the strip's
// "@2x" or "@3x" copy.
WheelRow readWheelRow(const QImage &picture, QPoint topLeft, int wheelCount);
