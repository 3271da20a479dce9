// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelreader.h"

#include "wheelpictures.h"

#include <QHash>

using namespace WheelPictures;

namespace {

constexpr int cellCount = 17;
const QString cellCharacters = QStringLiteral("0123456789ABCDEF ");

struct Strips
{
    QImage plain;
    QImage green;
};

const Strips &stripsAt(int scale)
{
    static QHash<int, Strips> strips;
    auto found = strips.find(scale);
    if (found == strips.end()) {
        const QImage plain = loadDigitStrip(scale);
        found = strips.insert(scale, {plain, greenGlyphs(plain)});
    }
    return *found;
}

// A wheel standing on the cell, in the device pixels of the strip drawn for the scale.
QImage restingWheel(const QImage &strip, int cell, int scale)
{
    return strip.copy(0, cell * CellHeight * scale, CellWidth * scale, CellHeight * scale);
}

} // namespace

WheelRow readWheelRow(const QImage &picture, QPoint topLeft, int wheelCount)
{
    const int scale = qMax(1, qRound(picture.devicePixelRatio()));
    const Strips &strips = stripsAt(scale);
    WheelRow row;
    for (int wheel = 0; wheel < wheelCount; ++wheel) {
        const QImage cut = picture.copy(QRect((topLeft + QPoint(wheel * CellWidth, 0)) * scale,
                                              QSize(CellWidth, CellHeight) * scale));
        QChar digit = QLatin1Char('?');
        bool lit = false;
        for (int cell = 0; cell < cellCount && digit == QLatin1Char('?'); ++cell) {
            for (const QImage *strip : {&strips.plain, &strips.green}) {
                if (samePixels(cut, restingWheel(*strip, cell, scale))) {
                    digit = cellCharacters[cell];
                    lit = strip == &strips.green;
                    break;
                }
            }
        }
        row.digits += digit;
        row.lit.append(lit);
    }
    return row;
}
