// SPDX-License-Identifier: GPL-3.0-or-later
#include "wheelreader.h"

#include "wheelpictures.h"

using namespace WheelPictures;

namespace {

constexpr int cellCount = 17;
const QString cellCharacters = QStringLiteral("0123456789ABCDEF ");

} // namespace

WheelRow readWheelRow(const QImage &picture, QPoint topLeft, int wheelCount)
{
    static const QImage plain = loadDigitStrip();
    static const QImage green = greenGlyphs(plain);
    WheelRow row;
    for (int wheel = 0; wheel < wheelCount; ++wheel) {
        const QImage cut = picture.copy(
            QRect(topLeft + QPoint(wheel * CellWidth, 0), QSize(CellWidth, CellHeight)));
        QChar digit = QLatin1Char('?');
        bool lit = false;
        for (int cell = 0; cell < cellCount && digit == QLatin1Char('?'); ++cell) {
            for (const QImage *strip : {&plain, &green}) {
                if (samePixels(cut, wheelPicture(*strip, cell, cell, Travel::Stand, 0))) {
                    digit = cellCharacters[cell];
                    lit = strip == &green;
                    break;
                }
            }
        }
        row.digits += digit;
        row.lit.append(lit);
    }
    return row;
}
