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

// Cuts wheelCount wheels of 15 x 20 pixels, side by side from topLeft, out of the picture
// and matches each, pixel by pixel, against the cells of the digit strip DIGITS, plain
// and with their glyphs green.
WheelRow readWheelRow(const QImage &picture, QPoint topLeft, int wheelCount);
