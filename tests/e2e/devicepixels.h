// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

// Places are given in layout pixels; a screenshot is in device pixels, and its device pixel
// ratio says how many of them make one layout pixel each way.
inline int devicePixelsPerLayoutPixel(const QImage &shot)
{
    return qMax(1, qRound(shot.devicePixelRatio()));
}

// The device pixels of the screenshot that show the layout place.
inline QRect inDevicePixels(const QImage &shot, const QRect &place)
{
    const int scale = devicePixelsPerLayoutPixel(shot);
    return {place.topLeft() * scale, place.size() * scale};
}

// The first device pixel of the screenshot that shows the layout pixel.
inline QPoint inDevicePixels(const QImage &shot, QPoint place)
{
    return place * devicePixelsPerLayoutPixel(shot);
}
