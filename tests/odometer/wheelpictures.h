// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Expected pictures of odometer wheels, built straight from the digit strip pixel by pixel so
// that they do not share the control's own copying code.

#include <QImage>
#include <QString>

namespace WheelPictures {

constexpr int CellWidth = 15;
constexpr int CellHeight = 20;

enum class Travel { Stand, Up, Down };

// The strip as drawn for a scale: at 2 and 3 its "@2x" or "@3x" copy, whose cells are that
// many device pixels to a layout pixel each way.
inline QImage loadDigitStrip(int scale = 1)
{
    const QString copy = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    return QImage(QStringLiteral(":/DIGITS") + copy).convertToFormat(QImage::Format_RGB32);
}

// The strip with every pixel of grey level 128 or more pure green.
inline QImage greenGlyphs(const QImage &strip)
{
    QImage green = strip.copy();
    for (int y = 0; y < green.height(); ++y)
        for (int x = 0; x < green.width(); ++x)
            if (qGray(green.pixel(x, y)) >= 128)
                green.setPixel(x, y, qRgb(0, 255, 0));
    return green;
}

inline int cellOf(QChar digit)
{
    const int index = QStringLiteral("0123456789ABCDEF").indexOf(digit);
    return index < 0 ? 16 : index;
}

// Strip row shown by row y of a wheel rolled by off pixels from cell f to cell t. Going up,
// the wheel is a window on cell f stacked over cell t that has slid down by off rows; going
// down, a window on cell t stacked over cell f that starts off rows above cell f.
inline int shownStripRow(int f, int t, Travel travel, int off, int y)
{
    const int h = CellHeight;
    switch (travel) {
    case Travel::Stand:
        return h * t + y;
    case Travel::Up:
        return y + off < h ? h * f + y + off : h * t + y + off - h;
    case Travel::Down:
        return y + h - off < h ? h * t + y + h - off : h * f + y - off;
    }
    return -1;
}

inline QImage wheelPicture(const QImage &strip, int f, int t, Travel travel, int off)
{
    QImage wheel(CellWidth, CellHeight, QImage::Format_RGB32);
    for (int y = 0; y < CellHeight; ++y)
        for (int x = 0; x < CellWidth; ++x)
            wheel.setPixel(x, y, strip.pixel(x, shownStripRow(f, t, travel, off, y)));
    return wheel;
}

// A row of wheels at rest showing digits; the wheels from firstGreen to lastGreen (counted
// from 0) come from green.
inline QImage rowPicture(const QImage &strip, const QString &digits, const QImage &green = {},
                         int firstGreen = 0, int lastGreen = -1)
{
    QImage row(CellWidth * int(digits.size()), CellHeight, QImage::Format_RGB32);
    for (int wheel = 0; wheel < digits.size(); ++wheel) {
        const bool lit = firstGreen <= wheel && wheel <= lastGreen;
        const int cell = cellOf(digits.at(wheel));
        const QImage picture = wheelPicture(lit ? green : strip, cell, cell, Travel::Stand, 0);
        for (int y = 0; y < CellHeight; ++y)
            for (int x = 0; x < CellWidth; ++x)
                row.setPixel(wheel * CellWidth + x, y, picture.pixel(x, y));
    }
    return row;
}

inline QImage wheelOf(const QImage &row, int wheel)
{
    return row.copy(wheel * CellWidth, 0, CellWidth, CellHeight);
}

// Pixel colours only: QImage::operator== also weighs colour-space metadata.
inline bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xFFFFFF) != (b.pixel(x, y) & 0xFFFFFF))
                return false;
    return true;
}

} // namespace WheelPictures
