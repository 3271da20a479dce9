// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "odometer/digitcell.h"
#include "toolkit/look.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>

// The program's icon at any size: three counter wheels on the top bar's blue, the last
// digit lit green as on a highlighted odometer. It follows the scalable icon's drawing.
QImage drawAppIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size / 256.0, size / 256.0);

    painter.setPen(QPen(QColor(palette::buttonCaption), 8));
    painter.setBrush(QColor(palette::topBar));
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 36, 36);

    QLinearGradient wheel(0, 64, 0, 192);
    wheel.setColorAt(0, QColor(58, 58, 58));
    wheel.setColorAt(0.5, QColor(12, 12, 12));
    wheel.setColorAt(1, QColor(58, 58, 58));
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(76);
    digits.setBold(true);
    painter.setFont(digits);
    const char *shown[] = {"0", "1", "F"};
    for (int i = 0; i < 3; ++i) {
        const QRectF cell(36 + 64 * i, 64, 56, 128);
        painter.setPen(QPen(QColor(90, 90, 90), 3));
        painter.setBrush(wheel);
        painter.drawRoundedRect(cell, 8, 8);
        painter.setPen(i == 2 ? QColor(highlightGreen) : QColor(Qt::white));
        painter.drawText(cell, Qt::AlignCenter, QString::fromLatin1(shown[i]));
    }
    return icon;
}
