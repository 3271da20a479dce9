// SPDX-License-Identifier: GPL-3.0-or-later
#include "artwork.h"

#include "toolkit/look.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

QImage drawLogo(int scale)
{
    QImage logo = blankPicture(QSize(100, 36), QImage::Format_RGB32, scale);
    logo.fill(QColor(palette::topBar));
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);

    // A small rolling wheel: "0" leaving its window at the top, "1" coming in below, both
    // whole inside the tile, each centred by its ink in its half.
    const QRectF tile(3.5, 4.5, 18, 27);
    QLinearGradient wheel(0, 4, 0, 32);
    wheel.setColorAt(0, QColor(40, 40, 40));
    wheel.setColorAt(0.5, QColor(10, 10, 10));
    wheel.setColorAt(1, QColor(40, 40, 40));
    painter.setPen(QPen(QColor(90, 90, 90), 1));
    painter.setBrush(wheel);
    painter.drawRoundedRect(tile, 3, 3);
    QFont digits(QStringLiteral("DejaVu Sans Mono"));
    digits.setPixelSize(12);
    digits.setBold(true);
    painter.setFont(digits);
    painter.setPen(Qt::white);
    painter.setClipRect(tile.adjusted(1, 1, -1, -1));
    const QFontMetricsF metrics(digits);
    const auto drawDigit = [&](const QString &digit, const QRectF &half) {
        const QRectF ink = metrics.tightBoundingRect(digit);
        painter.drawText(half.center() - ink.center(), digit);
    };
    const qreal middle = tile.center().y();
    drawDigit(QStringLiteral("0"),
              QRectF(tile.left(), tile.top() + 1, tile.width(), middle - tile.top() - 1));
    drawDigit(QStringLiteral("1"),
              QRectF(tile.left(), middle, tile.width(), tile.bottom() - middle - 1));
    painter.setClipping(false);

    QFont name(QStringLiteral("DejaVu Sans"));
    name.setPixelSize(17);
    name.setBold(true);
    painter.setFont(name);
    painter.setPen(QColor(palette::buttonCaption));
    painter.drawText(QRectF(25, 2, 75, 22), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Quorvel"));
    QFont motto(QStringLiteral("DejaVu Sans"));
    motto.setPixelSize(8);
    painter.setFont(motto);
    painter.setPen(QColor(60, 90, 130));
    painter.drawText(QRectF(26, 22, 74, 12), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("2 \u00b7 8 \u00b7 10 \u00b7 16"));
    return logo;
}
